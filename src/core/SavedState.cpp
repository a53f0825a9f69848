#include "core/SavedState.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "support/AcceptedRange.h"
#include "support/StrProc.h"

bool SavedState::operator==(const SavedState& o) const {
    return dblCurrentAJDate == o.dblCurrentAJDate && intEntryCalendar == o.intEntryCalendar &&
           moveForward == o.moveForward && plus == o.plus && next == o.next && greenwich == o.greenwich &&
           moveStep == o.moveStep && target == o.target && timeZone == o.timeZone &&
           refreshPeriod == o.refreshPeriod && repeatedly == o.repeatedly && logOn == o.logOn &&
           eclipseData == o.eclipseData && logPreferences == o.logPreferences && monthCalendar == o.monthCalendar &&
           place == o.place;
}

namespace SavedStateFile {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\n') {
            out += kLineEnd;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;  // CR LF in the text is one line break, written once
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Boolean(bool value) { return value ? "-1" : "0"; }
std::string Box(bool checked) { return checked ? "1" : "0"; }

// The values of the file in order, each taken from the text as it is needed.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Line() {
        if (pos_ >= text_.size()) return std::nullopt;
        const size_t end = text_.find('\n', pos_);
        std::string_view line = text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

    // A quoted text (possibly over several lines, the rest of its last line ignored) or, when
    // the line does not open with a quote, the whole line.
    std::optional<std::string> Text() {
        size_t start = pos_;
        while (start < text_.size() && (text_[start] == ' ' || text_[start] == '\t')) ++start;
        if (start >= text_.size() || text_[start] != '"') {
            const auto line = Line();
            return line ? std::optional<std::string>(std::string(*line)) : std::nullopt;
        }
        std::string out;
        for (size_t i = start + 1; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == '"') {
                if (i + 1 < text_.size() && text_[i + 1] == '"') {
                    out += '"';
                    ++i;
                    continue;
                }
                pos_ = i + 1;
                Line();  // the rest of the closing line
                return out;
            }
            if (c == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') continue;
            out += c;
        }
        return std::nullopt;  // never closed
    }

    std::optional<long long> Whole() {
        const auto line = Line();
        if (!line) return std::nullopt;
        std::string_view field = Trimmed(*line);
        if (!field.empty() && field.front() == '+') field.remove_prefix(1);
        long long value = 0;
        const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || ec != std::errc() || end != field.data() + field.size()) return std::nullopt;
        return value;
    }

    std::optional<double> Double() {
        const auto line = Line();
        if (!line) return std::nullopt;
        const std::string_view field = Trimmed(*line);
        double value = 0;
        const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || ec != std::errc() || end != field.data() + field.size()) return std::nullopt;
        return value;
    }

    // A check box's state: a text whose leading number must be 0 or 1.
    std::optional<bool> Box() {
        const auto text = Text();
        if (!text) return std::nullopt;
        const double value = StrProc::LeadingNumber(*text);
        if (value != 0.0 && value != 1.0) return std::nullopt;
        return value == 1.0;
    }

    std::optional<int> Index(int count) {
        const auto value = Whole();
        if (!value || *value < 0 || *value >= count) return std::nullopt;
        return static_cast<int>(*value);
    }

private:
    static std::string_view Trimmed(std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
        return s;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

// A typed place is one short line.
constexpr size_t kMaxPlaceBytes = 256;

// Printable UTF-8 and line breaks only: the label shows the text as it is.
bool SoundText(const std::string& text) {
    if (text.size() > kMaxEclipseDataBytes) return false;
    int lines = 1;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') ++lines;
        if (c < 0x20 && c != '\n' && c != '\t') return false;
        if (c == 0x7f) return false;
        size_t extra = 0;
        if (c >= 0xc2 && c <= 0xdf) extra = 1;
        else if (c >= 0xe0 && c <= 0xef) extra = 2;
        else if (c >= 0xf0 && c <= 0xf4) extra = 3;
        else if (c >= 0x80) return false;
        if (extra >= text.size() - i) return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
        i += extra + 1;
    }
    return lines <= kMaxEclipseDataLines;
}

// Values 16 to 26 are the log boxes: the calendars of the first eight rows of the calendar
// table in its order, the two Moon boxes, then the ninth calendar's (the file grew that way).
// Notations registered after the nine are not in the file.
constexpr int kFirstIncludeValue = 16;
constexpr int kMoonBoxesAfter = 8;

template <typename Preferences>  // LogPreferences or const LogPreferences
auto MoonBox(int number, Preferences& p) -> decltype(&p.phaseOfMoon) {
    if (number == kFirstIncludeValue + kMoonBoxesAfter) return &p.phaseOfMoon;
    if (number == kFirstIncludeValue + kMoonBoxesAfter + 1) return &p.lunationAndAge;
    return nullptr;
}

int CalendarOfIncludeValue(int number) {
    const int place = number - kFirstIncludeValue;
    return place < kMoonBoxesAfter ? place : place - 2;
}

