// The text of calendar files: folded content lines, escaped texts, dates and UTC times.
#include <gtest/gtest.h>

#include <string>

#include "core/ics/IcsText.h"

TEST(IcsText, ContentLinesFoldAtSeventyFiveOctets) {
    const std::string wide = "\xC3\xA9\xE2\x80\x94";  // é and an em dash: two and three octets
    struct Row {
        const char* name;
        std::string value;
    } rows[] = {
        {"short", "Full moon"},
        {"exactly 75", std::string(75 - 8, 'x')},  // "SUMMARY:" is 8 octets
        {"76", std::string(76 - 8, 'x')},
        {"long", std::string(400, 'y')},
        {"multi-byte at every place", [&] {
             std::string text;
             for (int i = 0; i < 60; ++i) text += (i % 2 ? wide : "a");
             return text;
         }()},
    };
    for (const Row& row : rows) {
        const std::string folded = Ics::ContentLine("SUMMARY", row.value);
        std::string unfolded;
        size_t start = 0;
        while (start < folded.size()) {
            const size_t end = folded.find("\r\n", start);
            ASSERT_NE(end, std::string::npos) << row.name;
            const std::string line = folded.substr(start, end - start);
            EXPECT_LE(line.size(), 75u) << row.name;
            if (start > 0) {
                ASSERT_EQ(line[0], ' ') << row.name;
                // A continuation never begins inside a character.
                EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << row.name;
            }
            unfolded += start > 0 ? line.substr(1) : line;
            start = end + 2;
        }
        EXPECT_EQ(unfolded, "SUMMARY:" + row.value) << row.name;
    }
}

TEST(IcsText, EscapedTextsDatesAndTimes) {
    EXPECT_EQ(Ics::EscapeText("Diana, month 2; a\\b\nnext"), "Diana\\, month 2\\; a\\\\b\\nnext");
    EXPECT_EQ(Ics::DateValue(2451545), "20000101");
    EXPECT_EQ(Ics::DateValue(1721426), "00010101");
    struct Row {
        double julianDate;
        const char* value;
    } rows[] = {
        {2451545.0, "20000101T120000Z"},
        {2451544.5, "20000101T000000Z"},
        {2451545.0 + 0.499993, "20000101T235959Z"},  // 23:59:59.4
        {2451545.0 + 0.4999954, "20000102T000000Z"},  // 23:59:59.6 rounds into the next day
        {Ics::JulianDateOfUnixSeconds(0), "19700101T000000Z"},
        {Ics::JulianDateOfUnixSeconds(1700000000), "20231114T221320Z"},
    };
    for (const Row& row : rows) EXPECT_EQ(Ics::UtcDateTimeValue(row.julianDate), row.value) << row.julianDate;
}
