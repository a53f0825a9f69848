// Tests of the Moon picture steps: choice of bitmap, terminator, disk painting, key colour.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "moondata/MoonData.h"

using namespace MoonData;

namespace {

constexpr uint32_t Lit = 0xDDDDDD;
constexpr uint32_t Shadow = 0x112233;  // any colour the caller passes

// The display's 90 x 90 picture box.
constexpr int MaxX = 89, MaxY = 89;

bool InDisk(int px, int py) {
    const int dx = px - 44, dy = 45 - py;
    return dx * dx + dy * dy <= 44 * 44;
}

// Synthetic bitmaps of the display's layout: key outside the disk, Lit on the lit part and
// the shadow colour on the dark half of the quarters.
PixelImage SyntheticBitmap(BasePicture picture) {
    PixelImage img = PixelImage::Filled(90, 90, KeyColour);
    for (int py = 0; py < 90; ++py)
        for (int px = 0; px < 90; ++px) {
            if (!InDisk(px, py)) continue;
            const int dx = px - 44;
            bool lit = true;
            if (picture == BasePicture::DarkMoon) lit = false;
            if (picture == BasePicture::FirstQuarter) lit = dx >= 0;
            if (picture == BasePicture::LastQuarter) lit = dx <= 0;
            img.SetPixel(px, py, lit ? Lit : 0x000080);
        }
    return img;
}

// A loader that serves the synthetic bitmaps and records what was asked for.
struct FakeFiles {
    std::vector<std::string> requested;
    bool available = true;
    PictureLoader Loader() {
        return [this](const std::string& path, PixelImage& out) {
            requested.push_back(path);
            if (!available) return false;
            for (BasePicture p : {BasePicture::DarkMoon, BasePicture::FirstQuarter,
                                  BasePicture::FullMoon, BasePicture::LastQuarter})
                if (path == "pics/" + PictureName(p) + ".bmp") {
                    out = SyntheticBitmap(p);
                    return true;
                }
            return false;
        };
    }
};

int CountLit(const PixelImage& img, int x0, int x1) {
    int n = 0;
    for (int py = 0; py < img.height; ++py)
        for (int px = x0; px <= x1; ++px) n += img.Pixel(px, py) == Lit;
    return n;
}

}  // namespace

TEST(MoonPicture, ChoiceOfBitmap) {
    const struct {
        const char* name;
        double x;
        bool waxing;
        BasePicture base;
        bool drawn, right, inside;
        double t;
    } rows[] = {
        {"dark waxing", 0.005, true, BasePicture::DarkMoon, false, false, false, 0},
        {"dark waning", 0.0, false, BasePicture::DarkMoon, false, false, false, 0},
        {"first quarter", 0.495, true, BasePicture::FirstQuarter, false, false, false, 0},
        {"last quarter", 0.505, false, BasePicture::LastQuarter, false, false, false, 0},
        {"full waxing", 0.995, true, BasePicture::FullMoon, false, false, false, 0},
        {"full waning", 1.0, false, BasePicture::FullMoon, false, false, false, 0},
        {"waxing crescent", 0.40, true, BasePicture::FirstQuarter, true, true, true, 0.2},
        {"waxing gibbous", 0.75, true, BasePicture::FullMoon, true, false, false, 0.5},
        {"waning gibbous", 0.75, false, BasePicture::FullMoon, true, true, false, 0.5},
        {"waning crescent", 0.10, false, BasePicture::LastQuarter, true, false, true, 0.8},
        {"quarter bounds are open", 0.49, true, BasePicture::FirstQuarter, true, true, true, 0.02},
        {"dark bound is open", 0.01, false, BasePicture::LastQuarter, true, false, true, 0.98},
        {"full bound is open", 0.99, true, BasePicture::FullMoon, true, false, false, 0.98},
    };
    for (const auto& r : rows) {
        const PictureChoice c = ChoosePicture(r.x, r.waxing);
        EXPECT_EQ(c.base, r.base) << r.name;
        EXPECT_EQ(c.drawn, r.drawn) << r.name;
        if (!r.drawn) continue;
        EXPECT_EQ(c.rightColumns, r.right) << r.name;
        EXPECT_EQ(c.paintInside, r.inside) << r.name;
        EXPECT_NEAR(c.halfWidth, r.t, 1e-12) << r.name;
    }
    EXPECT_EQ(ChoosePicture(std::nan(""), true).base, BasePicture::DarkMoon);
    EXPECT_FALSE(ChoosePicture(std::nan(""), true).drawn);
}

