// selvanor-cli with a place: riseset, eclipses --place --json, search --place --visible, and
// the refusals of a place that is no place or names several cities. The city list is the
// fixture extract of tests/data/zoneinfo ($TZDIR).
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "cli/RunCli.h"

namespace {

class PlaceCommands : public ::testing::Test {
protected:
    void SetUp() override { setenv("TZDIR", (std::string(SELVANOR_TEST_DATA) + "/zoneinfo").c_str(), 1); }
    void TearDown() override { unsetenv("TZDIR"); }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every value of "key": in the text, in order.
std::vector<std::string> Values(const std::string& text, const std::string& key) {
    std::vector<std::string> values;
    const std::regex pattern("\"" + key + "\": (\"[^\"]*\"|[^,}]+)");
    for (std::sregex_iterator i(text.begin(), text.end(), pattern), end; i != end; ++i) values.push_back((*i)[1]);
    return values;
}

}  // namespace

TEST_F(PlaceCommands, RiseSetCsvAndJson) {
    const CliResult csv = RunCli({"riseset", "--place", "paris", "--from", "2024-06-20 CE 00:00", "--to",
                                  "2024-06-22 CE 00:00", "--greenwich", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "body,event,jd_ut,azimuth_deg,altitude_deg");
    // The reference's first event: the Moon sets at 2460481.57940635, azimuth 229.7436.
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"(moon,set,2460481\.579\d{5},229\.74\d\d,-0\.20\d\d)"))) << lines[1];
    double previous = 0.0;
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_TRUE(std::regex_match(lines[i], std::regex(R"((sun|moon),(rise|transit|set),\d+\.\d{8},\d+\.\d{4},-?\d+\.\d{4})")))
            << lines[i];
        const double jd = std::atof(lines[i].substr(lines[i].find(',', lines[i].find(',') + 1) + 1).c_str());
        EXPECT_GT(jd, previous);
        previous = jd;
    }
    const CliResult json = RunCli({"riseset", "--place", "48.866667, 2.333333, 35", "--from", "2024-06-20 CE 00:00",
                                   "--to", "2024-06-22 CE 00:00", "--greenwich", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(Values(json.out, "event").size(), 12u);
    EXPECT_EQ(Values(json.out, "time")[0], "\"2024-06-20 CE 01:54 GMT\"");
    // A transit due north is at azimuth 0, however the last digit rounds.
    const CliResult south = RunCli({"riseset", "--place", "-33.9, 18.4, 10", "--from", "2024-12-21 CE 00:00", "--to",
                                    "2024-12-22 CE 00:00", "--csv"});
    EXPECT_NE(south.out.find("moon,transit,2460665.6496"), std::string::npos) << south.out;
    EXPECT_EQ(south.out.find(",360.0000,"), std::string::npos) << south.out;
    const CliResult text = RunCli({"riseset", "--place", "Paris", "--from", "2024-06-20 CE 00:00", "--to",
                                   "2024-06-20 CE 12:00", "--zone", "+02:00"});
    EXPECT_EQ(Lines(text.out)[0], "Seen from Paris (France) (48.8667 N, 2.3333 E)");
    EXPECT_EQ(Lines(text.out)[1], "2024-06-20 CE 03:54 local  Moon set, azimuth 229.7, altitude -0.2");
}

TEST_F(PlaceCommands, PlacesRefused) {
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* err;  // part of the message
    };
    const Row rows[] = {
        {{"riseset", "--place", "new", "--from", "2024-01-01 CE", "--to", "2024-01-02 CE"}, 2, "  New York (United States)\n"},
        {{"riseset", "--place", "Atlantis", "--from", "2024-01-01 CE", "--to", "2024-01-02 CE"}, 2, "No city of the list fits"},
        {{"riseset", "--place", "91, 0", "--from", "2024-01-01 CE", "--to", "2024-01-02 CE"}, 2, "latitude must lie"},
        {{"riseset", "--from", "2024-01-01 CE", "--to", "2024-01-02 CE"}, 1, "give --place"},
        {{"riseset", "--place", "0,0", "--from", "2024-01-01 CE", "--to", "2024-01-02 CE", "--csv", "--json"}, 1, "at most one"},
        {{"eclipses", "--place", "new", "--from", "2024-01-01 CE", "--to", "2025-01-01 CE", "--json"}, 2, "3 cities fit"},
        {{"eclipses", "--place", "0,0", "--from", "2024-01-01 CE", "--to", "2025-01-01 CE", "--csv"}, 1, "--csv goes without"},
        {{"search", "next", "Full moon", "--from", "2024-01-01 CE", "--place", "0,0"}, 1, "eclipse targets"},
        {{"search", "next", "Solar eclipse", "--from", "2024-01-01 CE", "--visible"}, 1, "--visible needs --place"},
    };
    for (const Row& r : rows) {
        const CliResult result = RunCli(r.args);
        EXPECT_EQ(result.status, r.status) << r.args[2];
        EXPECT_NE(result.err.find(r.err), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty() || result.out == "[") << result.out;
    }
}

