#include "core/LogEntry.h"

#include "support/StrProc.h"

namespace LogEntry {

namespace {

std::string Before(const std::string& text, size_t position) {
    return position == std::string::npos ? text : text.substr(0, position);
}

// "CE=2012-12-21  ": the label up to two characters before its code (the blank and the code's
// own first letter go), then two blanks unless the item closes the line.
std::string CalendarEqualsDate(const CalendarDescriptor& calendar, const std::string& label) {
    const size_t code = label.find(calendar.code);
    const long long keep = code == std::string::npos ? static_cast<long long>(label.size()) - 1
                                                     : static_cast<long long>(code) - 1;
    std::string item = std::string(calendar.code) + "=" + StrProc::SafeLeft(label, keep);
    if (!calendar.logItemEndsLine) item += "  ";
    return item;
}

// "2012-12-21 CE": the label up to the blank before its long form in parentheses (the day
// counts have none and are written whole). An item that reads back as an entry.
std::string DateThenCalendar(const std::string& label) { return Before(label, label.find(" (")); }

}  // namespace

std::string Header(const std::string& caption, const std::string& lineBreak) {
    return caption + lineBreak + kDocumentationAddress + lineBreak + lineBreak;
}

std::string Entry(const std::string& dateText, const std::string& operation, const std::string& extra,
                  const Display& display, const LogPreferences& preferences, const std::string& lineBreak) {
    std::string text = operation + lineBreak + dateText + lineBreak;
    bool atLineStart = true;
    for (const CalendarDescriptor* calendar : CalendarRegistry::DisplayOrder()) {
        const int index = calendar->index;
        if (!preferences.Includes(index) || index == display.entryCalendar) continue;
        const std::string& label =
            index < static_cast<int>(display.dateLabels.size()) ? display.dateLabels[static_cast<size_t>(index)] : "";
        if (preferences.calendarEqualsDate) {
            text += CalendarEqualsDate(*calendar, label);
        } else {
            if (!atLineStart) text += ", ";
            text += DateThenCalendar(label);
        }
        atLineStart = false;
    }
    if (!atLineStart) text += lineBreak;
    atLineStart = true;

    const bool phase = preferences.phaseOfMoon;
    const bool lunation = preferences.lunationAndAge;
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