TEST(MoonPicture, DiskGeometryTruncates) {
    const DiskGeometry g = DiskGeometryOf(89, 89);
    EXPECT_EQ(g.cx, 44);
    EXPECT_EQ(g.cy, 45);
    EXPECT_EQ(g.r2, 44 * 44);
    const DiskGeometry odd = DiskGeometryOf(10, 7);
    EXPECT_EQ(odd.cx, 5);
    EXPECT_EQ(odd.cy, 4);
}

// A small base picture makes the ellipse test checkable by hand: maxX = maxY = 8, cx = 4,
// cy = 5, r2 = 16, t = 0.75 so t^2 = 0.5625. Row 5 (dy = 0): 9 > dx^2 holds for |dx| <= 2 and
// not for |dx| = 3 (the test is strict). Row 3 (dy = 2): 6.75, |dx| <= 2. Row 8 (dy = -3):
// 3.94, |dx| <= 1. Row 1 (dy = 4): 0, nothing.
TEST(MoonPicture, TerminatorOnASmallPicture) {
    PictureChoice c;
    c.drawn = true;
    c.halfWidth = 0.75;
    c.rightColumns = true;
    c.paintInside = true;
    PixelImage img = PixelImage::Filled(9, 9, Lit);
    DrawTerminator(img, 8, 8, c, Shadow);
    const std::map<int, std::vector<int>> paintedColumnsByRow = {
        {5, {4, 5, 6}}, {3, {4, 5, 6}}, {8, {4, 5}}, {1, {}}, {0, {}}};
    for (const auto& [py, columns] : paintedColumnsByRow) {
        std::vector<int> painted;
        for (int px = 0; px <= 8; ++px)
            if (img.Pixel(px, py) == Shadow) painted.push_back(px);
        EXPECT_EQ(painted, columns) << "row " << py;
    }

    // The same ellipse on the left half, painting what is not inside it.
    c.rightColumns = false;
    c.paintInside = false;
    PixelImage left = PixelImage::Filled(9, 9, Lit);
    DrawTerminator(left, 8, 8, c, Shadow);
    std::vector<int> row5;
    for (int px = 0; px <= 8; ++px)
        if (left.Pixel(px, 5) == Shadow) row5.push_back(px);
    EXPECT_EQ(row5, (std::vector<int>{0, 1}));
    // Row 0 lies beyond the disk (dy = 5 > 4) and is never inside the ellipse.
    for (int px = 0; px <= 4; ++px) EXPECT_EQ(left.Pixel(px, 0), Shadow) << px;
    for (int px = 5; px <= 8; ++px) EXPECT_EQ(left.Pixel(px, 0), Lit) << px;
}

TEST(MoonPicture, ShadowFallsOnTheRightSide) {
    FakeFiles files;
    const struct {
        const char* name;
        double x;
        bool waxing;
        bool litRight, litLeft;  // where lit pixels remain
    } rows[] = {
        {"waxing crescent", 0.2, true, true, false},
        {"waning crescent", 0.2, false, false, true},
        {"waxing gibbous", 0.8, true, true, true},
        {"waning gibbous", 0.8, false, true, true},
    };
    for (const auto& r : rows) {
        const MoonPicture pic = DrawMoonPicture(r.x, r.waxing, Shadow, MaxX, MaxY, "pics/", files.Loader());
        EXPECT_TRUE(pic.fileLoaded) << r.name;
        EXPECT_EQ(CountLit(pic.image, 46, 89) > 0, r.litRight) << r.name;
        EXPECT_EQ(CountLit(pic.image, 0, 42) > 0, r.litLeft) << r.name;
        // The outer limb of the lit side stays lit, the opposite limb is in shadow.
        const bool rightIsLitSide = r.waxing;
        EXPECT_EQ(pic.image.Pixel(rightIsLitSide ? 87 : 1, 45), Lit) << r.name;
        if (r.x < 0.5) EXPECT_NE(pic.image.Pixel(rightIsLitSide ? 1 : 87, 45), Lit) << r.name;
        else EXPECT_EQ(pic.image.Pixel(rightIsLitSide ? 1 : 87, 45), Shadow) << r.name;
    }
}

TEST(MoonPicture, LitAreaGrowsWithIllumination) {
    FakeFiles files;
    for (bool waxing : {true, false}) {
        int previous = -1;
        for (double x = 0.02; x < 0.99; x += 0.04) {
            const MoonPicture pic = DrawMoonPicture(x, waxing, Shadow, MaxX, MaxY, "pics/", files.Loader());
            const int lit = CountLit(pic.image, 0, MaxX);
            EXPECT_GT(lit, previous) << "x " << x << (waxing ? " waxing" : " waning");
            // The lit share of the disk follows the illumination (within the pixel steps).
            EXPECT_NEAR(lit / (3.14159265 * 44 * 44), x, 0.03) << "x " << x;
            previous = lit;
        }
    }
}

