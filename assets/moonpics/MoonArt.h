// The artwork of the Moon pictures: a shaded, lit disk with maria, as pixel colours.
#pragma once
#include <cstdint>
#include <vector>

#include "support/Colours.h"

namespace MoonArt {

// Pixels as 0xRRGGBB, row 0 at the top.
struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;
};

// The background of the Moon display's bitmaps, which the display recolours.
constexpr uint32_t KeyColour = Colours::PictureKey.Value();
// The main window's background, used around the day pictures and for the unlit half of the
// quarter bitmaps (the display paints the shadow of its drawn phases in this colour too).
constexpr uint32_t Navy = Colours::Navy.Value();

// Geometry of the Moon display's 90 x 90 picture box: last column and row 89, centre
// (89 div 2, 89 div 2 + 1) and radius 89 div 2, exactly as the display tests its pixels.
constexpr int DisplaySize = 90;
constexpr int DisplayCx = (DisplaySize - 1) / 2;      // 44
constexpr int DisplayCy = (DisplaySize - 1) / 2 + 1;  // 45
constexpr int DisplayRadius = DisplayCx;              // 44
// Side of the lunation calendar's day pictures.
constexpr int DaySize = 64;

enum class DisplayPicture { DarkMoon, FirstQuarter, FullMoon, LastQuarter };

// One of the four bitmaps of the Moon display; every pixel outside the disk is KeyColour and
// none inside is.
Image RenderDisplayPicture(DisplayPicture which);

// The Moon at the given age (days since new moon) on the navy background, DaySize square.
Image RenderDayPicture(double ageDays);

// The age drawn in the day picture "day<number>.gif", number 1 to 32 (see the .cpp).
double DayPictureAge(int number);

}  // namespace MoonArt
