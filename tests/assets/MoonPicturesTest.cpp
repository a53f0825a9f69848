// Checks the Moon pictures the build draws: sizes, key colour, lit sides, day brightness.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string PictureDir = std::string(SELVANOR_PICTURE_DIR) + "/";
constexpr uint32_t Key = 0xC80000;
constexpr uint32_t Navy = 0x000080;

struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;  // row 0 on top
    uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

// Just enough of a BMP reader for an uncompressed bottom-up 24-bit file.
bool ReadBmp(const std::string& path, Picture& pic) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), {});
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    if (Le(b, 28, 2) != 24 || Le(b, 30, 4) != 0) return false;
    pic.width = static_cast<int>(Le(b, 18, 4));
    pic.height = static_cast<int>(Le(b, 22, 4));
    const size_t offset = Le(b, 10, 4), row = (pic.width * 3 + 3) / 4 * 4;
    if (pic.width <= 0 || pic.height <= 0 || b.size() < offset + row * pic.height) return false;
    pic.rgb.resize(static_cast<size_t>(pic.width) * pic.height);
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x) {
            const size_t p = offset + (pic.height - 1 - y) * row + 3 * x;
            pic.rgb[static_cast<size_t>(y) * pic.width + x] = b[p + 2] << 16 | b[p + 1] << 8 | b[p];
        }
    return true;
}

bool ReadGif(const std::string& path, Picture& pic) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif) return false;
    bool ok = DGifSlurp(gif) == GIF_OK && gif->ImageCount >= 1;
    if (ok) {
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        pic.width = image.ImageDesc.Width;
        pic.height = image.ImageDesc.Height;
        ok = map != nullptr;
        for (int i = 0; ok && i < pic.width * pic.height; ++i) {
            const int index = image.RasterBits[i];
            ok = index < map->ColorCount;
            if (ok) {
                const GifColorType c = map->Colors[index];
                pic.rgb.push_back(c.Red << 16 | c.Green << 8 | c.Blue);
            }
        }
    }
    DGifCloseFile(gif, &error);
    return ok;
}

double Luminance(uint32_t c) {
    return 0.3 * (c >> 16 & 0xFF) + 0.59 * (c >> 8 & 0xFF) + 0.11 * (c & 0xFF);
}

// Mean luminance of the disk pixels in columns [x0, x1] of a display bitmap.
double MeanDiskLuminance(const Picture& p, int x0, int x1) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = x0; x <= x1; ++x)
            if ((x - 44) * (x - 44) + (45 - y) * (45 - y) <= 44 * 44) {
                sum += Luminance(p.at(x, y));
                ++n;
            }
    return n ? sum / n : 0;
}

double MeanLuminance(const Picture& p) {
    double sum = 0;
    for (uint32_t c : p.rgb) sum += Luminance(c);
    return p.rgb.empty() ? 0 : sum / p.rgb.size();
}

}  // namespace

// The display paints (px - 44)^2 + (45 - py)^2 > 44^2 as background, so the bitmaps must be
// keyed exactly there and nowhere inside the disk.
TEST(MoonPictures, DisplayBitmapsFollowTheDiskGeometry) {
    for (const char* name : {"darkmoon", "1stquarter", "fullmoon", "lastquarter"}) {
        SCOPED_TRACE(name);
        Picture p;
        ASSERT_TRUE(ReadBmp(PictureDir + name + ".bmp", p));
        ASSERT_EQ(p.width, 90);
        ASSERT_EQ(p.height, 90);
        EXPECT_EQ(p.at(0, 0), Key);
        EXPECT_EQ(p.at(89, 89), Key);
        int misplaced = 0;
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 90; ++x) {
                const bool outside = (x - 44) * (x - 44) + (45 - y) * (45 - y) > 44 * 44;
                misplaced += outside != (p.at(x, y) == Key);
            }
        EXPECT_EQ(misplaced, 0);
    }
}

TEST(MoonPictures, QuartersAreLitOnTheirSide) {
    Picture first, last, full, dark;
    ASSERT_TRUE(ReadBmp(PictureDir + "1stquarter.bmp", first));
    ASSERT_TRUE(ReadBmp(PictureDir + "lastquarter.bmp", last));
    ASSERT_TRUE(ReadBmp(PictureDir + "fullmoon.bmp", full));
    ASSERT_TRUE(ReadBmp(PictureDir + "darkmoon.bmp", dark));
    // The centre column belongs to the lit half of both quarters.
    EXPECT_GT(MeanDiskLuminance(first, 44, 88), 100);
    EXPECT_NEAR(MeanDiskLuminance(first, 0, 43), Luminance(Navy), 1e-9);
    EXPECT_GT(MeanDiskLuminance(last, 0, 44), 100);
    EXPECT_NEAR(MeanDiskLuminance(last, 45, 89), Luminance(Navy), 1e-9);
    EXPECT_GT(MeanDiskLuminance(full, 0, 89), 100);
    // Earthshine: visible, but far fainter than sunlight.
    const double earthshine = MeanDiskLuminance(dark, 0, 89);
    EXPECT_GT(earthshine, 10);
    EXPECT_LT(earthshine, 50);
}

TEST(MoonPictures, MariaMakeTheFullMoonUneven) {
    Picture full;
    ASSERT_TRUE(ReadBmp(PictureDir + "fullmoon.bmp", full));
    // Mare Crisium lies near the right limb, the highlands south of the centre are bright.
    const double crisium = Luminance(full.at(44 + 36, 45 - 13));
    const double highlands = Luminance(full.at(44 + 5, 45 + 25));
    EXPECT_LT(crisium + 30, highlands);
}

TEST(MoonPictures, DayPicturesFollowTheLunation) {
    std::vector<double> brightness;
    for (int day = 1; day <= 32; ++day) {
        SCOPED_TRACE(day);
        Picture p;
        ASSERT_TRUE(ReadGif(PictureDir + "day" + std::to_string(day) + ".gif", p));
        EXPECT_EQ(p.width, 64);
        EXPECT_EQ(p.height, 64);
        EXPECT_EQ(p.at(0, 0), Navy);
        brightness.push_back(MeanLuminance(p));
    }
    EXPECT_GT(brightness[14], brightness[0] + 40);
    // Waxing up to the full moon around day 16, waning after it; the right side is lit first.
    EXPECT_LT(brightness[2], brightness[5]);
    EXPECT_GT(brightness[14], brightness[28]);
    Picture crescent;
    ASSERT_TRUE(ReadGif(PictureDir + "day4.gif", crescent));
    EXPECT_GT(Luminance(crescent.at(58, 32)), Luminance(crescent.at(6, 32)) + 50);
    Picture old;
    ASSERT_TRUE(ReadGif(PictureDir + "day29.gif", old));
    EXPECT_GT(Luminance(old.at(6, 32)), Luminance(old.at(58, 32)) + 50);
}
