// The artwork of the Moon pictures: a shaded, lit disk with maria, as pixel colours.
#include "MoonArt.h"

#include <algorithm>
#include <cmath>

namespace MoonArt {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double DegToRad = Pi / 180.0;
// Mean synodic month in days, the length of the lunation the day pictures divide.
constexpr double SynodicMonth = 29.530589;

struct Colour {
    double r = 0, g = 0, b = 0;  // 0 to 1
};

// A dark (or, with a negative depth, bright) patch of the near side, placed at its
// selenographic longitude (east positive, seen on the right) and latitude, in degrees.
struct Patch {
    double lon, lat, radius, depth;
};

// Rough positions and sizes of the large maria and of three bright young craters. The
// depths are albedo drops; overlapping patches add, the floor in Albedo keeps them grey.
constexpr Patch Patches[] = {
    {-57, 18, 24, 0.30},    // Oceanus Procellarum
    {-50, 38, 12, 0.20},    //   its northern reach
    {-16, 34, 15, 0.38},    // Mare Imbrium
    {17, 28, 10, 0.38},     // Mare Serenitatis
    {31, 8, 12, 0.38},      // Mare Tranquillitatis
    {59, 17, 8, 0.40},      // Mare Crisium
    {52, -6, 9, 0.32},      // Mare Fecunditatis
    {34, -15, 7, 0.32},     // Mare Nectaris
    {-16, -20, 11, 0.30},   // Mare Nubium
    {-39, -24, 7, 0.32},    // Mare Humorum
    {-24, -9, 6, 0.24},     // Mare Cognitum
    {4, 13, 5, 0.26},       // Mare Vaporum
    {-20, 57, 7, 0.24},     // Mare Frigoris, a long band drawn as three patches
    {0, 56, 7, 0.24},
    {22, 57, 7, 0.24},
    {-68, -5, 3, 0.30},     // Grimaldi
    {-11, -43, 2.5, -0.22}, // Tycho
    {-20, 10, 2.0, -0.12},  // Copernicus
    {-47, 24, 1.5, -0.16},  // Aristarchus
};

double Clamp01(double x) { return std::min(1.0, std::max(0.0, x)); }

double SmoothStep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

// Albedo of the visible hemisphere at (u, v, w): u to the right, v up, w towards the viewer.
double Albedo(double u, double v, double w) {
    double albedo = 0.80;
    for (const Patch& p : Patches) {
        const double cl = std::cos(p.lat * DegToRad);
        const double cu = cl * std::sin(p.lon * DegToRad);
        const double cv = std::sin(p.lat * DegToRad);
        const double cw = cl * std::cos(p.lon * DegToRad);
        const double cosd = std::clamp(u * cu + v * cv + w * cw, -1.0, 1.0);
        double d = std::acos(cosd) / DegToRad;  // angular distance, degrees
        // Irregular shores: the distance wobbles a little with the direction.
        const double bearing = std::atan2(v - cv, u - cu);
        d *= 1.0 + 0.10 * std::sin(3.0 * bearing + p.lon) + 0.05 * std::sin(5.0 * bearing - p.lat);
        albedo -= p.depth * std::exp(-(d / p.radius) * (d / p.radius));
    }
    // Faint mottling so that the highlands are not flat.
    albedo += 0.015 * std::sin(17.0 * u + 6.0 * v) * std::sin(14.0 * v - 9.0 * u);
    return std::clamp(albedo, 0.38, 0.92);
}

// Mild darkening towards the limb (w = 0 at the edge, 1 at the centre).
double LimbFactor(double w) { return 0.78 + 0.22 * std::pow(w, 0.4); }

// Brightness of a sunlit point: the Lommel-Seeliger law mu0 / (mu0 + mu), scaled to 1 at
// full moon, softened so that the quarter's limb does not outshine the full moon's centre.
double SunlitFactor(double mu0, double mu) {
    if (mu0 <= 0.0) return 0.0;
    const double ls = 2.0 * mu0 / (mu0 + mu);
    return std::min(1.0, 0.45 + 0.55 * ls);
}

// A sunlit point, slightly warm grey.
Colour Lit(double level) { return {level, level * 0.97, level * 0.92}; }
// A point lit by earthshine, slightly blue grey.
Colour Earthlit(double level) { return {level * 0.85, level * 0.92, level * 1.05}; }

uint32_t Pack(const Colour& c) {
    auto channel = [](double x) { return static_cast<uint32_t>(std::lround(Clamp01(x) * 255.0)); };
    return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

Colour Unpack(uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

// The Moon lit by the Sun from direction (sx, 0, sz), viewer on +w, at point (u, v) of the
// unit disk; earthshine lights what the Sun does not.
Colour ShadeByAge(double u, double v, double sx, double sz, double earthshine) {
    const double w = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
    const double albedo = Albedo(u, v, w);
    const double limb = LimbFactor(w);
    const double mu0 = u * sx + w * sz;
    // A terminator a few degrees wide, as the eye sees it on a small picture.
    const double day = SmoothStep(-0.02, 0.06, mu0);
    const double sun = albedo * limb * SunlitFactor(std::max(mu0, 0.02), w);
    const double earth = earthshine * albedo * limb;
    const Colour lit = Lit(sun), dim = Earthlit(earth);
    return {day * lit.r + (1 - day) * dim.r, day * lit.g + (1 - day) * dim.g,
            day * lit.b + (1 - day) * dim.b};
}

}  // namespace

Image RenderDisplayPicture(DisplayPicture which) {
    Image img{DisplaySize, DisplaySize, std::vector<uint32_t>(DisplaySize * DisplaySize, KeyColour)};
    // Half a pixel more than the radius maps the outermost pixel centres just inside the limb.
    const double scale = DisplayRadius + 0.5;
    const int r2 = DisplayRadius * DisplayRadius;
    for (int py = 0; py < DisplaySize; ++py) {
        for (int px = 0; px < DisplaySize; ++px) {
            const int dx = px - DisplayCx, dy = DisplayCy - py;
            if (dx * dx + dy * dy > r2) continue;  // the display's own outside test
            const double u = dx / scale, v = dy / scale;
            const double w = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
            const double albedo = Albedo(u, v, w);
            const double limb = LimbFactor(w);
            Colour c;
            switch (which) {
            case DisplayPicture::DarkMoon:
                c = Earthlit(0.16 * albedo * limb);
                break;
            case DisplayPicture::FullMoon:
                c = Lit(albedo * limb * SunlitFactor(w, w));
                break;
            case DisplayPicture::FirstQuarter:
            case DisplayPicture::LastQuarter: {
                // The display draws its terminators from the centre column outwards, and the
                // centre column belongs to the lit half of both quarters.
                const int side = which == DisplayPicture::FirstQuarter ? dx : -dx;
                if (side < 0) {
                    c = Unpack(Navy);
                } else {
                    const double mu0 = (side + 0.5) / scale;
                    c = Lit(albedo * limb * SunlitFactor(mu0, w));
                }
                break;
            }
            }
            uint32_t rgb = Pack(c);
            if (rgb == KeyColour) rgb = KeyColour + 0x000101;  // never the key inside the disk
            img.rgb[py * DisplaySize + px] = rgb;
        }
    }
    return img;
}

Image RenderDayPicture(double ageDays) {
    Image img{DaySize, DaySize, std::vector<uint32_t>(DaySize * DaySize, Navy)};
    const double centre = DaySize / 2.0, radius = DaySize / 2.0 - 2.0;
    const double elongation = 2.0 * Pi * ageDays / SynodicMonth;
    const double sx = std::sin(elongation), sz = -std::cos(elongation);
    // Earthshine is strongest around new moon, when the Earth seen from the Moon is full.
    const double earthshine = 0.05 + 0.09 * (1.0 + std::cos(elongation)) / 2.0;
    const Colour navy = Unpack(Navy);
    constexpr int Sub = 4;  // 4 x 4 samples a pixel smooth the limb
    for (int py = 0; py < DaySize; ++py) {
        for (int px = 0; px < DaySize; ++px) {
            Colour sum;
            for (int j = 0; j < Sub; ++j) {
                for (int i = 0; i < Sub; ++i) {
                    const double u = (px + (i + 0.5) / Sub - centre) / radius;
                    const double v = (centre - (py + (j + 0.5) / Sub)) / radius;
                    const Colour c = u * u + v * v <= 1.0 ? ShadeByAge(u, v, sx, sz, earthshine) : navy;
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            constexpr double n = Sub * Sub;
            img.rgb[py * DaySize + px] = Pack({sum.r / n, sum.g / n, sum.b / n});
        }
    }
    return img;
}

// The lunation calendar shows "day<i + 1>.gif" in cell i of its 4 x 8 grid, but fills only
// seven cells of rows 0 and 2 (cells 7 and 23 stay empty), so the day of the lunation in a
// cell is not the number of its picture. Each picture is drawn for the day of the cell that
// shows it, at the middle of that day: cells 0-6 are days 1-7, 8-22 days 8-22, 24-31 days
// 23-30. The two pictures of the empty cells repeat their left neighbours.
double DayPictureAge(int number) {
    const int cell = std::clamp(number, 1, 32) - 1;
    int day;
    if (cell <= 7) day = std::min(cell + 1, 7);
    else if (cell <= 23) day = std::min(cell, 22);
    else day = cell - 1;
    return day - 1 + 0.5;
}

}  // namespace MoonArt
