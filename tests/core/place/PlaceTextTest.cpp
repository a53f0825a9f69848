// Typed coordinates: every accepted form, the refusals with their messages, hostile text, and
// the canonical text reading back exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "core/place/PlaceText.h"

namespace {

struct Accepted {
    const char* text;
    double latitude, longitude, height;
};
const Accepted kAccepted[] = {
    {"48.857 N, 2.352 E, 35 m", 48.857, 2.352, 35},
    {"48.857, 2.352", 48.857, 2.352, 0},
    {"-33.9,18.4,10", -33.9, 18.4, 10},
    {"33.9 S 18.4 E", -33.9, 18.4, 0},
    {"S33.9; E18.4; 10m", -33.9, 18.4, 10},
    {"2.352 E, 48.857 N", 48.857, 2.352, 0},
    {"48.857 north, 2.352 west, 35 metres", 48.857, -2.352, 35},
    {"40\xC2\xB0" "26'46\"N 79\xC2\xB0" "58'56\"W", 40.0 + 26 / 60.0 + 46 / 3600.0, -(79.0 + 58 / 60.0 + 56 / 3600.0), 0},
    {"40\xC2\xB0 26.5' N, 79\xC2\xB0 58.5' W", 40.0 + 26.5 / 60.0, -(79.0 + 58.5 / 60.0), 0},
    {"48\xC2\xB0" "51\xE2\x80\xB2" "24\xE2\x80\xB3N, 2\xC2\xB0" "21\xE2\x80\xB2" "07\xE2\x80\xB3" "E", 48.0 + 51 / 60.0 + 24 / 3600.0,
     2.0 + 21 / 60.0 + 7 / 3600.0, 0},
    {"48 51 24 N 2 21 7 E 35", 48.0 + 51 / 60.0 + 24 / 3600.0, 2.0 + 21 / 60.0 + 7 / 3600.0, 35},
    {"48 2 E", 48, 2, 0},  // a latitude and a longitude before degrees and minutes
    {"\xE2\x88\x92" "33.9, 18.4", -33.9, 18.4, 0},
    {"90 N, 180 W, -430 m", 90, -180, -430},
    {"  -0.5 ,\t-179.9999  ", -0.5, -179.9999, 0},
    {"+.5, 2.", 0.5, 2, 0},
};

struct Refused {
    const char* text;
    const char* message;  // a part of the message
};
const Refused kRefused[] = {
    {"", "Type a latitude and a longitude"},
    {"48.857", "Type a longitude"},
    {"91, 0", "latitude must lie between 90 S and 90 N"},
    {"0, 181", "longitude must lie between 180 W and 180 E"},
    {"48, 2, 30000", "height must lie between"},
    {"-33.9 S, 18 E", "not both"},
    {"N 48 S, 2", "one hemisphere letter"},
    {"48 N, 2 N", "Both coordinates are latitudes"},
    {"2 E, 48 W", "Both coordinates are longitudes"},
    {"48.5\xC2\xB0" "30' N, 2 E", "whole degrees"},
    {"48\xC2\xB0" "61' N, 2 E", "below 60"},
    {"48\xC2\xB0" "30.5' 10\" N, 2 E", "whole minutes"},
    {"1e5, 2", "is no number"},
    {"48N2E", "is no number"},
    {"48, 2, 3, 4", "Unexpected"},
    {"48, 2, 3 N", "only a latitude and a longitude"},
    {"48 x 2", "\"x\" is no part of a place"},
    {"48, 2 \xFF\xFE", "an unexpected character"},
    {"12345678901234567890123456, 2", "too long"},
    {"-, 2", "is no number"},
    {"48, , 2", "Type a longitude"},
};

}  // namespace

TEST(PlaceText, AcceptedForms) {
    for (const Accepted& a : kAccepted) {
        const PlaceText::Reading r = PlaceText::Read(a.text);
        ASSERT_TRUE(r.ok) << a.text << ": " << r.message;
        // Read to a billionth of a degree.
        EXPECT_NEAR(r.place.latitude, a.latitude, 5e-10) << a.text;
        EXPECT_NEAR(r.place.longitude, a.longitude, 5e-10) << a.text;
        EXPECT_EQ(r.place.height, a.height) << a.text;
    }
}

TEST(PlaceText, RefusalsSayWhy) {
    for (const Refused& r : kRefused) {
        const PlaceText::Reading reading = PlaceText::Read(r.text);
        EXPECT_FALSE(reading.ok) << r.text;
        EXPECT_NE(reading.message.find(r.message), std::string::npos) << r.text << ": " << reading.message;
    }
    EXPECT_FALSE(PlaceText::Read(std::string(300, '1')).ok);
    EXPECT_FALSE(PlaceText::Read(std::string("48\0, 2", 6)).ok);
}

TEST(PlaceText, CanonicalTextReadsBackExactly) {
    EXPECT_EQ(PlaceText::Write({48.857, 2.352, 35}), "48.857 N, 2.352 E, 35 m");
    EXPECT_EQ(PlaceText::Write({-33.9, -18.4, 0}), "33.9 S, 18.4 W");
    EXPECT_EQ(PlaceText::WriteCoordinates({48.857, 2.352, 35}), "48.857 N, 2.352 E");
    std::mt19937_64 random(24);
    std::uniform_real_distribution<double> lat(-90, 90), lon(-180, 180), height(-1000, 20000);
    // Any place is read back to a billionth of a degree and a micrometre; a place so read (every
    // place the program holds) reads back exactly, without an exponent however small its numbers.
    for (int i = 0; i < 2000; ++i) {
        const Place p{lat(random) * (i % 5 ? 1.0 : 1e-12), lon(random), i % 3 ? height(random) : 0.0};
        const PlaceText::Reading r = PlaceText::Read(PlaceText::Write(p));
        ASSERT_TRUE(r.ok) << PlaceText::Write(p);
        EXPECT_NEAR(r.place.latitude, p.latitude, 5e-10);
        EXPECT_NEAR(r.place.longitude, p.longitude, 5e-10);
        EXPECT_NEAR(r.place.height, p.height, 5e-7);
        const PlaceText::Reading again = PlaceText::Read(PlaceText::Write(r.place));
        ASSERT_TRUE(again.ok) << PlaceText::Write(r.place);
        EXPECT_EQ(again.place, r.place) << PlaceText::Write(r.place);
    }
}
