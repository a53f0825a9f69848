#include <gtest/gtest.h>

#include <sstream>

#include "RunCli.h"
#include "support/Version.h"

namespace {
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(Cli, ConvertPrintsEveryLabelAsTheWindowDoes) {
    const CliResult r = RunCli({"convert", "2003-12-31 ce 15:55"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Common Era: 2003-12-31 CE (Wednesday, December 31, 2003)\n"));
    EXPECT_TRUE(Contains(r.out, "Julian: 2003-12-18 JC (Wednesday, December 18, 2003)\n"));
    EXPECT_TRUE(Contains(r.out, "Astronomical Julian date: 2,453,005.1632 AJD\n"));
    EXPECT_TRUE(Contains(r.out, "Chronological Julian date: 2,453,005.6632 CJD\n"));
    EXPECT_TRUE(Contains(r.out, "Time: 15:55 (local=GMT)\n"));
    EXPECT_TRUE(Contains(r.out, "Delta T: 1 minute\n"));
    EXPECT_TRUE(Contains(r.out, "Phase of Moon, illumination: "));
    EXPECT_TRUE(Contains(r.out, "[Lunation] Age of Moon: [49] "));
}

TEST(Cli, ConvertLunarCalendarCheckValues) {
    const CliResult r = RunCli({"convert", "2000-01-01 CE"});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(Contains(r.out, "Archetypes Calendar: 4696-11-25 ARC (Mars Day, Dionysus 25,  4696)\n"));
    EXPECT_TRUE(Contains(r.out, "Dunhale-Varnel Goddess: 1-94-08-25 DVG (Saturday, Hathor 25, 1-94)\n"));
    EXPECT_TRUE(Contains(r.out, "Varnel-Ostrik Solilunar: 104-05-09-24 VO"));
    EXPECT_TRUE(Contains(r.out, "Lunar Liberalia Triday: 122-12-09-1 LLT"));
}

TEST(Cli, ZonesDaysAndEntryCalendar) {
    const CliResult zone = RunCli({"convert", "--zone", "+05:30", "2000-01-01 CE 00:00"});
    EXPECT_TRUE(Contains(zone.out, "Astronomical Julian date: 2,451,544.2708 AJD")) << zone.out;
    EXPECT_TRUE(Contains(zone.out, "Time: 00:00 (local)"));
    const CliResult greenwich = RunCli({"convert", "--greenwich", "--zone", "+05:30", "2000-01-01 CE 00:00"});
    EXPECT_TRUE(Contains(greenwich.out, "Time: 00:00 (GMT)"));
    const CliResult plus = RunCli({"convert", "--plus", "2.5", "2000-01-01 CE"});
    EXPECT_TRUE(Contains(plus.out, "2,451,547.5000 AJD"));
    const CliResult minus = RunCli({"convert", "--minus", "+1,000", "2000-01-01 CE"});
    EXPECT_TRUE(Contains(minus.out, "2,450,545.0000 AJD"));
    const CliResult julian = RunCli({"convert", "--entry-calendar", "jc", "2003-12-18"});
    EXPECT_TRUE(Contains(julian.out, "Common Era: 2003-12-31 CE"));
    EXPECT_EQ(RunCli({"convert", "--zone", "+25:00", "2000-01-01 CE"}).status, 1);
    EXPECT_EQ(RunCli({"convert", "--entry-calendar", "XYZ", "2000-01-01 CE"}).status, 1);
}

TEST(Cli, RefusedEntriesGoToStandardErrorAndTheRestStillConvert) {
    const CliResult r = RunCli({"convert", "2003-02-30 CE", "2000-01-01 CE", "7000-01-01 CE"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "2003-02-30 CE: Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day\n"
              "7000-01-01 CE: Resulting date is later than 6000-01-01 CE.\n");
    EXPECT_TRUE(Contains(r.out, "Common Era: 2000-01-01 CE"));
    const CliResult days = RunCli({"convert", "--plus", "1-2", "2000-01-01 CE"});
    EXPECT_EQ(days.status, 2);
    EXPECT_TRUE(Contains(days.err, "Value for addition or subtraction is invalid."));
}

TEST(Cli, NegativeYearsAndBatchFromStandardInput) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"convert", "--", "-44-03-15 JC"},
                                                 std::vector<std::string>{"convert", "-44-03-15 JC"}}) {
        const CliResult negative = RunCli(args);
        ASSERT_EQ(negative.status, 0) << negative.err;
        EXPECT_TRUE(Contains(negative.out, "Julian: -44-03-15 JC"));
    }

