#include "cli/Cli.h"

#include <ostream>

#include "cli/ConvertCommand.h"
#include "support/Version.h"
#include "cli/ListCommands.h"
#include "cli/LunationCommand.h"
#include "cli/MoveCommand.h"
#include "cli/RiseSetCommand.h"
#include "cli/SearchCommand.h"
#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "calendars/registry/CalendarRegistry.h"
#include "cli/LogOutput.h"
#include "core/MoveOnce.h"
#include "core/lunation/LunationPage.h"

namespace Cli {

namespace {

// The help's lists, built from the calendar registry and the step list.
std::string Joined(const std::vector<std::string>& items, const std::string& separator, const std::string& last) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) text += (i == 0 ? "" : i + 1 == items.size() ? last : separator) + items[i];
    return text;
}

// The text wrapped to lines of at most width characters, continuation lines after indent; the
// first line continues a line that already holds `column` characters.
std::string Wrapped(const std::string& text, size_t column, size_t width, const std::string& indent) {
    std::string out;
    bool lineHasWord = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (lineHasWord && column + 1 + word.size() > width) {
            out += "\n" + indent;
            column = indent.size();
            lineHasWord = false;
        }
        if (lineHasWord) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineHasWord = true;
        start = end + 1;
    }
    return out;
}

std::string Filled(std::string text) {
    std::vector<std::string> steps, examples, pageCodes, dayStarts, optIn;
    for (const MoveSteps::StepRule& step : MoveSteps::Steps()) steps.push_back("\"" + step.text + "\"");
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        examples.push_back(std::string(calendar->entryExample));
        if (calendar->dayStart != 0.0)
            dayStarts.push_back("a " + std::string(calendar->code) + " day begins at " +
                                DatePr2::FormatTimeOfDay(calendar->dayStart));
        if (calendar->logIncludeOptIn) optIn.push_back(std::string(calendar->code));
    }
    const std::vector<std::pair<std::string, std::string>> fills = {
        {"{INCLUDE_CODES}", IncludeCodes()},
        {"{OPT_IN_CODES}", Joined(optIn, ", ", " and ")},
        {"{PAGE_CALENDARS}", LunationPage::PageCalendarCodes("|")},
        {"{DAY_STARTS}", Joined(dayStarts, "; ", "; ")},
        {"{STEPS}", Joined(steps, ", ", ", ")},
        {"{ENTRY_EXAMPLES}", Joined(examples, ", ", " or ")},
    };
    for (const auto& [mark, fill] : fills) {
        const size_t at = text.find(mark);
        if (at == std::string::npos) continue;
        const size_t lineStart = text.rfind('\n', at) + 1;
        const size_t indentEnd = text.find_first_not_of(' ', lineStart);
        text.replace(at, mark.size(), Wrapped(fill, at - lineStart, 88, std::string(indentEnd - lineStart, ' ')));
    }
    return text;
}

}  // namespace

