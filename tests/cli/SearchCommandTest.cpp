// selvanor-cli search: chains of results against the tool's own phase and eclipse listings,
// the entry texts, the range end and the refusals.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/Cli.h"

namespace {

struct Output {
    int status;
    std::string out, err;
};
Output RunCli(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = Cli::Run(args, in, out, err);
    return {status, out.str(), err.str()};
}

// The values of one key of every object at the top level of a search's JSON (their first
// occurrence per line: the eclipse object repeats "lunation").
std::vector<std::string> Values(const std::string& json, const std::string& key) {
    std::vector<std::string> values;
    std::istringstream lines(json);
    std::string line;
    const std::regex pattern("\"" + key + "\": (\"[^\"]*\"|[^,}]+)");
    while (std::getline(lines, line)) {
        std::smatch match;
        if (std::regex_search(line, match, pattern)) values.push_back(match[1]);
    }
    return values;
}

// Column values of a CSV listing, header dropped.
std::vector<std::vector<std::string>> Rows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::istringstream cellStream(line);
        for (std::string cell; std::getline(cellStream, cell, ',');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

struct ChainRow {
    const char* target;
    const char* direction;
    const char* from;
    const char* kind;  // the eclipses listing's --kind, empty for phases
};
const ChainRow kChains[] = {
    {"Quarter", "next", "1066-10-14 CE 09:00", ""},
    {"lunar or solar eclipse", "next", "-2000-03-01 CE", "Lunar or solar eclipse"},
    {"Total solar eclipse", "next", "2000-01-01 CE", "Total solar eclipse"},
    {"ANNULAR SOLAR ECLIPSE", "previous", "4500-06-01 CE", "Annular solar eclipse"},
    {"Total or partial lunar eclipse", "previous", "2024-01-01 CE", "Total or partial lunar eclipse"},
};

TEST(SearchCommand, ChainsFollowTheListings) {
    for (const ChainRow& row : kChains) {
        const Output search = RunCli({"search", row.direction, row.target, "--from", row.from, "--count", "12", "--json",
                                      "--greenwich"});
        ASSERT_EQ(search.status, 0) << row.target << search.err;
        const std::vector<std::string> ajds = Values(search.out, "ajd");
        const std::vector<std::string> lunations = Values(search.out, "lunation");
        ASSERT_EQ(ajds.size(), 12u) << row.target;
        // The listing over the span the chain covers, in time order.
        const bool next = std::string(row.direction) == "next";
        const std::string first = ajds.front() + " AJD", last = ajds.back() + " AJD";
        std::vector<std::string> list = {std::string(*row.kind ? "eclipses" : "phases"), "--from", next ? first : last,
                                         "--to", next ? last : first, "--csv", "--greenwich"};
        if (*row.kind) list.insert(list.end(), {"--kind", row.kind});
        std::vector<std::vector<std::string>> listed = Rows(RunCli(list).out);
        if (!next) std::reverse(listed.begin(), listed.end());
        ASSERT_EQ(listed.size(), 12u) << row.target;
        for (size_t i = 0; i < listed.size(); ++i) EXPECT_EQ(lunations[i], listed[i][0]) << row.target << " " << i;
        if (*row.kind) {
            const std::vector<std::string> types = Values(search.out, "type");
            for (size_t i = 0; i < listed.size(); ++i) EXPECT_EQ(types[i], listed[i][2]) << row.target << " " << i;
        } else {
            const std::vector<std::string> phases = Values(search.out, "phase");
            for (size_t i = 0; i < listed.size(); ++i) EXPECT_EQ(phases[i], listed[i][1]) << i;
        }
    }
}

TEST(SearchCommand, TextOfAnEclipse) {
    const Output r = RunCli({"search", "next", "Total lunar eclipse", "--from", "2000-01-01 CE", "--zone", "+05:30"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.out, std::regex("2000-01-21 CE 10:1\\d \\(local = GMT\\+05:30\\)\nTotal lunar eclipse\n"
                                                   "Lunation number = 0\nSaros number = 124\nPenumbral phase starts "
                                                   "07:3\\d and lasts 5h 1\\dm\\.\n(.*\n){2}\n")))
        << r.out;
}

struct EntryRow {
    std::vector<std::string> options;
    const char* entryPattern;
};
const EntryRow kEntries[] = {
    {{}, "\"2000-01-06 CE 1\\d:\\d\\d \\(local = GMT\\)\""},
    {{"--greenwich", "--zone", "-08:00"}, "\"2000-01-06 CE 1\\d:\\d\\d \\(Greenwich; local = GMT-08:00\\)\""},
    {{"--entry-calendar", "ajd"}, "\"2,451,550.\\d{4} AJD \\(local = GMT\\)\""},
    {{"--entry-calendar", "QLW"}, "\"\\d+-\\d+-\\d+-\\d+ QLW \\d\\d:\\d\\d \\(local = GMT\\)\""},
};

TEST(SearchCommand, EntryTexts) {
    for (const EntryRow& row : kEntries) {
        std::vector<std::string> args = {"search", "next", "dark moon", "--from", "2000-01-01 CE", "--json"};
        args.insert(args.end(), row.options.begin(), row.options.end());
        const Output r = RunCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(std::regex_search(r.out, std::regex(std::string("\"entry\": ") + row.entryPattern))) << r.out;
        EXPECT_NE(r.out.find("\"eclipse\": null, \"description\": \"\", \"log\": \"\""), std::string::npos) << r.out;
    }
}

TEST(SearchCommand, CoincidenceHasNoLunation) {
    const Output r = RunCli({"search", "next", "coincidence of 1sts of month", "--from", "2000-01-01 CE", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("12:00 (local = GMT)\", \"ajd\": "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"lunation\": null, \"phase\": null, \"eclipse\": null"), std::string::npos) << r.out;
}

TEST(SearchCommand, RangeEndKeepsTheResultsFound) {
    const Output r = RunCli({"search", "next", "full moon", "--from", "5999-11-01 CE", "--count", "5", "--json"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(Values(r.out, "ajd").size(), 2u) << r.out;
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "]\n");
    EXPECT_EQ(r.err, "Search: No full moon before the latest date.\n");
    const Output early = RunCli({"search", "previous", "solar eclipse", "--from", "-3200-01-02 CE"});
    EXPECT_EQ(early.status, 2);
    EXPECT_EQ(early.out, "");
    EXPECT_EQ(early.err, "Search: No eclipse of this kind after the earliest date.\n");
}

struct RefusalRow {
    std::vector<std::string> args;
    int status;
    const char* message;
};
const RefusalRow kRefusals[] = {
    {{"search", "next", "Eclipse in same saros series", "--from", "2000-01-01 CE"}, 1, "an eclipse on display"},
    {{"search", "next", "eclipse", "--from", "2000-01-01 CE"}, 1, "unknown target \"eclipse\""},
    {{"search", "sideways", "full moon", "--from", "2000-01-01 CE"}, 1, "next or previous, not sideways"},
    {{"search", "next", "full moon"}, 1, "give --from ENTRY"},
    {{"search", "next", "full moon", "--from", "2000-01-01 CE", "--count", "0"}, 1, "--count takes"},
    {{"search", "next", "full moon", "--from", "2000-01-01 CE", "--count", "2x"}, 1, "--count takes"},
    {{"search", "next", "full moon", "--from"}, 1, "--from needs a value"},
    {{"search", "next", "full moon", "--from", "2000-01-01 CE", "--zone", "+99:00"}, 1, "--zone"},
    {{"search", "next", "full moon", "--from", "2000-01-01 CE", "--entry-calendar", "XX"}, 1, "--entry-calendar"},
    {{"search", "next", "", "--from", "2000-01-01 CE"}, 1, "unknown target"},
    {{"search", "next", "full moon", "--from", "7000-01-01 CE"}, 2, "later than 6000-01-01 CE"},
    {{"search", "next", "full moon", "--from", "2000-13-01 CE"}, 2, "2000-13-01 CE: "},
};

TEST(SearchCommand, Refusals) {
    for (const RefusalRow& row : kRefusals) {
        const Output r = RunCli(row.args);
        EXPECT_EQ(r.status, row.status) << row.message;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << row.message;
    }
}

}  // namespace
