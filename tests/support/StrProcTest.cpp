#include <gtest/gtest.h>

#include "support/StrProc.h"

using namespace StrProc;

TEST(StrProc, OrdinalSuffixes) {
    const std::pair<int, const char*> rows[] = {
        {0, "0th"},     {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},
        {11, "11th"},   {12, "12th"},   {13, "13th"},   {21, "21st"},   {22, "22nd"},
        {101, "101st"}, {111, "111st"}, {112, "112nd"}, {113, "113rd"}, {-5, "-5"}};
    for (const auto& [n, text] : rows) EXPECT_EQ(OrdinalOf(n), text) << n;
}

TEST(StrProc, DurationLongForm) {
    const std::pair<int, const char*> rows[] = {
        {0, "0 minutes"},        {1, "1 minute"},           {60, "1 hour"},
        {61, "1 hour and 1 minute"}, {1440, "1 day"},      {2880, "2 days"},
        {1441, "1 day and 1 minute"}, {1500, "1 day and 1 hour"},
        {1501, "1 day, 1 hour and 1 minute"}, {3062, "2 days, 3 hours and 2 minutes"}};
    for (const auto& [m, text] : rows) EXPECT_EQ(DurationText(m, true), text) << m;
}

TEST(StrProc, DurationCompactForm) {
    EXPECT_EQ(DurationText(0, false), "0h 0m");
    EXPECT_EQ(DurationText(5, false), "0h 5m");
    EXPECT_EQ(DurationText(59, false), "0h 59m");
    EXPECT_EQ(DurationText(150, false), "2h 30m");
    EXPECT_EQ(DurationText(1440, false), "1d 0h 0m");
    EXPECT_EQ(DurationText(1500, false), "1d 1h 0m");
}

TEST(StrProc, CountOccurrences) {
    EXPECT_EQ(CountOccurrences("2012-12-21", "-", true), 2);
    EXPECT_EQ(CountOccurrences("", "-", true), 0);
    EXPECT_EQ(CountOccurrences("abc", "", true), 0);
    EXPECT_EQ(CountOccurrences("aaaa", "aa", true), 2);
    EXPECT_EQ(CountOccurrences("Ce ce CE", "ce", true), 1);
    EXPECT_EQ(CountOccurrences("Ce ce CE", "ce", false), 3);
}

TEST(StrProc, CharacterFilters) {
    std::string s = "2,455, 900 .9";
    RemoveChars(s, ", ");
    EXPECT_EQ(s, "2455900.9");
    std::string unchanged = "abc";
    RemoveChars(unchanged, "");
    EXPECT_EQ(unchanged, "abc");
    EXPECT_EQ(RemoveSpaces(" 2003 - 12 - 31 "), "2003-12-31");
    EXPECT_EQ(KeepChars("1-94-8-25 abc", "-0123456789"), "1-94-8-25");
    EXPECT_EQ(SafeLeft("abc", 0), "");
    EXPECT_EQ(SafeLeft("abc", -3), "");
    EXPECT_EQ(SafeLeft("abc", 2), "ab");
    EXPECT_EQ(SafeLeft("abc", 5), "abc");
}

TEST(StrProc, SignedNumbers) {
    for (const char* ok : {"12", "-12", "+1,000", " 7 ", "2.5", "0", ","})
        EXPECT_TRUE(IsSignedNumber(ok)) << ok;
    for (const char* bad : {"", "   ", "1-2", "1.5.2", "12a", "1+", "--1", "+-1", "1e5"})
        EXPECT_FALSE(IsSignedNumber(bad)) << bad;
}

TEST(StrProc, LeadingNumbers) {
    EXPECT_DOUBLE_EQ(LeadingNumber("2455900.920AJD"), 2455900.92);
    EXPECT_DOUBLE_EQ(LeadingNumber("-12.5x"), -12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_GT(LeadingNumber(std::string(400, '9')), 1e300);
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);  // underflow reads as 0, not as huge
    EXPECT_EQ(LeadingInteger("-0042-"), -42);
    EXPECT_EQ(LeadingInteger("x"), 0);
    EXPECT_GT(LeadingInteger(std::string(40, '9')), 0);  // saturates, never wraps
}
