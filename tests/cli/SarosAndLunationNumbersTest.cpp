// selvanor-cli saros, and the other lunation numberings and delta T's uncertainty in JSON.
#include <gtest/gtest.h>

#include <sstream>

#include "RunCli.h"

TEST(CliSaros, ListsTheSeriesInOrder) {
    const CliResult csv = RunCli({"saros", "136", "--solar", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream lines(csv.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "member,lunation,phase,type,jd_tt_greatest,jd_ut_greatest,half_penumbral_min,half_umbral_min,"
                    "half_total_min");
    int member = 0;
    long previousLunation = 0;
    while (std::getline(lines, line)) {
        ++member;
        long number = 0, lunation = 0, phase = -1;
        ASSERT_EQ(std::sscanf(line.c_str(), "%ld,%ld,%ld", &number, &lunation, &phase), 3) << line;
        EXPECT_EQ(number, member);
        EXPECT_EQ(phase, 0);
        if (member > 1) EXPECT_EQ(lunation - previousLunation, 223) << line;
        previousLunation = lunation;
    }
    EXPECT_GT(member, 60);  // a series runs for more than a thousand years
    // The total eclipse of 1991-07-11 belongs to it.
    EXPECT_NE(RunCli({"saros", "136", "--solar", "--greenwich"}).out.find("1991-07-11 CE"), std::string::npos);
}

TEST(CliSaros, JsonAndRefusals) {
    const CliResult json = RunCli({"saros", "124", "--lunar", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.front(), '[');
    EXPECT_NE(json.out.find("\"member\":1,"), std::string::npos);
    EXPECT_NE(json.out.find("\"type_text\":\"Total lunar eclipse\""), std::string::npos);
    const CliResult none = RunCli({"saros", "900"});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("no eclipse"), std::string::npos);
    EXPECT_EQ(RunCli({"saros"}).status, 1);
    EXPECT_EQ(RunCli({"saros", "1.5"}).status, 1);
    EXPECT_EQ(RunCli({"saros", "136", "--csv", "--json"}).status, 1);
}

TEST(CliConvert, LunationNumbersAndDeltaTUncertainty) {
    const CliResult r = RunCli({"convert", "--json", "2000-01-07 CE"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"lunation_numbers\":{\"selvanor\":0,\"brown\":953,\"goldstine\":37105,\"hebrew\":71234,"
                         "\"islamic\":17038,\"thai\":16843}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(",\"delta_t_sigma_min\":"), std::string::npos);
    const CliResult early = RunCli({"convert", "--json", "--", "-1000-01-01 CE"});
    const auto at = early.out.find("\"delta_t_sigma_min\":");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NEAR(std::stod(early.out.substr(at + 20)), 636.0 / 60, 0.2);
}