TEST_F(PlaceCommands, EclipsesSeenFromAPlace) {
    const CliResult json = RunCli({"eclipses", "--from", "2024-01-01 CE", "--to", "2025-01-01 CE", "--place",
                                   "32.7767, -96.797, 139", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    ASSERT_EQ(Lines(json.out).size(), 4u);  // two lunar, two solar eclipses
    EXPECT_EQ(Values(json.out, "visible"), (std::vector<std::string>{"true", "true", "true", "false"}));
    EXPECT_EQ(Values(json.out, "type").size(), 6u);  // four eclipse types and two local kinds
    EXPECT_EQ(Values(json.out, "type")[2], "\"total\"");
    EXPECT_EQ(Values(json.out, "type")[5], "\"none\"");
    EXPECT_EQ(Values(json.out, "magnitude")[0], "1.0148");
    EXPECT_EQ(Values(json.out, "u2")[0], "null");
    // Solar: the Sun's altitude at C1, maximum, C4; lunar: the Moon's at seven contacts.
    EXPECT_NE(json.out.find("\"sun_altitude\": {\"c1\": 60.57"), std::string::npos);
    EXPECT_NE(json.out.find("\"moon_altitude\": {\"p1\": "), std::string::npos);
    const CliResult plain = RunCli({"eclipses", "--from", "2024-01-01 CE", "--to", "2025-01-01 CE", "--json"});
    EXPECT_EQ(plain.out.find("\"local\""), std::string::npos);
    EXPECT_EQ(Values(plain.out, "jd_ut_greatest"), Values(json.out, "jd_ut_greatest"));
    const CliResult text = RunCli({"eclipses", "--from", "2024-04-01 CE", "--to", "2024-04-30 CE", "--place", "Chicago"});
    EXPECT_NE(text.out.find("\n  Seen from Chicago: partial 17:51\xE2\x80\x93" "20:21 (local=GMT)"), std::string::npos) << text.out;
}

// --visible stops only at eclipses seen from the place: the same ones, in order, as the
// listing marks visible.
TEST_F(PlaceCommands, SearchSeenFromAPlace) {
    const CliResult found = RunCli({"search", "next", "Solar eclipse", "--from", "2024-01-01 CE", "--count", "4",
                                    "--place", "Chicago", "--visible", "--json"});
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(Values(found.out, "visible"), std::vector<std::string>(4, "true"));
    const std::vector<std::string> ajds = Values(found.out, "ajd");
    ASSERT_EQ(ajds.size(), 4u);
    const CliResult listed = RunCli({"eclipses", "--from", "2024-01-01 CE", "--to", "2040-01-01 CE", "--kind",
                                     "Solar eclipse", "--place", "Chicago", "--json"});
    std::vector<std::string> seen;
    for (const std::string& line : Lines(listed.out))
        if (line.find("\"visible\": true") != std::string::npos) seen.push_back(Values(line, "jd_ut_greatest")[0]);
    ASSERT_GE(seen.size(), 4u);
    seen.resize(4);
    EXPECT_EQ(ajds, seen);
}
