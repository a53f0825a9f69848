// The Moon data display's texts and the drawing of the Moon picture.
#include "moondata/MoonData.h"

#include <cmath>
#include <cstdio>
#include "support/FloorDiv.h"

namespace MoonData {
namespace {

constexpr int MinutesPerDay = 1440;

// Flat colours of a bitmap that could not be loaded.
constexpr uint32_t PlainLitGrey = 0xA0A0A0;
constexpr uint32_t PlainDarkGrey = 0x404040;  // the dark moon's earthshine

}  // namespace

uint32_t PixelImage::Pixel(int x, int y) const {
    return Contains(x, y) ? rgb[static_cast<size_t>(y) * width + x] : 0;
}

void PixelImage::SetPixel(int x, int y, uint32_t colour) {
    if (Contains(x, y)) rgb[static_cast<size_t>(y) * width + x] = colour;
}

PixelImage PixelImage::Filled(int width, int height, uint32_t colour) {
    if (width <= 0 || height <= 0) return {};
    return {width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, colour)};
}

std::string AgeText(double days) {
    // Counting whole minutes first keeps an age such as 1 day 1 hour 1 minute, which a double
    // holds a hair below its true value, from reading "0 mins". The allowance, 1e-6 minute
    // (60 microseconds), is far above the rounding error of ages within a lunation and far
    // below anything the text shows.
    double minutes = std::floor(days * MinutesPerDay + 1e-6);
    if (!std::isfinite(minutes)) minutes = 0;
    // Any age the display can produce is within a few hundred days; the clamp only keeps a
    // wild value from overflowing the integer conversion.
    minutes = std::fmax(-1e15, std::fmin(1e15, minutes));
    const long long total = static_cast<long long>(minutes);
    const long long d = FloorDiv(total, MinutesPerDay);
    const long long rest = total - d * MinutesPerDay;  // [0, 1439]
    const long long h = rest / 60, m = rest % 60;
    std::string text = std::to_string(d) + " day" + (d == 1 ? "" : "s") + ", ";
    text += std::to_string(h) + " hr" + (h == 1 ? "" : "s") + ", ";
    text += std::to_string(m) + " min" + (m == 1 ? "" : "s");
    return text;
}

std::string OneDecimal(double value) {
    if (!std::isfinite(value)) value = 0;
    // Tenths rounded half away from zero, as the display has always written its percentages;
    // printf would round the exact binary ties 0.25, 42.25 ... to even instead.
    const double tenths = std::round(value * 10.0);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1f", tenths / 10.0);
    std::string text = buf;
    if (text == "-0.0") text = "0.0";
    return text;
}

std::string PhaseText(double illumination, bool waxing) {
    double p = 100.0 * illumination;
    if (!std::isfinite(p)) p = 0;
    std::string name;
    if (p < 1) name = "Dark moon";
    else if (p < 45) name = "Crescent moon";
    else if (p < 55) name = "Half moon";
    else if (p < 99) name = "Gibbous moon";
    else name = "Full moon";
    // Within 0.05% of dark or full the direction would be lost in the rounding.
    if (p >= 0.05 && p <= 99.95) name += waxing ? " (waxing)" : " (waning)";
    return name + ", " + OneDecimal(p) + "%";
}

std::string PictureName(BasePicture picture) {
    switch (picture) {
    case BasePicture::DarkMoon: return "darkmoon";
    case BasePicture::FirstQuarter: return "1stquarter";
    case BasePicture::FullMoon: return "fullmoon";
    case BasePicture::LastQuarter: return "lastquarter";
    }
    return "darkmoon";
}

PictureChoice ChoosePicture(double x, bool waxing) {
    PictureChoice c;
    const bool quarter = x > 0.49 && x < 0.51;
    if (!std::isfinite(x) || x < 0.01) {
        c.base = BasePicture::DarkMoon;
    } else if (quarter && waxing) {
        c.base = BasePicture::FirstQuarter;
    } else if (x > 0.99) {
        c.base = BasePicture::FullMoon;
    } else if (quarter) {
        c.base = BasePicture::LastQuarter;
    } else {
        // Crescents take the quarter's lit half and shade its outer part; gibbous phases take
        // the full moon and shade the far half outside the terminator.
        c.drawn = true;
        c.halfWidth = std::fabs(2.0 * x - 1.0);
        const bool crescent = x < 0.5;
        c.paintInside = crescent;
        if (crescent) c.base = waxing ? BasePicture::FirstQuarter : BasePicture::LastQuarter;
        else c.base = BasePicture::FullMoon;
        // Waxing crescent and waning gibbous shade the right half, the others the left.
        c.rightColumns = crescent == waxing;
    }
    return c;
}

DiskGeometry DiskGeometryOf(int maxX, int maxY) {
    DiskGeometry g;
    // Picture boxes have non-negative sizes; truncating division as the display draws.
    g.cx = maxX / 2;
    g.cy = maxY / 2 + 1;
    g.r2 = static_cast<long long>(g.cx) * g.cx;
    return g;
}

