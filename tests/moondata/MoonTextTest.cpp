// Tests of the Moon data texts: age, phase names and suffixes, percentages, failure message.
#include <gtest/gtest.h>

#include "moondata/MoonData.h"

using namespace MoonData;

TEST(MoonText, AgeText) {
    const struct {
        const char* name;
        double days;
        const char* text;
    } rows[] = {
        {"one of each unit", 1.0 + 1.0 / 24 + 1.0 / 1440, "1 day, 1 hr, 1 min"},
        {"half a day", 0.5, "0 days, 12 hrs, 0 mins"},
        {"a hundredth of a day", 0.01, "0 days, 0 hrs, 14 mins"},
        {"zero", 0.0, "0 days, 0 hrs, 0 mins"},
        {"label example", 12 + 14.0 / 24 + 29.0 / 1440, "12 days, 14 hrs, 29 mins"},
        {"just below a minute", 59.9 / 86400, "0 days, 0 hrs, 0 mins"},
        {"end of a long lunation", 29.0 + 23.0 / 24 + 59.5 / 1440, "29 days, 23 hrs, 59 mins"},
        {"whole days", 2.0, "2 days, 0 hrs, 0 mins"},
    };
    for (const auto& r : rows) EXPECT_EQ(AgeText(r.days), r.text) << r.name;
}

// Sums of whole minutes that a double holds a hair below their value must not lose a minute.
TEST(MoonText, AgeTextKeepsWholeMinutes) {
    for (int minutes = 0; minutes < 30 * 1440; minutes += 7) {
        const int d = minutes / 1440, h = minutes % 1440 / 60, m = minutes % 60;
        const double age = d + h / 24.0 + m / 1440.0;
        const std::string expected = std::to_string(d) + (d == 1 ? " day, " : " days, ") +
                                     std::to_string(h) + (h == 1 ? " hr, " : " hrs, ") +
                                     std::to_string(m) + (m == 1 ? " min" : " mins");
        ASSERT_EQ(AgeText(age), expected) << minutes;
    }
}

TEST(MoonText, PhaseNamesAndSuffixes) {
    const struct {
        const char* name;
        double illumination;
        bool waxing;
        const char* text;
    } rows[] = {
        {"half a percent waxing", 0.005, true, "Dark moon (waxing), 0.5%"},
        {"half a percent waning", 0.005, false, "Dark moon (waning), 0.5%"},
        {"below the suffix", 0.0003, true, "Dark moon, 0.0%"},
        {"suffix starts at 0.05%", 0.0005, false, "Dark moon (waning), 0.1%"},
        {"zero", 0.0, true, "Dark moon, 0.0%"},
        {"crescent from 1%", 0.01, true, "Crescent moon (waxing), 1.0%"},
        {"crescent example", 0.234, true, "Crescent moon (waxing), 23.4%"},
        {"just below 45%", 0.4499, false, "Crescent moon (waning), 45.0%"},
        {"half at exactly 45%", 0.45, true, "Half moon (waxing), 45.0%"},
        {"gibbous at exactly 55%", 0.55, false, "Gibbous moon (waning), 55.0%"},
        {"full from 99%", 0.99, true, "Full moon (waxing), 99.0%"},
        {"suffix ends at 99.95%", 0.9995, false, "Full moon (waning), 100.0%"},
        {"above the suffix", 0.9997, true, "Full moon, 100.0%"},
        {"one", 1.0, false, "Full moon, 100.0%"},
    };
    for (const auto& r : rows) EXPECT_EQ(PhaseText(r.illumination, r.waxing), r.text) << r.name;
}

TEST(MoonText, OneDecimalRoundsHalvesAwayFromZero) {
    const std::pair<double, const char*> rows[] = {
        {42.7, "42.7"}, {42.25, "42.3"}, {0.25, "0.3"}, {0.04, "0.0"}, {99.96, "100.0"},
        {-0.25, "-0.3"}, {-0.01, "0.0"}, {100.0, "100.0"}};
    for (const auto& [value, text] : rows) EXPECT_EQ(OneDecimal(value), text) << value;
}

TEST(MoonText, GetPhaseFailureMessage) {
    EXPECT_STREQ(GetPhaseErrorTitle, "Error");
    EXPECT_EQ(GetPhaseErrorText(-1), "Error-1 when calling GetPhase() in DisplayMoonData().");
    EXPECT_EQ(GetPhaseErrorText(-2), "Error-2 when calling GetPhase() in DisplayMoonData().");
}
