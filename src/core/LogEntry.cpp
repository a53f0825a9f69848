#include "core/LogEntry.h"

#include "support/StrProc.h"

namespace LogEntry {

namespace {

// The calendar items' order in an entry.
constexpr std::array<CalendarTable::Index, CalendarTable::intNumCalendars> kItemOrder = {
    CalendarTable::CE,  CalendarTable::JC,  CalendarTable::ARC, CalendarTable::VO,  CalendarTable::LLT,
    CalendarTable::DVG, CalendarTable::QLW, CalendarTable::CJD, CalendarTable::AJD};

std::string Before(const std::string& text, size_t position) {
    return position == std::string::npos ? text : text.substr(0, position);
}

// "CE=2012-12-21  ": the label up to two characters before its code (the blank and the code's
// own first letter go), then two blanks; the AJD item ends the line without them.
std::string CalendarEqualsDate(const CalendarDescriptor& calendar, const std::string& label) {
    const size_t code = label.find(calendar.code);
    const long long keep = code == std::string::npos ? static_cast<long long>(label.size()) - 1
                                                     : static_cast<long long>(code) - 1;
    std::string item = std::string(calendar.code) + "=" + StrProc::SafeLeft(label, keep);
    if (calendar.index != CalendarTable::AJD) item += "  ";
    return item;
}

// "2012-12-21 CE": CE and JC up to the first comma, the lunar calendars up to the blank before
// their long form in parentheses, the Julian dates whole.
std::string DateThenCalendar(const CalendarDescriptor& calendar, const std::string& label) {
    if (calendar.julianDateCount) return label;
    if (calendar.index == CalendarTable::CE || calendar.index == CalendarTable::JC) return Before(label, label.find(','));
    const size_t paren = label.find('(');
    if (paren == std::string::npos) return label;
    return StrProc::SafeLeft(label, static_cast<long long>(paren) - 1);
}

}  // namespace

LogPreferences::Item IncludeItemOf(int calendarIndex) {
    switch (calendarIndex) {
        case CalendarTable::CE: return LogPreferences::CE;
        case CalendarTable::JC: return LogPreferences::JC;
        case CalendarTable::ARC: return LogPreferences::ARC;
        case CalendarTable::VO: return LogPreferences::VO;
        case CalendarTable::LLT: return LogPreferences::LLT;
        case CalendarTable::DVG: return LogPreferences::DVG;
        case CalendarTable::CJD: return LogPreferences::CJD;
        case CalendarTable::AJD: return LogPreferences::AJD;
        default: return LogPreferences::QLW;
    }
}

std::string Header(const std::string& caption, const std::string& lineBreak) {
    return caption + lineBreak + kDocumentationAddress + lineBreak + lineBreak;
}

std::string Entry(const std::string& dateText, const std::string& operation, const std::string& extra,
                  const Display& display, const LogPreferences& preferences, const std::string& lineBreak) {
    std::string text = operation + lineBreak + dateText + lineBreak;
    bool atLineStart = true;
    for (CalendarTable::Index index : kItemOrder) {
        if (!preferences.include[IncludeItemOf(index)] || index == display.entryCalendar) continue;
        const CalendarDescriptor& calendar = CalendarRegistry::Calendar(index);
        const std::string& label = display.dateLabels[static_cast<size_t>(index)];
        if (preferences.calendarEqualsDate) {
            text += CalendarEqualsDate(calendar, label);
        } else {
            if (!atLineStart) text += ", ";
            text += DateThenCalendar(calendar, label);
        }
        atLineStart = false;
    }
    if (!atLineStart) text += lineBreak;
    atLineStart = true;

    const bool phase = preferences.include[LogPreferences::PhaseOfMoon];
    const bool lunation = preferences.include[LogPreferences::LunationAndAge];
    if (phase) {
        const size_t comma = display.phaseLabel.find(',');
        text += Before(display.phaseLabel, comma) + ", illum. = " +
                (comma == std::string::npos ? std::string() : display.phaseLabel.substr(comma + 1));
        atLineStart = false;
    }
    if (lunation) text += (atLineStart ? "Lunation and age = " : ", lunat. and age = ") + display.ageLabel;
    if (phase || lunation) text += "." + lineBreak;
    if (!extra.empty()) text += extra + lineBreak;
    return text + lineBreak;
}

}  // namespace LogEntry
