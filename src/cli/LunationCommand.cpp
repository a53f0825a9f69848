#include "cli/LunationCommand.h"

#include "calendars/registry/CalendarRegistry.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <ostream>

#include "astro/Syzyg.h"
#include "cli/CliArgs.h"

namespace Cli {

namespace {

using namespace LunationPage;

LunationPngWriter pngWriter = nullptr;

// The largest --count: every page of the range.
constexpr int32_t kMaxCount = kLatestLunation - kEarliestLunation + 1;

std::optional<int32_t> WholeNumber(const std::string& text) {
    int64_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
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
    std::string png;
};

// Reads the options; false (with the message written) on a usage error.
bool ReadOptions(std::vector<std::string> argv, LunationOptions& options, std::ostream& err) {
    Args args(std::move(argv));
    const auto fail = [&err](const std::string& text) {
        err << "selvanor-cli lunation: " << text << "\n";
        return false;
    };
    while (!args.Done()) {
        std::string error;
        if (TakeFrameOption(args, options.frame, error)) {
            if (!error.empty()) return fail(error);
            continue;
        }
        const std::string arg = args.Take();
        if (arg == "--json") {
            options.json = true;
            continue;
        }
        const std::optional<std::string> value = args.Value();
        if (!value) return fail(arg + " needs a value (try selvanor-cli --help)");
        if (arg == "--calendar") {
            options.calendar = CalendarOfCode(Upper(*value));
            if (options.calendar < 0) return fail("--calendar takes " + PageCalendarCodes(", ", " or "));
        } else if (arg == "--from") {
            options.from = *value;
        } else if (arg == "--number") {
            options.number = WholeNumber(*value);
            if (!options.number) return fail("--number takes a whole lunation number");
        } else if (arg == "--count") {
            const auto count = WholeNumber(*value);
            if (!count || *count < 1 || *count > kMaxCount)
                return fail("--count takes a number of pages from 1 to " + std::to_string(kMaxCount));
            options.count = *count;
        } else if (arg == "--png") {
            options.png = *value;
        } else {
            return fail("unexpected " + arg + " (try selvanor-cli --help)");
        }
    }
    if (options.calendar < 0) return fail("give --calendar " + PageCalendarCodes("|"));
    if (options.from.has_value() == options.number.has_value()) return fail("give either --from ENTRY or --number N");
    return true;
}

}  // namespace

void SetLunationPngWriter(LunationPngWriter writer) { pngWriter = writer; }

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
    LunationOptions options;
    if (!ReadOptions(std::move(args), options, err)) return 1;
    if (!options.png.empty() && !pngWriter) {
        err << "selvanor-cli lunation: PNG output is not available in this build\n";
        return 1;
    }
    int32_t first = 0;
    if (options.from) {
        const ParsedMoment moment = ParseMomentEntry(*options.from, options.frame);
        if (!moment.error.empty()) {
            err << *options.from << ": " << moment.error << "\n";
            return 2;
        }
        first = Syzyg::LunationAt(moment.ajd);
    } else {
        first = *options.number;
    }
    if (first < kEarliestLunation || first > kLatestLunation) {
        LimitMessage(first > kLatestLunation, err);
        return 2;
    }
    const int offset = FrameOffsetMinutes(options.frame.greenwich, options.frame.zoneOffsetMinutes);
    // Pages past the latest lunation are refused as the window's next button refuses them.
    const int32_t last = static_cast<int32_t>(std::min<int64_t>(int64_t{first} + options.count - 1, kLatestLunation));
    if (options.json) out << "[\n";
    for (int32_t n = first; n <= last; ++n) {
        const Page page = ComputePage(n, options.calendar, today, offset);
        if (options.json)
            out << LunationPageJson(page) << (n < last ? ",\n" : "\n");
        else
            out << (n > first ? "\n" : "") << LunationPageText(page);
        if (n == first && !options.png.empty()) {
            const std::string error = pngWriter(page, options.png);
            if (!error.empty()) {
                err << "selvanor-cli lunation: " << error << "\n";
                return 1;
            }
        }
    }
    if (options.json) out << "]\n";
    if (int64_t{first} + options.count - 1 > kLatestLunation) {
        LimitMessage(true, err);
        return 2;
    }
    return 0;
}

}  // namespace Cli
