#include "cli/LunationCommand.h"

#include "calendars/registry/CalendarRegistry.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <ostream>

#include "astro/Syzyg.h"
#include "cli/CliArgs.h"
#include "cli/Command.h"
#include "support/StrProc.h"

namespace Cli {

namespace {

using namespace LunationPage;

LunationPngWriter pngWriter = nullptr;
LunationPdfWriter pdfWriter = nullptr;

// The largest --count: every page of the range.
constexpr int32_t kMaxCount = kLatestLunation - kEarliestLunation + 1;

constexpr OptionDef kOptions[] = {
    {"--calendar", "CODE", "The lunar calendar of the page.", ValueKind::LunarCalendar},
    {"--from", "ENTRY", "The page of the lunation that holds this moment.", ValueKind::Entry},
    {"--number", "N", "The page of lunation N (0 begins with the new moon of 2000-01-06).", ValueKind::Number},
    {"--count", "K", "K pages: this one and the K - 1 after it (default 1).", ValueKind::Number},
    kGreenwichOption,
    kZoneOption,
    {"--json", "", "An array of pages as JSON."},
    {"--png", "FILE", "Draws the first page into a PNG picture as the window draws it.", ValueKind::File},
    {"--pdf", "FILE", "Writes every page, one a sheet, into a PDF file as the window prints them.", ValueKind::File},
};

std::string Description() {
    return "Prints the lunation page of the window's \"Display lunation with\": its title, its Common Era "
           "months, then one line per day: day of the lunation, Common Era date, date in the chosen calendar, "
           "and \"today\" on today's line. Days run from the day of the new moon in the chosen time frame (a "
           "QLW day begins at 06:00). --json prints an array of pages {\"lunation\", \"calendar\", \"title\", "
           "\"year_month\", \"days\": [{\"day\", \"day_number\", \"ce_line\", \"calendar_line\", "
           "\"weekend\", \"today\"}]}.\n\n"
           "--pdf writes the pages as a printed lunar year: landscape sheets of A4, or of Letter where the "
           "locale's paper is Letter (LC_PAPER), with the text as text. Lunations run from " +
           std::to_string(kEarliestLunation) + " to " + std::to_string(kLatestLunation) +
           "; beyond them the window's message goes to standard error and the exit status is 2.\n\n"
           "Examples:\n"
           "  selvanor-cli lunation --calendar ARC --from \"2000-01-01 CE\"\n"
           "  selvanor-cli lunation --calendar QLW --number 300 --count 13 --json\n"
           "  selvanor-cli lunation --calendar DVG --from \"2025-01-01 CE\" --count 13 --pdf year.pdf";
}

void LimitMessage(bool next, std::ostream& err) {
    err << LimitMessageTitle(next) << ": " << (next ? kLatestMessage : kEarliestMessage) << "\n";
}

struct LunationOptions {
    TimeFrame frame;
    int calendar = -1;
    std::optional<std::string> from;
    std::optional<int32_t> number;
    int32_t count = 1;
    bool json = false;
    std::string png, pdf;
};

// Reads the options; the mistake, if any.
std::optional<std::string> ReadOptions(const CommandLine& line, LunationOptions& options) {
    const Mistake mistake = EachOption(line, options.frame, [&](const std::string& name, const std::string& value) -> Mistake {
        if (name == "--json") {
            options.json = true;
        } else if (name == "--calendar") {
            options.calendar = CalendarOfCode(StrProc::UpperCase(value));
            if (options.calendar < 0) return "--calendar takes " + ChoiceList(ValueKind::LunarCalendar);
        } else if (name == "--from") {
            options.from = value;
        } else if (name == "--number") {
            const auto number = WholeNumber(value, INT32_MIN, INT32_MAX);
            if (!number) return "--number takes a whole lunation number";
            options.number = static_cast<int32_t>(*number);
        } else if (name == "--count") {
            const auto count = WholeNumber(value, 1, kMaxCount);
            if (!count) return "--count takes a number of pages from 1 to " + std::to_string(kMaxCount);
            options.count = static_cast<int32_t>(*count);
        } else {
            (name == "--png" ? options.png : options.pdf) = value;
        }
        return std::nullopt;
    });
    if (mistake) return mistake;
    if (options.calendar < 0) return "give --calendar " + ChoiceList(ValueKind::LunarCalendar);
    if (options.from.has_value() == options.number.has_value()) return "give either --from ENTRY or --number N";
    return std::nullopt;
}

}  // namespace

const CommandDef& LunationCommand() {
    static const CommandDef definition{"lunation",
                                  "--calendar CODE (--from ENTRY | --number N) [--count K] [--json] [--png FILE] "
                                  "[--pdf FILE] [--greenwich | --zone +-HH:MM]",
                                  "The lunation pages of the lunation window, as text, JSON, a PNG picture or PDF",
                                  kOptions, {}, false, Description};
    return definition;
}

void SetLunationPngWriter(LunationPngWriter writer) { pngWriter = writer; }
void SetLunationPdfWriter(LunationPdfWriter writer) { pdfWriter = writer; }

std::string LunationPageText(const Page& page) {
    std::string text = page.title + "\n" + page.yearAndMonth + "\n";
    for (const Day& day : page.dayCells) {
        std::string line = (day.dayOfLunation < 10 ? " " : "") + std::to_string(day.dayOfLunation) + "  " +
                           day.commonEraLine;
        line.resize(std::max<size_t>(line.size(), 16), ' ');
        line += "  " + day.calendarLine;
        if (day.today) line += "  today";
        text += line + "\n";
    }
    return text;
}

std::string LunationPageJson(const Page& page) {
    std::string json = "{\"lunation\": " + std::to_string(page.lunation) + ", \"calendar\": " +
                       JsonString(std::string(CalendarRegistry::Calendar(page.calendar).code)) + ", \"title\": " + JsonString(page.title) +
                       ", \"year_month\": " + JsonString(page.yearAndMonth) + ", \"days\": [";
    for (const Day& day : page.dayCells) {
        if (day.dayOfLunation > 1) json += ", ";
        json += "{\"day\": " + std::to_string(day.dayOfLunation) + ", \"day_number\": " +
                std::to_string(day.dayNumber) + ", \"ce_line\": " + JsonString(day.commonEraLine) +
                ", \"calendar_line\": " + JsonString(day.calendarLine) +
                ", \"weekend\": " + (day.weekend ? "true" : "false") + ", \"today\": " + (day.today ? "true" : "false") +
                "}";
    }
    return json + "]}";
}

int RunLunation(std::vector<std::string> args, int32_t today, std::ostream& out, std::ostream& err) {
    const CommandDef& command = LunationCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    LunationOptions options;
    if (const auto mistake = ReadOptions(line, options)) return UsageError(command, *mistake, err);
    if ((!options.png.empty() && !pngWriter) || (!options.pdf.empty() && !pdfWriter)) {
        err << "selvanor-cli lunation: " << (options.png.empty() ? "PDF" : "PNG")
            << " output is not available in this build\n";
        return kUsage;
    }
    int32_t first = 0;
    if (options.from) {
        const ParsedMoment moment = ParseMomentEntry(*options.from, options.frame);
        if (!moment.error.empty()) {
            err << *options.from << ": " << moment.error << "\n";
            return kRefused;
        }
        first = Syzyg::LunationAt(moment.ajd);
    } else {
        first = *options.number;
    }
    if (first < kEarliestLunation || first > kLatestLunation) {
        LimitMessage(first > kLatestLunation, err);
        return kRefused;
    }
    const int offset = FrameOffsetMinutes(options.frame.greenwich, options.frame.zoneOffsetMinutes);
    // Pages past the latest lunation are refused as the window's next button refuses them.
    const int32_t last = static_cast<int32_t>(std::min<int64_t>(int64_t{first} + options.count - 1, kLatestLunation));
    std::vector<Page> pdfPages;
    if (options.json) out << "[\n";
    for (int32_t n = first; n <= last; ++n) {
        Page page = ComputePage(n, options.calendar, today, offset);
        if (options.json)
            out << LunationPageJson(page) << (n < last ? ",\n" : "\n");
        else
            out << (n > first ? "\n" : "") << LunationPageText(page);
        if (n == first && !options.png.empty()) {
            const std::string error = pngWriter(page, options.png);
            if (!error.empty()) {
                err << "selvanor-cli lunation: " << error << "\n";
                return kFailed;
            }
        }
        if (!options.pdf.empty()) pdfPages.push_back(std::move(page));
    }
    if (options.json) out << "]\n";
    if (!options.pdf.empty()) {
        const std::string error = pdfWriter(pdfPages, options.pdf);
        if (!error.empty()) {
            err << "selvanor-cli lunation: " << error << "\n";
            return kFailed;
        }
    }
    if (int64_t{first} + options.count - 1 > kLatestLunation) {
        LimitMessage(true, err);
        return kRefused;
    }
    return kDone;
}

}  // namespace Cli
