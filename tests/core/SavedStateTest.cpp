// The state file's text: what is written, what reads back, and where a bad file stops the
// reading.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/SavedState.h"

namespace {
using SavedStateFile::Read;
using SavedStateFile::Write;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

SavedState Sample() {
    SavedState s;
    s.dblCurrentAJDate = 2456283.0902777778;
    s.intEntryCalendar = CalendarTable::QLW;
    s.moveForward = false;
    s.plus = false;
    s.next = false;
    s.greenwich = true;
    s.moveStep = 19;
    s.target = 12;
    s.timeZone = 37;
    s.refreshPeriod = 4;
    s.logOn = true;
    s.eclipseData = "Total solar eclipse\nSaros 133\nGamma -0.37\nMagnitude 1.05\nDuration 4m 09s\nLunation 160";
    s.logPreferences.calendarEqualsDate = false;
    // The file's order: CE, JC, ARC, VO, LLT, DVG, CJD, AJD, phase, lunation, QLW.
    for (int calendar : {CalendarTable::JC, CalendarTable::VO, CalendarTable::DVG, CalendarTable::AJD})
        s.logPreferences.SetIncluded(calendar, true);
    for (int calendar : {CalendarTable::CE, CalendarTable::ARC, CalendarTable::LLT, CalendarTable::CJD})
        s.logPreferences.SetIncluded(calendar, false);
    s.logPreferences.phaseOfMoon = false;
    s.logPreferences.SetIncluded(CalendarTable::QLW, true);
    s.monthCalendar = 4;
    s.place = "Paris (France)";
    return s;
}
}  // namespace

TEST(SavedState, WritesTheValuesInFileOrder) {
    SavedState s = Sample();
    s.repeatedly = true;
    const std::vector<std::string> expected = {
        "2456283.090277778", "8", "0", "0", "0", "-1", "19", "12", "37", "4", "1", "1",
        "\"Total solar eclipse", "Saros 133", "Gamma -0.37", "Magnitude 1.05", "Duration 4m 09s", "Lunation 160\"",
        "\"Looking for something?\"", "0", "0", "1", "0", "1", "0", "1", "0", "1", "0", "1", "1", "4", "\"Paris (France)\""};
    EXPECT_EQ(Lines(Write(s)), expected);
    EXPECT_EQ(Write(SavedState{}).substr(0, 14), "2451545\r\n0\r\n-1");
}

TEST(SavedState, EveryZoneAndTimeChoiceReadsBackExactly) {
    for (int zone = 0; zone < TimeZones::kZoneCount; ++zone) {
        for (bool greenwich : {false, true}) {
            SavedState s = Sample();
            s.timeZone = zone;
            s.greenwich = greenwich;
            // Moments whose last bits matter: a restored moment is the saved one, not a neighbour.
            s.dblCurrentAJDate = 2451545.0 + zone / 7.0 + (greenwich ? 1e-9 : 0.0);
            const auto reading = Read(Write(s));
            EXPECT_TRUE(reading.Complete()) << zone;
            EXPECT_EQ(reading.state, s) << zone << greenwich;
        }
    }
}

TEST(SavedState, TextsAndLimitsReadBack) {
    struct Row {
        const char* name;
        std::string eclipseData;
        double moment;
    };
    const Row rows[] = {
        {"empty", "", 2451545.5},
        {"quotes inside", "the \"great\" eclipse\n\"", 2451545.5},
        {"blank lines", "\n\nlast\n", 2451545.5},
        {"non-ASCII", "Éclipse totale · 7′ 29″", 2451545.5},
        {"earliest moment", "x", 552283.0},
        {"latest moment", "x", 3912515.0},
    };
    for (const Row& row : rows) {
        SavedState s = Sample();
        s.eclipseData = row.eclipseData;
        s.dblCurrentAJDate = row.moment;
        const auto reading = Read(Write(s));
        EXPECT_TRUE(reading.Complete()) << row.name;
        EXPECT_EQ(reading.state, s) << row.name;
    }
}

TEST(SavedState, AMomentBeyondTheRangeIsWrittenAsItsNearestEnd) {
    // A move ends one step beyond the accepted moments, and may be saved there.
    const std::pair<double, double> rows[] = {{552283.0 - 171000, 552283.0},
                                              {3912515.0 + 0.5, 3912515.0},
                                              {-std::numeric_limits<double>::infinity(), 552283.0},
                                              {std::numeric_limits<double>::infinity(), 3912515.0}};
    for (const auto& [moment, written] : rows) {
        SavedState s = Sample();
        s.dblCurrentAJDate = moment;
        const auto reading = Read(Write(s));
        EXPECT_TRUE(reading.Complete()) << moment;
        EXPECT_EQ(reading.state.dblCurrentAJDate, written) << moment;
    }
}

