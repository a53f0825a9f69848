#include "core/ics/IcsText.h"

#include <cmath>
#include <cstdio>

#include "dates/DatePr2.h"

namespace Ics {

namespace {

// Octets of a folded line, without its CR LF; a continuation line spends one on its blank.
constexpr size_t kLineOctets = 75;

// Whether the octet begins a character (is not a UTF-8 continuation octet).
bool StartsCharacter(unsigned char octet) { return (octet & 0xC0) != 0x80; }

// A Julian date begins at noon; the day number of its civil day is that of its noon.
constexpr double kNoon = 0.5;
constexpr double kUnixEpochJulianDate = 2440587.5;  // 1970-01-01 00:00 UTC
constexpr double kSecondsPerDay = 86400.0;

}  // namespace

std::string EscapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\\': escaped += "\\\\"; break;
            case ';': escaped += "\\;"; break;
            case ',': escaped += "\\,"; break;
            case '\n': escaped += "\\n"; break;
            case '\r': break;
            default: escaped += c;
        }
    }
    return escaped;
}

std::string ContentLine(std::string_view nameAndParameters, std::string_view value) {
    const std::string line = std::string(nameAndParameters) + ":" + std::string(value);
    std::string folded;
    size_t start = 0;
    size_t room = kLineOctets;
    while (line.size() - start > room) {
        size_t end = start + room;
        while (end > start && !StartsCharacter(static_cast<unsigned char>(line[end]))) --end;
        folded.append(line, start, end - start).append("\r\n ");
        start = end;
        room = kLineOctets - 1;
    }
    return folded.append(line, start, std::string::npos).append("\r\n");
}

std::string DateValue(int32_t dayNumber) {
    const CalendarDate date = DatePr2::DateOfJdn(dayNumber, DAYCALC_GREGORIAN);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", static_cast<int>(date.year), static_cast<int>(date.month),
                  static_cast<int>(date.day));
    return text;
}

std::string UtcDateTimeValue(double julianDate) {
    // Whole seconds from the midnight that begins the civil day, rounded once so that 23:59:59.6
    // becomes the next day's 00:00:00.
    const double fromMidnight = julianDate + kNoon;
    const auto seconds = static_cast<int64_t>(std::llround(fromMidnight * kSecondsPerDay));
    const auto day = static_cast<int32_t>(seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400));
    const auto inDay = static_cast<int>(seconds - int64_t{day} * 86400);
    char time[16];
    std::snprintf(time, sizeof time, "T%02d%02d%02dZ", inDay / 3600, inDay / 60 % 60, inDay % 60);
    return DateValue(day) + time;
}

double JulianDateOfUnixSeconds(int64_t seconds) {
    return kUnixEpochJulianDate + static_cast<double>(seconds) / kSecondsPerDay;
}

}  // namespace Ics