std::string HelpText() {
    return Filled(R"help(selvanor-cli: dates in nine notations, and the Moon, from the command line.

Usage:
  selvanor-cli convert [--greenwich] [--zone +-HH:MM] [--entry-calendar CODE]
                       [--plus DAYS | --minus DAYS] [--json | --log [--log-format 0|1]
                       [--include LIST]] ENTRY...
      Prints every notation of each moment, as the window shows it: the nine dates,
      the time line, delta T and the Moon; a blank line between moments. --json prints
      one JSON object per moment, one per line, with the texts and the numbers behind
      them. The entry "-" reads entries from standard input, one per line. Entries
      beginning with "-" (negative years) go after "--". Defaults: local time in zone
      GMT, entry calendar CE. A refused entry prints the window's message to standard
      error, prefixed with the entry, and the exit status is 2; the others still convert.
      --log prints the window's log entry of each result instead (operation, history
      text, calendar items, Moon line, empty line); --log-format 0 writes CE=date, 1
      writes "date CE,"; --include takes a comma list of {INCLUDE_CODES}
      (default all but {OPT_IN_CODES}; "" none; an unknown code gives status 2). A result
      that repeats the previous one makes no entry.
      Example: selvanor-cli convert "2003-12-31 ce 15:55"
               selvanor-cli convert --zone +05:30 --json -- "-44-03-15 JC" "4696-11-25 ARC"
               printf '2000-01-01 CE\n1-94-08-25 DVG\n' | selvanor-cli convert -

  selvanor-cli phases --from ENTRY --to ENTRY [--greenwich | --zone +-HH:MM] [--csv]
      Lists every principal phase of the Moon between two moments: date and time in the
      chosen time frame, phase, lunation. --csv prints lunation,phase,jd_tt,jd_ut,delta_t_min
      (phase 0 new moon, 1 first quarter, 2 full moon, 3 last quarter; Julian dates in
      dynamical time TT and in Greenwich time).
      Example: selvanor-cli phases --from "2024-01-01 CE" --to "2024-12-31 CE" --greenwich

  selvanor-cli eclipses --from ENTRY --to ENTRY [--kind "TARGET"] [--greenwich | --zone +-HH:MM]
                       [--place PLACE] [--csv | --json]
      Lists every eclipse between two moments, or those of one search target of the
      window ("Lunar or solar eclipse", "Lunar eclipse", "Total lunar eclipse", "Total or
      partial lunar eclipse", "Solar eclipse", "Total solar eclipse", "Annular solar
      eclipse"): time of greatest eclipse, type, saros series, lunation, durations.
      --csv prints lunation,phase,type,saros,jd_tt_greatest,half_penumbral_min,
      half_umbral_min,half_total_min,delta_t_sigma_min. --json prints an array of
      {"lunation", "phase", "type", "type_text", "saros", "greatest", "jd_tt_greatest",
      "jd_ut_greatest", "half_penumbral_min", "half_umbral_min", "half_total_min",
      "delta_t_sigma_min"}, one a line. --place adds each eclipse seen from the place
      (not with --csv): the window's lines ("Seen from ...", "Not seen from ...") after
      each eclipse, and with --json a "local" object:
        solar {"visible", "type": "none"|"partial"|"annular"|"total", "c1", "c2", "max",
               "c3", "c4", "magnitude", "obscuration", "sun_altitude": {"c1", "max", "c4"}}
        lunar {"visible", "p1", "u1", "u2", "max", "u3", "u4", "p4",
               "moon_altitude": {"p1", "u1", "u2", "max", "u3", "u4", "p4"}}
      Times are Julian dates in Greenwich time (UT), null where a contact does not
      exist; altitudes are apparent, in degrees. Solar: "visible" when the Sun is above
      its rise/set horizon line (-0 deg 50') at some moment from C1 to C4; "type" as if
      the Earth were transparent ("none" outside the penumbra); "magnitude" is
      (rSun + rMoon - distance) / (2 rSun) at maximum (above 1 inside a total path),
      "obscuration" the part of the Sun's disc covered; C2, C3 and total against annular
      use the canons' lunar radius k = 0.2722810. Lunar: the contacts of the eclipse
      list; "visible" when the Moon is above its rise/set horizon line at some moment of
      the umbral phase (the penumbral phase for a penumbral eclipse).
      Example: selvanor-cli eclipses --from "-3200-01-01 CE" --to "6000-01-01 CE" --csv
               selvanor-cli eclipses --from "2000-01-01 CE" --to "2030-01-01 CE" --kind "Total solar eclipse"
               selvanor-cli eclipses --from "2024-01-01 CE" --to "2025-01-01 CE" --place "32.7767, -96.797, 139" --json

  selvanor-cli riseset --place PLACE --from ENTRY --to ENTRY [--greenwich | --zone +-HH:MM]
                       [--csv | --json]
      Lists every rise, transit and set of the Sun and the Moon seen from PLACE in
      [--from, --to), in time order: date and time in the chosen frame, body, event,
      azimuth (degrees from north through east) and apparent altitude (topocentric, with
      refraction for 1010 hPa and 10 C). A body rises or sets when the geocentric altitude
      of its centre is -0 deg 50' (Sun) or 0.7275 parallax - 0 deg 34' (Moon), on a
      sea-level horizon whatever the height; a transit (the upper meridian crossing) is
      listed when the body is then above that line. A day without a rise or a set has no
      such event. --csv prints body,event,jd_ut,azimuth_deg,altitude_deg (body sun or
      moon; event rise, transit or set; jd_ut a Julian date in Greenwich time). --json
      prints an array of {"body", "event", "jd_ut", "time", "azimuth_deg", "altitude_deg"}.
      Example: selvanor-cli riseset --place Paris --from "2024-06-01 CE 00:00" --to "2024-07-01 CE 00:00" --zone +02:00
               selvanor-cli riseset --place "-33.9, 18.4, 10" --from "2024-12-21 CE 00:00" --to "2024-12-22 CE 00:00" --csv

  selvanor-cli lunation --calendar {PAGE_CALENDARS} (--from ENTRY | --number N) [--count K]
                        [--greenwich] [--zone +-HH:MM] [--json] [--png FILE]
      Prints the lunation page of the window "Display lunation with": the lunation that
      holds the moment ENTRY (or lunation N; lunation 0 begins with the new moon of
      2000-01-06), and with --count the K - 1 pages after it. Each page gives its title,
      its Common Era months, then one line per day: day of the lunation, Common Era date,
      date in the chosen calendar, and "today" on today's line. Days run from the day of
      the new moon in the chosen time frame ({DAY_STARTS}). --json prints an
      array of pages {"lunation", "calendar", "title", "year_month", "days": [{"day",
      "day_number", "ce_line", "calendar_line", "weekend", "today"}]}. --png draws the first
      page into a PNG file as the window draws it. Lunations run from -64316 to 49472;
      beyond them the window's message goes to standard error and the exit status is 2.
      Example: selvanor-cli lunation --calendar ARC --from "2000-01-01 CE"
               selvanor-cli lunation --calendar QLW --number 300 --count 13 --json

  selvanor-cli saros N [--solar | --lunar] [--greenwich | --zone +-HH:MM] [--csv | --json]
      Lists every eclipse of saros series N inside the accepted range, in time order: its
      place in the series (1 for its first member in the range, counted separately for the
      solar and the lunar series of that number), the time of greatest eclipse in the
      chosen frame, the type and, for lunar eclipses, the durations. --csv prints
      member,lunation,phase,type,jd_tt_greatest,jd_ut_greatest,half_penumbral_min,
      half_umbral_min,half_total_min. A series with no member in the range: status 2.
      Example: selvanor-cli saros 136 --solar

  selvanor-cli move --step "STEP" [--back] [--count N] [--greenwich] [--zone +-HH:MM]
                    [--entry-calendar CODE] [--json] ENTRY
      Makes N steps (default 1) of the window's Move from the moment ENTRY and prints the
      start and each moment reached, one line each, as the window's history lists it: the
      entry calendar's date, the time and the time frame. STEP is one of the window's step
      list: {STEPS}. A calendar step keeps the time of day and makes its
      calendar the entry calendar. --json prints an array of {"step", "ajd", "cjd",
      "entry", "calendars": {"CE": "2003-02-28 CE", ...}} (step 0 is the start). A step
      beyond the accepted moments is printed, then the window's message goes to standard
      error and the exit status is 2.
      Example: selvanor-cli move --step "1 CE month" --count 3 "2003-01-31 CE 15:55"
               selvanor-cli move --step "1 QLW week" --back --zone +05:30 --json "5001-01-3-3 QLW"

  selvanor-cli search next|previous "TARGET" --from ENTRY [--count N] [--greenwich]
                      [--zone +-HH:MM] [--entry-calendar CODE] [--json]
                      [--place PLACE [--visible]]
      Searches from the moment ENTRY as the window's Search does, for one of its targets:
      "Full moon", "Dark moon", "Half moon (1st quarter)", "Half moon (last quarter)",
      "Quarter", "Lunar or solar eclipse", "Lunar eclipse", "Total lunar eclipse", "Total or
      partial lunar eclipse", "Solar eclipse", "Total solar eclipse", "Annular solar eclipse"
      or "Coincidence of 1sts of month" (any case). --count N searches N times, each from the
      result before, as pressing Search N times does. Each result prints its history entry
      (the entry calendar's date, the time and the time frame), the eclipse data the window
      shows, and an empty line. --json prints an array of {"entry", "ajd", "cjd", "lunation",
      "phase", "eclipse", "description", "log"}: lunation and phase of the phase or syzygy
      found (null for a coincidence), the eclipse record or null, the eclipse data and the
      log's eclipse text. The entry calendar is CODE, else the calendar ENTRY names. A search
      that meets the end of the accepted range prints what it found before, the message on
      standard error, and the exit status is 2. With an eclipse target, --place adds the
      eclipse seen from the place (the window's lines, and "local" in --json, as in
      eclipses); --visible then finds only eclipses seen from the place.
      Example: selvanor-cli search next "Total solar eclipse" --from "2024-01-01 CE" --count 3
               selvanor-cli search next "Solar eclipse" --from "2024-01-01 CE" --place Chicago --visible
               selvanor-cli search previous "coincidence of 1sts of month" --from "2000-01-01 CE" --json

  selvanor-cli --help
      This text.

  selvanor-cli --version
      The version, the same as the desktop program's.

Entries use the date entry grammar of the window: a date, its calendar code and an
optional time, such as {ENTRY_EXAMPLES}.
Accepted moments run from the end of -3201 to 6000-01-01 CE.

A PLACE is a latitude and a longitude, then an optional height in metres: decimal
degrees with a sign or a hemisphere letter (48.857, 2.352 / 48.857 N, 2.352 E, 35 m /
-33.9,18.4,10 / S33.9 E18.4), or degrees, minutes and seconds (40 26'46"N 79 58'56"W,
also with the degree sign); geodetic WGS 84, north and east positive. A text without
digits names a city of the time-zone database (zone1970.tab and iso3166.tab in $TZDIR,
else /usr/share/zoneinfo), compared without regard to case with the whole name ("Paris
(France)"), the city alone ("paris") or a part of it: when no city or several fit,
the candidates go to standard error and the exit status is 2.
)help");
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args[0] == "--version") {
        out << "selvanor-cli " << SELVANOR_VERSION << "\n";
        return 0;
    }
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << HelpText();
        return args.empty() ? 1 : 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "convert") return RunConvert(rest, in, out, err);
    if (args[0] == "phases") return RunPhases(rest, out, err);
    if (args[0] == "eclipses") return RunEclipses(rest, out, err);
    if (args[0] == "saros") return RunSaros(rest, out, err);
    if (args[0] == "move") return RunMove(rest, out, err);
    if (args[0] == "search") return RunSearch(rest, out, err);
    if (args[0] == "riseset") return RunRiseSet(rest, out, err);
    if (args[0] == "lunation") return RunLunation(rest, DatePr2::TodayJdn(SystemClock()), out, err);
    err << "selvanor-cli: unknown command " << args[0] << " (try selvanor-cli --help)\n";
    return 1;
}

}  // namespace Cli