    const CliResult batch = RunCli({"convert", "-"}, "2000-01-01 CE\r\n\n-44-03-15 JC\nnonsense\n1-94-08-25 DVG\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(batch.err, "nonsense: Invalid date entry.\n");
    size_t blocks = 0;
    for (size_t at = batch.out.find("Common Era:"); at != std::string::npos; at = batch.out.find("Common Era:", at + 1))
        ++blocks;
    EXPECT_EQ(blocks, 3u);
    EXPECT_TRUE(Contains(batch.out, "\n\nCommon Era:"));
}

TEST(Cli, JsonHasTheTextsAndTheNumbers) {
    const CliResult r = RunCli({"convert", "--json", "2000-01-01 CE", "4696-11-25 ARC"});
    ASSERT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string first, second, third;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, third));
    for (const std::string& line : {first, second}) {
        EXPECT_TRUE(Contains(line, "\"ajd\":2451545,")) << line;
        EXPECT_TRUE(Contains(line, "\"day_number\":2451545"));
        EXPECT_TRUE(Contains(line, "\"ARC\":{\"text\":\"4696-11-25 ARC\""));
        EXPECT_TRUE(Contains(line, "\"fields\":{\"cycle\":1,\"year\":94,\"month\":8,\"day\":25}"));
        EXPECT_TRUE(Contains(line, "\"moon\":{\"illumination\":"));
        EXPECT_TRUE(Contains(line, "\"waxing\":false"));
    }
    EXPECT_TRUE(Contains(second, "\"entry_calendar\":\"ARC\""));
}

TEST(Cli, PhasesAndEclipses) {
    const CliResult phases = RunCli({"phases", "--from", "2000-01-01 CE", "--to", "2000-02-01 CE", "--csv"});
    ASSERT_EQ(phases.status, 0) << phases.err;
    EXPECT_EQ(phases.out.substr(0, phases.out.find('\n')), "lunation,phase,jd_tt,jd_ut,delta_t_min,delta_t_sigma_min");
    EXPECT_TRUE(Contains(phases.out, "\n0,0,2451550.26"));  // the new moon of 2000-01-06
    const CliResult text = RunCli({"phases", "--from", "2000-01-06 CE", "--to", "2000-01-07 CE", "--greenwich"});
    EXPECT_TRUE(Contains(text.out, "2000-01-06 CE 18:1")) << text.out;
    EXPECT_TRUE(Contains(text.out, "New moon, lunation 0"));

    const CliResult total = RunCli({"eclipses", "--from", "2000-01-01 CE", "--to", "2001-12-31 CE", "--kind",
                              "Total lunar eclipse", "--csv"});
    ASSERT_EQ(total.status, 0) << total.err;
    EXPECT_EQ(total.out.substr(0, total.out.find('\n')),
              "lunation,phase,type,saros,jd_tt_greatest,half_penumbral_min,half_umbral_min,half_total_min,"
              "delta_t_sigma_min");
    EXPECT_TRUE(Contains(total.out, "\n0,2,10,124,"));  // 2000-01-21
    EXPECT_EQ(RunCli({"eclipses", "--from", "2000-01-01 CE", "--to", "2001-01-01 CE", "--kind", "Quarter"}).status, 1);
    EXPECT_EQ(RunCli({"phases", "--from", "2001-01-01 CE", "--to", "2000-01-01 CE"}).status, 2);
    EXPECT_EQ(RunCli({"phases", "--from", "bad", "--to", "2000-01-01 CE"}).status, 2);
}


TEST(Cli, VersionIsTheProjectVersion) {
    const CliResult r = RunCli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string("selvanor-cli ") + SELVANOR_VERSION + "\n");
}