void DrawTerminator(PixelImage& pic, int maxX, int maxY, const PictureChoice& choice, uint32_t colour) {
    if (!choice.drawn) return;
    const DiskGeometry g = DiskGeometryOf(maxX, maxY);
    const double t2 = choice.halfWidth * choice.halfWidth;
    const int first = choice.rightColumns ? g.cx : 0;
    const int last = choice.rightColumns ? maxX : g.cx;
    for (int px = first; px <= last; ++px) {
        const long long dx = px - g.cx;
        for (int py = 0; py <= maxY; ++py) {
            const long long dy = g.cy - py;
            // The ellipse's half-width on row dy is t times the disk's; rows beyond the disk
            // give a negative left side and are never inside.
            const bool inside = static_cast<double>(g.r2 - dy * dy) * t2 > static_cast<double>(dx * dx);
            if (inside == choice.paintInside) pic.SetPixel(px, py, colour);
        }
    }
}

namespace {

// Copies src onto the top left of dst, clipped, as a picture box shows a loaded bitmap.
void PlaceAtTopLeft(PixelImage& dst, const PixelImage& src) {
    for (int y = 0; y < dst.height && y < src.height; ++y)
        for (int x = 0; x < dst.width && x < src.width; ++x) dst.SetPixel(x, y, src.Pixel(x, y));
}

// Stand-in for a missing bitmap: the same layout in flat colours.
void DrawPlainDisk(PixelImage& pic, BasePicture picture, int maxX, int maxY, uint32_t colour) {
    const DiskGeometry g = DiskGeometryOf(maxX, maxY);
    for (int py = 0; py <= maxY; ++py) {
        for (int px = 0; px <= maxX; ++px) {
            const long long dx = px - g.cx, dy = g.cy - py;
            if (dx * dx + dy * dy > g.r2) continue;
            uint32_t c = PlainLitGrey;
            if (picture == BasePicture::DarkMoon) c = PlainDarkGrey;
            else if (picture == BasePicture::FirstQuarter && dx < 0) c = colour;
            else if (picture == BasePicture::LastQuarter && dx > 0) c = colour;
            pic.SetPixel(px, py, c);
        }
    }
}

// Loads the bitmap, or draws its plain stand-in; true when the file was loaded.
bool LoadOrPlain(PixelImage& pic, const std::string& path, BasePicture picture, int maxX, int maxY,
                 uint32_t colour, const PictureLoader& load) {
    PixelImage loaded;
    if (load && load(path, loaded) && loaded.width > 0 && loaded.height > 0 &&
        loaded.rgb.size() == static_cast<size_t>(loaded.width) * loaded.height) {
        PlaceAtTopLeft(pic, loaded);
        return true;
    }
    DrawPlainDisk(pic, picture, maxX, maxY, colour);
    return false;
}

}  // namespace

bool LoadDiskPicture(PixelImage& pic, const std::string& path, BasePicture picture, int maxX,
                     int maxY, uint32_t colour, const PictureLoader& load) {
    const bool loaded = LoadOrPlain(pic, path, picture, maxX, maxY, colour, load);
    const DiskGeometry g = DiskGeometryOf(maxX, maxY);
    for (int py = 0; py <= maxY; ++py) {
        for (int px = 0; px <= maxX; ++px) {
            const long long dx = px - g.cx, dy = g.cy - py;
            if (dx * dx + dy * dy > g.r2) pic.SetPixel(px, py, colour);
        }
    }
    return loaded;
}

void RecolourKeyPixels(PixelImage& pic, int maxX, int maxY, uint32_t colour) {
    for (int py = 0; py <= maxY; ++py)
        for (int px = 0; px <= maxX; ++px)
            if (pic.Contains(px, py) && pic.Pixel(px, py) == KeyColour) pic.SetPixel(px, py, colour);
}

MoonPicture DrawMoonPicture(double illumination, bool waxing, uint32_t colour, int maxX, int maxY,
                            const std::string& picPath, const PictureLoader& load) {
    MoonPicture result;
    result.choice = ChoosePicture(illumination, waxing);
    // The picture box's background colour shows wherever a bitmap does not reach.
    result.image = PixelImage::Filled(maxX + 1, maxY + 1, colour);
    const std::string path = picPath + PictureName(result.choice.base) + ".bmp";
    if (result.choice.drawn) {
        result.fileLoaded = LoadDiskPicture(result.image, path, result.choice.base, maxX, maxY, colour, load);
        DrawTerminator(result.image, maxX, maxY, result.choice, colour);
    } else {
        result.fileLoaded = LoadOrPlain(result.image, path, result.choice.base, maxX, maxY, colour, load);
    }
    RecolourKeyPixels(result.image, maxX, maxY, colour);
    return result;
}

std::string GetPhaseErrorText(int code) {
    return "Error" + std::to_string(code) + " when calling GetPhase() in DisplayMoonData().";
}

}  // namespace MoonData
