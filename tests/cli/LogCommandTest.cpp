// selvanor-cli convert --log: the window's log entries, as text with LF line ends.
#include <gtest/gtest.h>

#include <sstream>

#include "RunCli.h"

TEST(CliLog, EntriesAsTheWindowAppendsThem) {
    const CliResult r = RunCli({"convert", "--log", "--include", "ce,Ajd,phase", "--zone", "+05:30", "2012-12-21 JC 06:00"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string expectedStart =
        "Convert date\n2012-12-21 JC 06:00 (local = GMT+05:30)\nCE=2013-01-03  AJD=2,456,295.5208\n";
    EXPECT_EQ(r.out.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(r.out.find(", illum. = "), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - 3), ".\n\n");
}

TEST(CliLog, RepeatsMakeNoEntryAndDaysNameTheOperation) {
    const CliResult r = RunCli({"convert", "--log", "--include", "", "--minus", "1", "2000-01-02 CE", "2000-01-02 CE", "2000-01-03 CE"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Convert date minus 1 day\n2000-01-01 CE 12:00 (local = GMT)\n\n"
              "Convert date minus 1 day\n2000-01-02 CE 12:00 (local = GMT)\n\n");
}

TEST(CliLog, JulianDatesAndGreenwichInTheSecondFormat) {
    const CliResult r =
        RunCli({"convert", "--log", "--log-format", "1", "--include", "CE,QLW", "--greenwich", "--zone", "-08:00", "2451545 AJD"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Convert date\n2,451,545.0000 AJD (Greenwich; local = GMT-08:00)\n"
                     "2000-01-01 CE, 4999-10-4-3 QLW\n\n");
}

TEST(CliLog, RefusedOptions) {
    const CliResult unknown = RunCli({"convert", "--log", "--include", "CE,MOON", "2000-01-01 CE"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("MOON"), std::string::npos);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_EQ(RunCli({"convert", "--log", "--log-format", "2", "2000-01-01 CE"}).status, 1);
    // A refused entry among good ones: the others are still logged, the status says 2.
    const CliResult mixed = RunCli({"convert", "--log", "--include", "", "2000-01-01 CE", "2000-02-30 CE"});
    EXPECT_EQ(mixed.status, 2);
    EXPECT_EQ(mixed.out, "Convert date\n2000-01-01 CE 12:00 (local = GMT)\n\n");
}
