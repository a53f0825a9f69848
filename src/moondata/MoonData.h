// The Moon data display's logic: phase and age texts, the Moon picture, the Moon's state.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/Colours.h"

namespace MoonData {

// The background key of the Moon bitmaps.
constexpr uint32_t KeyColour = Colours::PictureKey.Value();
// The colour every caller passes for the background and the shadow.
constexpr uint32_t DarkBlue = Colours::Navy.Value();

// A picture box's pixels as 0xRRGGBB, row 0 at the top. Reads outside give 0 and writes
// outside are ignored, as a picture box clips them.
struct PixelImage {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t colour);
    // A width x height image of one colour (empty for non-positive sizes).
    static PixelImage Filled(int width, int height, uint32_t colour);
};

// Loads the picture file at path into the image; false when it is missing or unreadable.
using PictureLoader = std::function<bool(const std::string& path, PixelImage&)>;

// "12 days, 14 hrs, 29 mins": whole days, hours and minutes of an age in days, each unit
// singular only for 1.
std::string AgeText(double days);

// The phase label: name, " (waxing)" or " (waning)" between 0.05% and 99.95%, ", " and the
// illumination in percent with one decimal, e.g. "Crescent moon (waxing), 23.4%".
std::string PhaseText(double illumination, bool waxing);

// A number with exactly one decimal, halves rounded away from zero ("42.7", "-0.1").
std::string OneDecimal(double value);

// The four Moon bitmaps in the program's folder.
enum class BasePicture { DarkMoon, FirstQuarter, FullMoon, LastQuarter };

// "darkmoon", "1stquarter", "fullmoon", "lastquarter" (the file name without ".bmp").
std::string PictureName(BasePicture picture);

// How the picture for an illumination is made: one of the bitmaps shown unchanged, or a
// terminator drawn over one half of a bitmap.
struct PictureChoice {
    BasePicture base = BasePicture::DarkMoon;
    bool drawn = false;         // false: the bitmap is shown unchanged
    bool rightColumns = false;  // columns cx up to the last one (true) or cx down to 0
    bool paintInside = false;   // paint the pixels inside the terminator ellipse, or those not inside
    double halfWidth = 0.0;     // the terminator's half-width as a fraction of the radius, |2x - 1|
};

// Illumination below 0.01: dark moon; 0.49 to 0.51: a quarter; above 0.99: full moon; else
// drawn. A non-finite illumination shows the dark moon.
PictureChoice ChoosePicture(double illumination, bool waxing);

// The disk's centre and squared radius for a picture box whose last column and row are maxX
// and maxY: cx = maxX div 2, cy = maxY div 2 + 1, r2 = cx * cx.
struct DiskGeometry {
    int cx = 0, cy = 0;
    long long r2 = 0;
};
DiskGeometry DiskGeometryOf(int maxX, int maxY);

// Paints the shadow of a drawn choice over the base picture: in the chosen columns, the
// pixels (px, py) with dx = px - cx, dy = cy - py inside the ellipse
// (r2 - dy^2) t^2 > dx^2 (or not inside it), rows 0 to maxY.
void DrawTerminator(PixelImage& pic, int maxX, int maxY, const PictureChoice& choice, uint32_t colour);

// Loads the bitmap at path into the picture box at its top left, then paints every pixel
// outside the disk with the colour. When the file cannot be loaded, a plain disk of the same
// layout is drawn instead (flat grey where the bitmap is lit, the colour where it is dark)
// and false is returned.
bool LoadDiskPicture(PixelImage& pic, const std::string& path, BasePicture picture, int maxX,
                     int maxY, uint32_t colour, const PictureLoader& load);

// Paints every pixel of colour value 200 (KeyColour), columns 0 to maxX and rows 0 to maxY,
// with the colour.
void RecolourKeyPixels(PixelImage& pic, int maxX, int maxY, uint32_t colour);

struct MoonPicture {
    PixelImage image;          // (maxX + 1) x (maxY + 1)
    PictureChoice choice;
    bool fileLoaded = false;   // false: the bitmap was missing and a plain disk was drawn
};

// The whole picture step of the display: background, chosen bitmap (from picPath, which ends
// with its separator), terminator, key recolouring.
MoonPicture DrawMoonPicture(double illumination, bool waxing, uint32_t colour, int maxX, int maxY,
                            const std::string& picPath, const PictureLoader& load);

// The title and text of the warning shown when the phase lookup fails with the code.
constexpr const char* GetPhaseErrorTitle = "Error";
std::string GetPhaseErrorText(int code);

// The Moon at a moment, ready for the labels and the picture.
struct MoonState {
    int32_t lunation = 0;
    double ageDays = 0.0;        // since the lunation's new moon
    double lunationDays = 0.0;   // from that new moon to the next
    std::string ageLabel;        // "[148] 12 days, 14 hrs, 29 mins (42.7%)"
    int phase = -1;              // the latest principal phase 0..3, or the failure code
    bool exact = false;          // the moment is (within 4.3 s) that phase
    double illumination = 0.0;   // 0 to 1
    bool waxing = false;
    std::string phaseLabel;      // empty on failure
    int errorCode = 0;           // 0, or -1 / -2 from GetPhase, -3 for an impossible moment
    std::string errorText;       // the warning's text on failure

    bool Ok() const { return errorCode == 0; }
};

// The lunar services the Moon's state is computed from. SyzygEphemeris() gives the
// program's own; tests pass stand-ins to reach cases the real sky rarely produces.
struct Ephemeris {
    std::function<double(double x)> illumination;       // illuminated fraction 0..1
    std::function<int32_t(double x)> lunationAt;
    std::function<double(int32_t n, int k)> phaseTime;  // GMT Julian date
    std::function<int(int32_t n, double x, bool& exact)> getPhase;
};
Ephemeris SyzygEphemeris();

// The Moon's state at the GMT Julian date ajd; exact is the window's exact flag going in.
// The illumination is the geometric fraction from the positions of the Moon and the Sun
// (Syzyg::IlluminatedFraction) at every moment of the range. On a failed phase lookup the age label is still filled (the
// display writes it before the lookup), the phase label is not. A moment that is not finite
// or lies beyond a billion days gives the code -3 without any lookup.
MoonState ComputeMoonState(double ajd, bool exact, const Ephemeris& ephemeris);
MoonState ComputeMoonState(double ajd, bool exact);

}  // namespace MoonData
