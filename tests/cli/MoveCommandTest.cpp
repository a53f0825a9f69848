// selvanor-cli move: the moments reached, their texts, the range exit and refused options.
#include <gtest/gtest.h>

#include <sstream>

#include "RunCli.h"

TEST(CliMove, PrintsTheStartAndEveryMomentReached) {
    struct Row {
        std::vector<std::string> args;
        std::string out;
    } rows[] = {
        {{"--step", "1 CE month", "--count", "2", "2003-01-31 CE 15:55"},
         "2003-01-31 CE 15:55 (local = GMT)\n2003-02-28 CE 15:55 (local = GMT)\n2003-03-28 CE 15:55 (local = GMT)\n"},
        {{"--step", "1 CE month", "--back", "2004-03-31 CE 15:55"},
         "2004-03-31 CE 15:55 (local = GMT)\n2004-02-29 CE 15:55 (local = GMT)\n"},
        {{"--step", "1 CE century", "--greenwich", "--zone", "-08:00", "2000-02-29 CE 06:00"},
         "2000-02-29 CE 06:00 (Greenwich; local = GMT-08:00)\n2100-02-28 CE 06:00 (Greenwich; local = GMT-08:00)\n"},
        {{"--step", "1 hour", "--count", "0", "2,452,000.5 AJD"}, "2,452,000.5000 AJD (local = GMT)\n"},
        {{"--step", "1 day", "--entry-calendar", "jc", "--zone", "+05:30", "2003-12-18"},
         "2003-12-18 JC 12:00 (local = GMT+05:30)\n2003-12-19 JC 12:00 (local = GMT+05:30)\n"},
        // Before 06:00 the QLW date on show is that of the day before; the step moves it.
        {{"--step", "1 QLW week", "5001-01-3-3 QLW 23:00"},
         "5001-01-3-3 QLW 23:00 (local = GMT)\n5001-01-4-3 QLW 23:00 (local = GMT)\n"},
    };
    for (Row& row : rows) {
        row.args.insert(row.args.begin(), "move");
        const CliResult r = RunCli(row.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, row.out) << row.args[2];
    }
}

TEST(CliMove, JsonHasOneElementPerMomentWithTheNineDates) {
    const CliResult r = RunCli({"move", "--step", "1 VO cycle", "--count", "2", "--json", "104-07-01-17 VO 06:30"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.front(), '[');
    EXPECT_NE(r.out.find("{\"step\":0,\"ajd\":"), std::string::npos);
    EXPECT_NE(r.out.find("\"entry\":\"105-07-01-17 VO 06:30 (local = GMT)\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("{\"step\":2,"), std::string::npos);
    EXPECT_NE(r.out.find("\"VO\":\"106-07-01-17 VO\""), std::string::npos);
    for (const char* code : {"\"CE\":", "\"JC\":", "\"ARC\":", "\"LLT\":", "\"DVG\":", "\"CJD\":", "\"AJD\":", "\"QLW\":"})
        EXPECT_NE(r.out.find(code), std::string::npos) << code;
    EXPECT_EQ(r.out.substr(r.out.size() - 3), "}]\n");
}

// The step beyond the accepted moments is still printed, as the window still shows it.
TEST(CliMove, LeavingTheRangeStopsWithTheWindowsMessage) {
    const CliResult late = RunCli({"move", "--step", "1 CE century", "--count", "5", "5950-01-01 CE"});
    EXPECT_EQ(late.status, 2);
    EXPECT_EQ(late.out, "5950-01-01 CE 12:00 (local = GMT)\n6050-01-01 CE 12:00 (local = GMT)\n");
    EXPECT_NE(late.err.find("Latest date exceeded."), std::string::npos);
    const CliResult early = RunCli({"move", "--step", "1 DVG cycle", "--back", "--count", "9", "--json", "--",
                                 "-3200-01-01 CE"});
    EXPECT_EQ(early.status, 2);
    EXPECT_NE(early.err.find("Earliest date exceeded."), std::string::npos);
    EXPECT_EQ(early.out.substr(early.out.size() - 3), "}]\n");
}

TEST(CliMove, RefusesBadOptionsAndEntries) {
    const std::vector<std::vector<std::string>> usage = {
        {"move", "2003-01-31 CE"},
        {"move", "--step", "1 ce month", "2003-01-31 CE"},
        {"move", "--step", "1 day", "--count", "-1", "2003-01-31 CE"},
        {"move", "--step", "1 day", "--count", "2x", "2003-01-31 CE"},
        {"move", "--step", "1 day", "--count", "1000001", "2003-01-31 CE"},
        {"move", "--step", "1 day"},
        {"move", "--step", "1 day", "2003-01-31 CE", "2003-02-01 CE"},
        {"move", "--step", "1 day", "--zone", "+25:00", "2003-01-31 CE"},
        {"move", "--step", "1 day", "--sideways", "2003-01-31 CE"},
        {"move", "--step"},
    };
    for (const auto& args : usage) EXPECT_EQ(RunCli(args).status, 1) << args.back();
    const CliResult refused = RunCli({"move", "--step", "1 day", "2003-02-30 CE"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("2003-02-30 CE: "), std::string::npos);
}
