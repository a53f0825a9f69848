// Writing the Moon pictures to disk: 24-bit BMP by hand, GIF through giflib.
#pragma once
#include <string>

#include "MoonArt.h"

namespace ImageFiles {

// An uncompressed 24-bit Windows bitmap, bottom-up rows padded to four bytes. False when the
// file cannot be written.
bool WriteBmp24(const std::string& path, const MoonArt::Image& img);

// An 8-bit GIF whose palette is fitted to the picture; the colour of the top left pixel
// (the background) is kept exact. False when giflib fails.
bool WriteGif(const std::string& path, const MoonArt::Image& img);

}  // namespace ImageFiles
