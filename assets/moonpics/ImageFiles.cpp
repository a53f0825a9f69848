// Writing the Moon pictures to disk: 24-bit BMP by hand, GIF through giflib.
#include "ImageFiles.h"

#include <gif_lib.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace ImageFiles {
namespace {

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

bool WriteBmp24(const std::string& path, const MoonArt::Image& img) {
    if (img.width <= 0 || img.height <= 0 ||
        img.rgb.size() != static_cast<size_t>(img.width) * img.height)
        return false;
    const uint32_t rowBytes = (static_cast<uint32_t>(img.width) * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowBytes * img.height;
    constexpr uint32_t HeaderBytes = 14 + 40;  // file header + BITMAPINFOHEADER
    std::vector<uint8_t> out;
    out.reserve(HeaderBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, HeaderBytes + pixelBytes, 4);
    PutLe(out, 0, 4);  // reserved
    PutLe(out, HeaderBytes, 4);
    PutLe(out, 40, 4);
    PutLe(out, img.width, 4);
    PutLe(out, img.height, 4);  // positive: rows stored bottom-up
    PutLe(out, 1, 2);           // planes
    PutLe(out, 24, 2);          // bits per pixel
    PutLe(out, 0, 4);           // BI_RGB, no compression
    PutLe(out, pixelBytes, 4);
    PutLe(out, 2835, 4);  // 72 dots per inch, in dots per metre
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = img.height - 1; y >= 0; --y) {
        for (int x = 0; x < img.width; ++x) {
            const uint32_t c = img.rgb[static_cast<size_t>(y) * img.width + x];
            out.push_back(static_cast<uint8_t>(c));        // blue
            out.push_back(static_cast<uint8_t>(c >> 8));   // green
            out.push_back(static_cast<uint8_t>(c >> 16));  // red
        }
        for (uint32_t pad = img.width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && written;
}

bool WriteGif(const std::string& path, const MoonArt::Image& img) {
    const size_t count = static_cast<size_t>(img.width) * img.height;
    if (img.width <= 0 || img.height <= 0 || img.rgb.size() != count) return false;
    std::vector<GifByteType> red(count), green(count), blue(count), index(count);
    for (size_t i = 0; i < count; ++i) {
        red[i] = static_cast<GifByteType>(img.rgb[i] >> 16);
        green[i] = static_cast<GifByteType>(img.rgb[i] >> 8);
        blue[i] = static_cast<GifByteType>(img.rgb[i]);
    }
    constexpr int MaxColours = 256;
    GifColorType palette[MaxColours] = {};
    int used = MaxColours;
    if (GifQuantizeBuffer(img.width, img.height, &used, red.data(), green.data(), blue.data(),
                          index.data(), palette) != GIF_OK)
        return false;
    // Median cut averages its boxes; put the background back to its exact colour.
    const uint32_t background = img.rgb[0];
    palette[index[0]] = {static_cast<GifByteType>(background >> 16),
                         static_cast<GifByteType>(background >> 8),
                         static_cast<GifByteType>(background)};

    ColorMapObject* map = GifMakeMapObject(MaxColours, palette);
    if (!map) return false;
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    bool ok = gif != nullptr;
    if (ok) {
        ok = EGifPutScreenDesc(gif, img.width, img.height, 8, index[0], map) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, img.width, img.height, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < img.height; ++y)
            ok = EGifPutLine(gif, &index[static_cast<size_t>(y) * img.width], img.width) == GIF_OK;
        ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    }
    GifFreeMapObject(map);
    return ok;
}

}  // namespace ImageFiles
