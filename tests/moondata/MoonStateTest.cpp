// Tests of the Moon's state: one method over the range, age label, illumination, failures.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "moondata/MoonData.h"

using namespace MoonData;

namespace {

constexpr double Pi = 3.14159265358979323846;

class MoonStateTest : public ::testing::Test {
protected:
    static double PhaseTime(int32_t n, int k) {
        EclipseData record{};
        return Syzyg::PhaseTime(n, k, record);
    }
};

// A sky with phases exactly 7 days apart and lunations of 28 days from day 1000, lit as
// (1 - cos(elongation)) / 2 with the elongation growing evenly, so that the state can be
// checked by hand.
Ephemeris EvenSky() {
    Ephemeris e;
    e.illumination = [](double x) { return (1 - std::cos(std::fmod(x - 1000.0, 28.0) / 28.0 * 2 * Pi)) / 2; };
    e.lunationAt = [](double x) { return static_cast<int32_t>(std::floor((x - 1000) / 28)); };
    e.phaseTime = [](int32_t n, int k) { return 1000.0 + 28.0 * n + 7.0 * k; };
    e.getPhase = [](int32_t n, double x, bool& exact) {
        const double into = x - (1000.0 + 28.0 * n);
        if (into >= 28) return -1;
        if (into < 0) return -2;
        exact = std::fmod(into, 7.0) == 0;
        return static_cast<int>(into / 7);
    };
    return e;
}

struct Position {
    double jdUt, moon, sun;
};

std::vector<Position> ReadPositions() {
    std::vector<Position> rows;
    std::ifstream in(std::string(SELVANOR_TEST_DATA) + "/positions.csv");
    std::string line;
    std::getline(in, line);  // jd_ut,deltat_s,jd_tt,moon_lon_rad,sun_lon_rad
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string f[5];
        for (auto& field : f) std::getline(fields, field, ',');
        rows.push_back({std::atof(f[0].c_str()), std::atof(f[3].c_str()), std::atof(f[4].c_str())});
    }
    return rows;
}

}  // namespace

// One method over the whole range: no step where the Moon's longitude once stopped (1600 and
// 2100), a fraction within 0..1 at the ends.
TEST_F(MoonStateTest, OneMethodOverTheRange) {
    const struct {
        const char* name;
        double x;
    } rows[] = {
        {"1600-01-01 00:00", 2305447.5},
        {"2100-01-01 00:00", 2488069.5},
        {"first accepted moment", 552283.0},
        {"last accepted moment", 3912515.0},
    };
    for (const auto& r : rows) {
        const MoonState before = ComputeMoonState(r.x - 1e-4, false), at = ComputeMoonState(r.x, false);
        EXPECT_TRUE(at.Ok()) << r.name << ": " << at.errorText;
        EXPECT_GE(at.illumination, 0.0) << r.name;
        EXPECT_LE(at.illumination, 1.0) << r.name;
        // In 1e-4 day (8.6 s) the fraction changes by at most 2e-5.
        EXPECT_NEAR(at.illumination, before.illumination, 2e-5) << r.name;
    }
}

TEST_F(MoonStateTest, AgeLabel) {
    const double newMoon = PhaseTime(148, 0), next = PhaseTime(149, 0);
    const double age = 12 + 14.0 / 24 + 29.5 / 1440;
    const MoonState s = ComputeMoonState(newMoon + age, false);
    EXPECT_EQ(s.lunation, 148);
    EXPECT_NEAR(s.ageDays, age, 1e-6);
    EXPECT_EQ(s.ageLabel, "[148] 12 days, 14 hrs, 29 mins (" + OneDecimal(100 * age / (next - newMoon)) + "%)");
    // Negative lunations are written with their sign.
    const MoonState old = ComputeMoonState(PhaseTime(-30000, 0) + 0.5, false);
    EXPECT_EQ(old.ageLabel.rfind("[-30000] 0 days, 12 hrs, 0 mins (", 0), 0u) << old.ageLabel;
}

