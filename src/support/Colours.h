// The colours of the program's windows and pictures, as plain RGB values for every layer.
#pragma once
#include <cstdint>

struct Rgb {
    uint8_t red, green, blue;
    constexpr uint32_t Value() const { return (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue; }
};

namespace Colours {
constexpr Rgb Navy{0, 0, 128};             // the windows' background, the Moon picture's sky
constexpr Rgb Selected{255, 255, 255};     // a chosen option, the entry calendar's title
constexpr Rgb Unselected{200, 200, 200};   // its unchosen partners, the other titles
constexpr Rgb TitleGrey{224, 224, 224};    // titles as first drawn
constexpr Rgb ValueYellow{255, 255, 128};  // values, the eclipse data
// The background of the Moon bitmaps, which the display recolours to the sky: pure red of
// intensity 200.
constexpr Rgb PictureKey{200, 0, 0};
}  // namespace Colours