bool AcceptedMoment(double ajd) { return std::isfinite(ajd) && ajd >= dblEarliestAJD && ajd <= dblLatestAJD; }

// Each value in file order: true when it was read and is sound, and then it is in the record.
bool ReadValue(int number, Cursor& in, SavedState& s) {
    auto set = [](auto& field, const auto& value) {
        if (value) field = *value;
        return value.has_value();
    };
    auto nonZero = [](std::optional<long long> v) { return v ? std::optional<bool>(*v != 0) : std::nullopt; };
    switch (number) {
        case 1: {
            const auto ajd = in.Double();
            return ajd && AcceptedMoment(*ajd) && set(s.dblCurrentAJDate, ajd);
        }
        case 2: return set(s.intEntryCalendar, in.Index(CalendarTable::kBuiltInCount));
        case 3: return set(s.moveForward, nonZero(in.Whole()));
        case 4: return set(s.plus, nonZero(in.Whole()));
        case 5: return set(s.next, nonZero(in.Whole()));
        case 6: {
            const auto v = in.Whole();
            return v && set(s.greenwich, std::optional<bool>(*v == -1));
        }
        case 7: return set(s.moveStep, in.Index(static_cast<int>(MoveSteps::Steps().size())));
        case 8: {
            const auto row = in.Index(static_cast<int>(SearchTargets::kListRows.size()));
            // The saros search needs the eclipse found in this run; the next run offers any eclipse.
            if (row && SearchTargets::TargetOfRow(*row) == SearchTargets::kSameSaros)
                return set(s.target, std::optional<int>(SearchTargets::RowOf(SearchTargets::kAnyEclipse)));
            return set(s.target, row);
        }
        case 9: return set(s.timeZone, in.Index(TimeZones::kZoneCount));
        case 10: return set(s.refreshPeriod, in.Index(static_cast<int>(RefreshPeriods::kSeconds.size())));
        case 11: s.repeatedly = false; return in.Text().has_value();
        case 12: return set(s.logOn, in.Box());
        case 13: {
            const auto text = in.Text();
            return text && SoundText(*text) && set(s.eclipseData, text);
        }
        case 14: return in.Text().has_value();
        case 15: return set(s.logPreferences.calendarEqualsDate, nonZero(in.Whole()));
        case 27:
            return set(s.monthCalendar, in.Index(static_cast<int>(CalendarRegistry::LunationPageCalendars().size())));
        case kPlaceValue: {
            const auto text = in.Text();
            return text && text->size() <= kMaxPlaceBytes && text->find('\n') == std::string::npos &&
                   SoundText(*text) && set(s.place, text);
        }
        default: {
            const auto box = in.Box();
            if (!box) return false;
            if (bool* moon = MoonBox(number, s.logPreferences))
                *moon = *box;
            else
                s.logPreferences.SetIncluded(CalendarOfIncludeValue(number), *box);
            return true;
        }
    }
}

}  // namespace

std::string Write(const SavedState& s) {
    char moment[32];
    // A move may end beyond the accepted moments; the reader would refuse such a moment and all
    // that follows it, so the nearest end is written instead.
    const double accepted = !(s.dblCurrentAJDate >= dblEarliestAJD) ? dblEarliestAJD
                            : s.dblCurrentAJDate > dblLatestAJD     ? dblLatestAJD
                                                                    : s.dblCurrentAJDate;
    const auto written = std::to_chars(moment, moment + sizeof moment, accepted);
    const LogPreferences& prefs = s.logPreferences;
    std::string values[kValueCount] = {
        std::string(moment, written.ptr),
        std::to_string(s.intEntryCalendar),
        Boolean(s.moveForward),
        Boolean(s.plus),
        Boolean(s.next),
        Boolean(s.greenwich),
        std::to_string(s.moveStep),
        std::to_string(s.target),
        std::to_string(s.timeZone),
        std::to_string(s.refreshPeriod),
        Box(s.repeatedly),
        Box(s.logOn),
        Quoted(s.eclipseData),
        Quoted(kFixedText),
        Boolean(prefs.calendarEqualsDate),
    };
    for (int number = kFirstIncludeValue; number < kValueCount; ++number) {
        const bool* moon = MoonBox(number, prefs);
        values[number - 1] = Box(moon ? *moon : prefs.Includes(CalendarOfIncludeValue(number)));
    }
    values[26] = std::to_string(s.monthCalendar);
    std::string out;
    for (const std::string& value : values) out += value + kLineEnd;
    return out + Quoted(s.place) + kLineEnd;
}

Reading Read(std::string_view text) {
    Reading reading;
    Cursor in(text.substr(0, kMaxFileBytes));
    while (reading.valuesRead < kPlaceValue && ReadValue(reading.valuesRead + 1, in, reading.state))
        ++reading.valuesRead;
    return reading;
}

}  // namespace SavedStateFile