TEST(SavedState, ReadsAsTheFileSays) {
    auto lines = Lines(Write(Sample()));
    // The saros target needs this run's eclipse; it comes back as any eclipse.
    lines[7] = "13";
    // Booleans: any number but 0 is true, except Greenwich which needs exactly -1.
    lines[2] = "5";
    lines[5] = "1";
    // Check boxes are texts whose leading number counts.
    lines[11] = "1 (ticked)";
    lines[22] = "\"1\"";
    const auto reading = Read(Joined(lines, "\n") + "a later value\r\n\"and another\"\r\n");
    ASSERT_TRUE(reading.Complete());
    EXPECT_EQ(reading.state.target, SearchTargets::RowOf(SearchTargets::kAnyEclipse));
    EXPECT_TRUE(reading.state.moveForward);
    EXPECT_FALSE(reading.state.greenwich);
    EXPECT_TRUE(reading.state.logOn);
    EXPECT_EQ(reading.state.eclipseData, Sample().eclipseData);

    // "repeatedly" is never restored.
    SavedState repeating = Sample();
    repeating.repeatedly = true;
    EXPECT_FALSE(Read(Write(repeating)).state.repeatedly);
}

TEST(SavedState, ReadingStopsAtTheFirstBadValue) {
    struct Row {
        const char* name;
        int line;  // 1-based physical line of the sample's text replaced; 0: none
        std::string text;
        int valuesRead;
    };
    const std::string huge(10 * 1024 * 1024, '7');
    const Row rows[] = {
        {"step that does not exist", 7, "25", 6},
        {"moment not a number", 1, "2451545,5", 0},
        {"moment too large", 1, "1e308", 0},
        {"moment NaN", 1, "nan", 0},
        {"moment infinite", 1, "inf", 0},
        {"moment before the range", 1, "552282.99", 0},
        {"moment after the range", 1, "3912515.01", 0},
        {"moment a 10 MB line", 1, huge, 0},
        {"entry calendar 9", 2, "9", 1},
        {"entry calendar negative", 2, "-1", 1},
        {"entry calendar fraction", 2, "2.5", 1},
        {"entry calendar overflow", 2, "99999999999999999999", 1},
        {"entry calendar with NUL", 2, std::string("3\0", 2), 1},
        {"boolean empty", 4, "", 3},
        {"target 16", 8, "16", 7},
        {"target huge", 8, "1e308", 7},
        {"zone 49", 9, "49", 8},
        {"refresh period 5", 10, "5", 9},
        {"log box 2", 12, "2", 11},
        {"log box 12", 12, "12", 11},
        {"eclipse data with a control byte", 13, "\"Total\x01", 12},
        {"eclipse data not UTF-8", 13, "\"Total \xff\xfe", 12},
        {"eclipse data too long", 13, "\"" + std::string(2000, 'x'), 12},
        {"include box -1", 21, "-1", 15},
        {"month calendar 5", 32, "5", 26},
        {"month calendar missing", 32, "", 26},
        {"place too long", 33, "\"" + std::string(300, 'x') + "\"", 27},
        {"place never closed", 33, "\"Paris", 27},
    };
    for (const Row& row : rows) {
        auto lines = Lines(Write(Sample()));
        ASSERT_EQ(lines.size(), 33u);
        lines[static_cast<size_t>(row.line - 1)] = row.text;
        const auto reading = Read(Joined(lines));
        EXPECT_EQ(reading.valuesRead, row.valuesRead) << row.name;
        // The values read before the bad one are the sample's; the rest keep their defaults.
        if (row.valuesRead > 0) {
            EXPECT_EQ(reading.state.dblCurrentAJDate, Sample().dblCurrentAJDate) << row.name;
        }
        if (row.valuesRead <= 8) {
            EXPECT_EQ(reading.state.timeZone, TimeZones::kGmtIndex) << row.name;
        }
    }
}

TEST(SavedState, ShortAndEmptyFiles) {
    const auto lines = Lines(Write(Sample()));
    const std::vector<std::string> firstTen(lines.begin(), lines.begin() + 10);
    const auto cut = Read(Joined(firstTen));
    EXPECT_EQ(cut.valuesRead, 10);
    EXPECT_EQ(cut.state.refreshPeriod, 4);
    EXPECT_FALSE(cut.state.logOn);
    EXPECT_EQ(Read("").valuesRead, 0);
    EXPECT_EQ(Read("\r\n\r\n").valuesRead, 0);
    EXPECT_EQ(Read(std::string(4096, '\0')).valuesRead, 0);
    // A text that never closes ends the file inside value 13.
    const std::vector<std::string> openText(lines.begin(), lines.begin() + 15);
    EXPECT_EQ(Read(Joined(openText)).valuesRead, 12);
    // The last value without its line end still counts.
    const std::string whole = Write(Sample());
    EXPECT_TRUE(Read(whole.substr(0, whole.size() - 2)).Complete());
    EXPECT_EQ(Read(whole.substr(0, whole.size() - 2)).state.place, "Paris (France)");
    // A file of 27 values (before places were saved) is whole, with no place.
    const std::vector<std::string> withoutPlace(lines.begin(), lines.end() - 1);
    const auto older = Read(Joined(withoutPlace));
    EXPECT_TRUE(older.Complete());
    EXPECT_EQ(older.valuesRead, 27);
    EXPECT_EQ(older.state.place, "");
}
