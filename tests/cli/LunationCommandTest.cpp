// selvanor-cli lunation: the page as text and JSON, the moment or number that picks it, counts
// running into the latest lunation, the limit messages and the usage errors.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/LunationCommand.h"

namespace {

constexpr int32_t kJan1st2000 = 2451545;

struct Result {
    int status;
    std::string out, err;
};
Result Lunation(std::vector<std::string> args, int32_t today = kJan1st2000) {
    std::ostringstream out, err;
    const int status = Cli::RunLunation(std::move(args), today, out, err);
    return {status, out.str(), err.str()};
}
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(LunationCommand, TextPageOfTheLunationOfAMoment) {
    const Result r = Lunation({"--calendar", "ARC", "--from", "2000-01-01 CE"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n', r.out.find('\n') + 1) + 1),
              "Lunation -1 (Dionysus)\nDecember 1999 - January 2000\n");
    EXPECT_TRUE(Contains(r.out, "\n 1  Tue Dec 7     Sophia 29\n"));
    EXPECT_TRUE(Contains(r.out, "\n26  Sat Jan 1     Dionysus 25  today\n"));
    EXPECT_TRUE(Contains(r.out, "\n30  Wed Jan 5     Dionysus 29\n"));
    EXPECT_EQ(Count(r.out, "\n"), 32u);
    EXPECT_EQ(Count(r.out, "today"), 1u);
    // The same page by its number, in any letter case of the code.
    EXPECT_EQ(Lunation({"--number", "-1", "--calendar", "arc"}).out, r.out);
}

TEST(LunationCommand, JsonPages) {
    const Result r = Lunation({"--calendar", "LLT", "--number", "-1", "--count", "2", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 2), "[\n");
    EXPECT_EQ(r.out.substr(r.out.size() - 5), std::string("]}\n]\n"));
    EXPECT_TRUE(Contains(r.out, "{\"lunation\": -1, \"calendar\": \"LLT\", \"title\": \"Lunation -1 ("));
    EXPECT_TRUE(Contains(r.out, "\"year_month\": \"December 1999 - January 2000\", \"days\": [{\"day\": 1, "));
    EXPECT_TRUE(Contains(r.out, "{\"day\": 26, \"day_number\": 2451545, \"ce_line\": \"Sat Jan 1\", \"calendar_line\": "));
    EXPECT_TRUE(Contains(r.out, "\"weekend\": true, \"today\": true}"));
    EXPECT_TRUE(Contains(r.out, "{\"lunation\": 0, \"calendar\": \"LLT\""));
    EXPECT_EQ(Count(r.out, "\"today\": true"), 1u);
    EXPECT_EQ(Count(r.out, "\"day\": "), 60u);  // two 30-day pages
}

// The time frame picks the first day: the new moon of 2000-03-06 05:17 GMT is on March 5 in a
// zone six hours west, and on March 5 of the lunar week calendar anywhere west of 00:43.
TEST(LunationCommand, TimeFrame) {
    EXPECT_TRUE(Contains(Lunation({"--calendar", "DVG", "--number", "2", "--greenwich"}).out, "\n 1  Mon Mar 6 "));
    EXPECT_TRUE(Contains(Lunation({"--calendar", "DVG", "--number", "2", "--zone", "-06:00"}).out, "\n 1  Sun Mar 5 "));
    EXPECT_TRUE(Contains(Lunation({"--calendar", "DVG", "--number", "2", "--greenwich", "--zone", "-06:00"}).out,
                         "\n 1  Mon Mar 6 "));
    EXPECT_TRUE(Contains(Lunation({"--calendar", "QLW", "--number", "2"}).out, "\n 1  Sun Mar 5 "));
}

TEST(LunationCommand, LimitsAndRefusals) {
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string err;
        size_t pages;
    } rows[] = {
        {{"--calendar", "VO", "--number", "49471", "--count", "3"}, 2,
         "Show next lunation: This is the latest lunation which can be displayed.\n", 2},
        {{"--calendar", "VO", "--number", "49472"}, 0, "", 1},
        {{"--calendar", "VO", "--number", "49473"}, 2,
         "Show next lunation: This is the latest lunation which can be displayed.\n", 0},
        {{"--calendar", "VO", "--number", "-64316"}, 0, "", 1},
        {{"--calendar", "VO", "--number", "-64317"}, 2,
         "Show previous lunation: This is the earliest lunation which can be displayed.\n", 0},
        {{"--calendar", "VO", "--from", "7000-01-01 CE"}, 2, "7000-01-01 CE: Resulting date is later than 6000-01-01 CE.\n", 0},
        {{"--calendar", "CE", "--number", "1"}, 1, "selvanor-cli lunation: --calendar takes ARC, VO, DVG, LLT or QLW (see selvanor-cli help lunation)\n", 0},
        {{"--number", "1"}, 1, "selvanor-cli lunation: give --calendar ARC, VO, DVG, LLT or QLW (see selvanor-cli help lunation)\n", 0},
        {{"--calendar", "VO"}, 1, "selvanor-cli lunation: give either --from ENTRY or --number N (see selvanor-cli help lunation)\n", 0},
        {{"--calendar", "VO", "--number", "1", "--from", "2000-01-01 CE"}, 1,
         "selvanor-cli lunation: give either --from ENTRY or --number N (see selvanor-cli help lunation)\n", 0},
        {{"--calendar", "VO", "--number", "1x"}, 1, "selvanor-cli lunation: --number takes a whole lunation number (see selvanor-cli help lunation)\n", 0},
        {{"--calendar", "VO", "--number", "99999999999"}, 1,
         "selvanor-cli lunation: --number takes a whole lunation number (see selvanor-cli help lunation)\n", 0},
        {{"--calendar", "VO", "--number", "1", "--count", "0"}, 1,
         "selvanor-cli lunation: --count takes a number of pages from 1 to 113789 (see selvanor-cli help lunation)\n", 0},
        {{"--calendar", "VO", "--number"}, 1, "selvanor-cli lunation: --number needs a value, N (see selvanor-cli help lunation)\n", 0},
        {{"--calendar", "VO", "--number", "1", "--zone", "+30:00"}, 1,
         "selvanor-cli lunation: --zone needs an offset such as +05:30 or -08:00 (see selvanor-cli help lunation)\n", 0},
    };
    for (const Row& row : rows) {
        const Result r = Lunation(row.args);
        EXPECT_EQ(r.status, row.status) << r.err;
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(Count(r.out, "Lunation "), row.pages) << r.out;
    }
}

TEST(LunationCommand, PngNeedsAWriter) {
    Cli::SetLunationPngWriter(nullptr);
    const Result none = Lunation({"--calendar", "ARC", "--number", "0", "--png", "page.png"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "selvanor-cli lunation: PNG output is not available in this build\n");
    EXPECT_TRUE(none.out.empty());

    static std::string written;
    Cli::SetLunationPngWriter([](const LunationPage::Page& page, const std::string& file) {
        written = page.title + " -> " + file;
        return std::string(file == "bad.png" ? "cannot write bad.png" : "");
    });
    EXPECT_EQ(Lunation({"--calendar", "ARC", "--number", "0", "--count", "3", "--png", "page.png"}).status, 0);
    EXPECT_EQ(written, "Lunation 0 (Demeter) -> page.png");
    const Result bad = Lunation({"--calendar", "ARC", "--number", "0", "--png", "bad.png"});
    EXPECT_EQ(bad.status, 3);
    EXPECT_EQ(bad.err, "selvanor-cli lunation: cannot write bad.png\n");
    Cli::SetLunationPngWriter(nullptr);
}