TEST_F(MoonStateTest, AtThePrincipalPhases) {
    // Lunations 148 (2011-12), -30000 (about -400) and 45000 (about 5640). At new and full moon
    // the Moon stands up to 5 degrees off the ecliptic, 0.2 % lit or dark; at the quarters the
    // phase angle is 90 degrees less some 0.15, half lit and 0.1 % more.
    for (int32_t n : {148, -30000, 45000}) {
        const struct {
            int k;
            double illumination, tolerance;
            bool waxing;
        } rows[] = {{0, 0.0, 0.003, true}, {1, 0.5, 0.01, true}, {2, 1.0, 0.003, false}, {3, 0.5, 0.01, false}};
        for (const auto& r : rows) {
            const MoonState s = ComputeMoonState(PhaseTime(n, r.k), false);
            ASSERT_TRUE(s.Ok()) << n << " " << r.k << ": " << s.errorText;
            EXPECT_EQ(s.phase, r.k) << n;
            EXPECT_TRUE(s.exact) << n << " " << r.k;
            EXPECT_EQ(s.waxing, r.waxing) << n << " " << r.k;
            EXPECT_NEAR(s.illumination, r.illumination, r.tolerance) << n << " " << r.k;
        }
    }
    // Five seconds past the full moon the exact flag goes, whatever came in.
    const MoonState later = ComputeMoonState(PhaseTime(148, 2) + 5.0 / 86400, true);
    EXPECT_EQ(later.phase, 2);
    EXPECT_FALSE(later.exact);
    EXPECT_EQ(later.phaseLabel.rfind("Full moon", 0), 0u) << later.phaseLabel;
}

TEST_F(MoonStateTest, IlluminationAndDirection) {
    const Ephemeris sky = EvenSky();
    const double q = (1 - std::cos(Pi / 4)) / 2;  // a quarter of the way from new to full
    const struct {
        const char* name;
        double x;
        int phase;
        double illumination;
        bool waxing;
        const char* label;
    } rows[] = {
        {"new moon", 1140.0, 0, 0.0, true, "Dark moon, 0.0%"},
        {"between new and first quarter", 1143.5, 0, q, true, "Crescent moon (waxing), 14.6%"},
        {"first quarter", 1147.0, 1, 0.5, true, "Half moon (waxing), 50.0%"},
        {"between first quarter and full", 1150.5, 1, 1 - q, true, "Gibbous moon (waxing), 85.4%"},
        {"full moon", 1154.0, 2, 1.0, false, "Full moon, 100.0%"},
        {"between full and last quarter", 1157.5, 2, 1 - q, false, "Gibbous moon (waning), 85.4%"},
        {"between last quarter and new", 1164.5, 3, q, false, "Crescent moon (waning), 14.6%"},
    };
    for (const auto& r : rows) {
        const MoonState s = ComputeMoonState(r.x, false, sky);
        ASSERT_TRUE(s.Ok()) << r.name;
        EXPECT_EQ(s.lunation, 5) << r.name;
        EXPECT_EQ(s.phase, r.phase) << r.name;
        EXPECT_NEAR(s.illumination, r.illumination, 1e-12) << r.name;
        EXPECT_EQ(s.waxing, r.waxing) << r.name;
        EXPECT_EQ(s.phaseLabel, r.label) << r.name;
    }
    EXPECT_EQ(ComputeMoonState(1000 + 28 * 5 + 12.6, false, sky).ageLabel, "[5] 12 days, 14 hrs, 24 mins (45.0%)");
}

TEST_F(MoonStateTest, FailedPhaseLookup) {
    Ephemeris sky = EvenSky();
    for (int code : {-1, -2}) {
        sky.getPhase = [code](int32_t, double, bool&) { return code; };
        const MoonState s = ComputeMoonState(1143.5, true, sky);
        EXPECT_FALSE(s.Ok());
        EXPECT_EQ(s.errorCode, code);
        EXPECT_EQ(s.errorText, "Error" + std::to_string(code) + " when calling GetPhase() in DisplayMoonData().");
        EXPECT_EQ(s.ageLabel, "[5] 3 days, 12 hrs, 0 mins (12.5%)");  // written before the lookup
        EXPECT_TRUE(s.phaseLabel.empty());
    }
    for (double bad : {std::nan(""), HUGE_VAL, -1e12}) {
        const MoonState s = ComputeMoonState(bad, false);
        EXPECT_EQ(s.errorCode, -3) << bad;
        EXPECT_EQ(s.errorText, "Error-3 when calling GetPhase() in DisplayMoonData().");
    }
    // A lunation without a successor is refused instead of overflowing.
    sky.lunationAt = [](double) { return INT32_MAX; };
    EXPECT_EQ(ComputeMoonState(1143.5, false, sky).errorCode, -3);
}

// The direction (waxing from the latest principal phase) against a high-precision
// ephemeris's elongation; the illumination's accuracy is measured in
// tests/astro/ReferenceTablesTest.cpp.
TEST_F(MoonStateTest, DirectionAgainstReferencePositions) {
    const std::vector<Position> rows = ReadPositions();
    ASSERT_GT(rows.size(), 900u);
    int wrongDirection = 0;
    for (const Position& p : rows) {
        const bool referenceWaxing = std::remainder(p.moon - p.sun, 2 * Pi) > 0;
        const MoonState s = ComputeMoonState(p.jdUt, false);
        ASSERT_TRUE(s.Ok()) << p.jdUt;
        if (s.waxing != referenceWaxing) ++wrongDirection;
    }
    EXPECT_EQ(wrongDirection, 0);
}
