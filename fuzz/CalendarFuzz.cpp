// Fuzzes the date readers of the calendars, through the calendar registry and each module's
// own reader: no text may crash them, and a date they accept must come back unchanged. The
// plain text of an accepted day reads back as the same day, and a module's fields survive the
// trip to a day number and back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendars/arc/ArcCal.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/llt/LltCal.h"
#include "calendars/qlw/QLWC.h"
#include "calendars/vo/VoCal.h"
#include "calendars/registry/CalendarRegistry.h"
#include "dates/DatePr2.h"
#include "support/AcceptedRange.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The calendars that read typed dates (the Julian date counts are numbers, read elsewhere).
std::vector<const CalendarDescriptor*> DateCalendars() {
    std::vector<const CalendarDescriptor*> calendars;
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars())
        if (calendar->readDate && calendar->labelOfDay) calendars.push_back(calendar);
    return calendars;
}

bool InAcceptedRange(int32_t jdn) { return jdn >= dblEarliestAJD && jdn <= dblLatestAJD; }

// Through the registry: an accepted text's day, written as its plain text, reads back.
void CheckRegistry(const CalendarDescriptor& calendar, const std::string& text) {
    int32_t jdn = 0;
    const int refusal = calendar.readDate(text, jdn);
    // 0, or one of the calendar's own refusals.
    bool known = refusal == 0;
    for (const CalendarRefusal& r : calendar.refusals) known = known || r.number == refusal;
    Require(known);
    if (refusal != 0) return;
    const DateLabel label = calendar.labelOfDay(jdn);
    if (InAcceptedRange(jdn)) Require(!label.shortText.empty() && !label.caption.empty());
    if (label.shortText.empty()) return;
    const std::string suffix = " " + std::string(calendar.code);
    Require(label.shortText.size() > suffix.size() &&
            label.shortText.compare(label.shortText.size() - suffix.size(), suffix.size(), suffix) == 0);
    const std::string plain = label.shortText.substr(0, label.shortText.size() - suffix.size());
    int32_t again = 0;
    Require(calendar.readDate(plain, again) == 0);
    Require(again == jdn);
}

// The module readers themselves.
void CheckCommonDate(const std::string& text, int32_t letter) {
    CalendarDate date{0, 0, 0, letter, 0, 0};
    const int result = DatePr2::ParseDate(text, date);
    Require(result >= -1 && result <= 1);
    Require((result == 1) == (date.valid == 1));
    if (result != 1) return;
    if (letter == DAYCALC_ARCHETYPES) {
        if (!ArcCal::ArcDateToJdn(date)) return;
        CalendarDate back{0, 0, 0, letter, date.jdn, 0};
        ArcCal::JdnToArcDate(back);
        Require(back.year == date.year && back.month == date.month && back.day == date.day);
        return;
    }
    Require(DatePr2::IsExistingDate(date.year, date.month, date.day, letter));
    const int32_t jdn = DatePr2::DateToJdn(date);
    const CalendarDate back = DatePr2::DateOfJdn(jdn, letter);
    Require(back.year == date.year && back.month == date.month && back.day == date.day);
}

void CheckVo(const std::string& text) {
    VoDate date{};
    if (!VoCal::ParseVoDate(text, date) || !VoCal::VoDateToJdn(date)) return;
    Require(date.valid == 1);
    VoDate back{};
    back.jdn = date.jdn;
    VoCal::JdnToVoDate(back);
    Require(back.cycle == date.cycle && back.year == date.year && back.month == date.month && back.day == date.day);
}

void CheckLlt(const std::string& text) {
    LltDate date{};
    if (!LltCal::ParseLltDate(text, date) || !LltCal::LltDateToJdn(date)) return;
    LltDate back{};
    back.jdn = date.jdn;
    LltCal::JdnToLltDate(back);
    Require(back.cycle == date.cycle && back.year == date.year && back.month == date.month &&
            back.triday == date.triday && back.day == date.day);
}

void CheckDvg(const std::string& text) {
    DVGCal::DvgDate date{};
    if (!DVGCal::ParseDvgDate(text, date)) {
        Require(!date.valid && date.jdn == 0);
        return;
    }
    Require(date.valid);
    DVGCal::DvgDate back{};
    back.jdn = date.jdn;
    DVGCal::JdnToDvgDate(back);
    Require(back.cycle == date.cycle && back.year == date.year && back.month == date.month && back.day == date.day);
}

void CheckQlw(const std::string& text) {
    QLWC::QlwDate date{};
    const int result = QLWC::ParseQlwDate(text, date);
    Require(result <= QLWC::QlwOk && result >= QLWC::QlwNoSuchDay);
    if (result != QLWC::QlwOk) {
        Require(date.valid == 0);
        return;
    }
    Require(date.valid == 1);
    QLWC::QlwDate back{};
    back.jdn = date.jdn;
    QLWC::JdnToQlwDate(back);
    Require(back.valid == 1 && back.year == date.year && back.month == date.month && back.week == date.week &&
            back.day == date.day);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<const CalendarDescriptor*> calendars = DateCalendars();
    if (size == 0 || calendars.empty()) return 0;
    // The first byte picks the calendar; the rest is the date text.
    const CalendarDescriptor& calendar = *calendars[data[0] % calendars.size()];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    CheckRegistry(calendar, text);
    switch (calendar.index) {
        case CalendarTable::CE: CheckCommonDate(text, DAYCALC_GREGORIAN); break;
        case CalendarTable::JC: CheckCommonDate(text, DAYCALC_JULIAN); break;
        case CalendarTable::ARC: CheckCommonDate(text, DAYCALC_ARCHETYPES); break;
        case CalendarTable::VO: CheckVo(text); break;
        case CalendarTable::LLT: CheckLlt(text); break;
        case CalendarTable::DVG: CheckDvg(text); break;
        case CalendarTable::QLW: CheckQlw(text); break;
        default: break;
    }
    return 0;
}