TEST(MoonPicture, LoadDiskPicturePaintsOutsideTheDisk) {
    FakeFiles files;
    PixelImage img = PixelImage::Filled(90, 90, Shadow);
    EXPECT_TRUE(LoadDiskPicture(img, "pics/fullmoon.bmp", BasePicture::FullMoon, MaxX, MaxY, Shadow, files.Loader()));
    int wrong = 0;
    for (int py = 0; py < 90; ++py)
        for (int px = 0; px < 90; ++px) wrong += (img.Pixel(px, py) == (InDisk(px, py) ? Lit : Shadow)) ? 0 : 1;
    EXPECT_EQ(wrong, 0);
}

TEST(MoonPicture, RecolourKeyPixels) {
    PixelImage img = PixelImage::Filled(4, 3, Lit);
    img.SetPixel(0, 0, KeyColour);
    img.SetPixel(3, 2, KeyColour);
    img.SetPixel(1, 1, 0xC80001);  // near the key is not the key
    img.SetPixel(2, 1, 0x0000C8);  // colour value 200 is red 200, not blue 200
    RecolourKeyPixels(img, 3, 2, Shadow);
    EXPECT_EQ(img.Pixel(0, 0), Shadow);
    EXPECT_EQ(img.Pixel(3, 2), Shadow);
    EXPECT_EQ(img.Pixel(1, 1), 0xC80001u);
    EXPECT_EQ(img.Pixel(2, 1), 0x0000C8u);
    // Limits beyond the picture are clipped, not read.
    RecolourKeyPixels(img, 10, 10, Shadow);
}

TEST(MoonPicture, UnchangedBitmapOnlyLosesItsKey) {
    FakeFiles files;
    const MoonPicture pic = DrawMoonPicture(0.5, true, Shadow, MaxX, MaxY, "pics/", files.Loader());
    ASSERT_EQ(files.requested, std::vector<std::string>{"pics/1stquarter.bmp"});
    EXPECT_FALSE(pic.choice.drawn);
    const PixelImage base = SyntheticBitmap(BasePicture::FirstQuarter);
    for (int py = 0; py < 90; ++py)
        for (int px = 0; px < 90; ++px) {
            const uint32_t expected = base.Pixel(px, py) == KeyColour ? Shadow : base.Pixel(px, py);
            ASSERT_EQ(pic.image.Pixel(px, py), expected) << px << "," << py;
        }
}

TEST(MoonPicture, MissingFileDrawsAPlainDisk) {
    for (const auto& [x, waxing] : std::vector<std::pair<double, bool>>{{0.0, true}, {0.3, true}, {0.7, false}, {1.0, true}}) {
        FakeFiles files;
        files.available = false;
        const MoonPicture pic = DrawMoonPicture(x, waxing, Shadow, MaxX, MaxY, "pics/", files.Loader());
        EXPECT_FALSE(pic.fileLoaded) << x;
        EXPECT_EQ(files.requested.size(), 1u) << x;
        ASSERT_EQ(pic.image.width, 90);
        ASSERT_EQ(pic.image.height, 90);
        int outsideWrong = 0, key = 0, diskPainted = 0;
        for (int py = 0; py < 90; ++py)
            for (int px = 0; px < 90; ++px) {
                const uint32_t c = pic.image.Pixel(px, py);
                key += c == KeyColour;
                if (!InDisk(px, py)) outsideWrong += c != Shadow;
                else diskPainted += c != Shadow;
            }
        EXPECT_EQ(outsideWrong, 0) << x;
        EXPECT_EQ(key, 0) << x;
        EXPECT_GT(diskPainted, 0) << x;
    }
    // No loader at all behaves the same.
    const MoonPicture none = DrawMoonPicture(0.3, true, Shadow, MaxX, MaxY, "pics/", nullptr);
    EXPECT_FALSE(none.fileLoaded);
    EXPECT_EQ(none.image.width, 90);
}

TEST(MoonPicture, SmallerBitmapLeavesTheBackground) {
    const PictureLoader tiny = [](const std::string&, PixelImage& out) {
        out = PixelImage::Filled(10, 10, Lit);
        return true;
    };
    const MoonPicture pic = DrawMoonPicture(1.0, true, Shadow, MaxX, MaxY, "", tiny);
    EXPECT_EQ(pic.image.Pixel(5, 5), Lit);
    EXPECT_EQ(pic.image.Pixel(50, 50), Shadow);
}
