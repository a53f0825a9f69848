// Search, a history entry chosen and a saros member chosen, on the shown value.
#include <cmath>

#include "astro/EclipseTypes.h"
#include "astro/Syzyg.h"
#include "core/EntryParser.h"
#include "core/History.h"
#include "core/search/EclipseDescription.h"
#include "core/search/SeenFromPlace.h"
#include "core/shown/EclipseOnShow.h"
#include "core/shown/Operations.h"
#include "core/shown/StartReading.h"

namespace Shown {

namespace {

Message Warning(const std::string& title, const std::string& text) { return {Message::Icon::Warning, title, text}; }

// The found eclipse on show, and as the last found one.
void ShowFound(ShownMoment& value, int32_t lunation, int phase, const EclipseData& record, double greatestAjd) {
    const Search::EclipseTexts texts = Search::EclipseDescription(record, greatestAjd, value.frame);
    value.eclipse = EclipseOnShow{lunation, phase, record, texts.label, texts.log};
    value.lastFound = FoundEclipse{lunation, phase, EclipseTypes::IsLunar(record.type)};
}

}  // namespace

Outcome Search(const ShownMoment& shown, const std::string& dateBox, int target, bool next, bool seenFromPlace) {
    Outcome out;
    const StartReading reading = ReadStart(shown, dateBox, "", true);
    out.dateBox = reading.dateBox;
    if (reading.refusal) {
        out.message = reading.refusal;
        return out;
    }
    // The entry's calendar stays the entry calendar whatever the search finds; its moment only
    // when the search finds something.
    ShownMoment start = reading.start;
    if (!SearchTargets::IsTarget(target)) {
        start.ajd = shown.ajd;
        Render(start);
        out.next = std::move(start);
        out.message = Warning(Search::kSearchTitle, Search::kBlankTargetMessage);
        return out;
    }
    Search::Request request;
    request.target = target;
    request.next = next;
    request.ajd = start.ajd;
    request.frame = shown.frame;
    request.eclipse = DisplayedEclipseOf(shown);
    if (seenFromPlace && shown.place) request.accept = Search::SeenFrom(shown.place->place);
    const Search::Result result = Search::RunSearch(request);

    ShownMoment after = start;
    after.liveClock = false;
    if (!result.Found()) {
        // The moment stays; the eclipse data and the date box are cleared before the search, and
        // given back when it met the end of the range.
        after.ajd = shown.ajd;
        const bool rangeEnd = result.outcome == Search::Result::Outcome::RangeEnd;
        if (!rangeEnd) {
            after.eclipse.reset();
            out.dateBox = std::string();
        }
        Render(after);
        out.next = std::move(after);
        // The saros message only asks for an eclipse on display; the others warn.
        const auto icon = result.outcome == Search::Result::Outcome::NoEclipseDisplayed ? Message::Icon::Information
                                                                                         : Message::Icon::Warning;
        out.message = Message{icon, result.title, result.message};
        return out;
    }
    after.ajd = result.ajd;
    after.eclipse.reset();
    if (result.eclipseFound) ShowFound(after, result.lunation, result.phase, result.record, result.ajd);
    Render(after);
    out.dateBox = after.EntryDateBoxText();
    Report report;
    report.eclipseType = result.record.type;
    report.operation = Search::OperationText(target, next);
    // The log carries the eclipse data of eclipse searches only, not of an eclipsed phase.
    const auto kind = SearchTargets::kTargets[static_cast<size_t>(target)].kind;
    if ((kind == SearchTargets::Kind::Eclipse || kind == SearchTargets::Kind::SameSaros) && after.eclipse)
        report.extra = after.eclipse->logText;
    out.report = std::move(report);
    out.next = std::move(after);
    return out;
}

Outcome ChooseHistoryEntry(const ShownMoment& shown, const std::string& entry, int eclipseType) {
    Outcome out;
    out.dateBox = out.daysBox = std::string();
    // The entry's frame first: its date and time are read in it. The zone is the list's.
    const History::EntryFrame frame = History::FrameOfEntry(entry);
    ShownMoment next = shown;
    next.frame = TimeFrame{frame.greenwich, TimeZones::ZoneOffsetOfIndex(frame.ZoneIndex())};
    next.eclipse.reset();
    next.liveClock = false;

    EntryContext context;
    context.entryCalendar = shown.entryCalendar;
    context.restoringHistory = true;
    context.frame = next.frame;
    const EntryResult parsed = ParseDateEntry(entry, context);
    if (parsed.error != EntryError::None) {
        Render(next);
        out.next = std::move(next);
        out.message = Warning("Error", "Error" + std::to_string(static_cast<int>(parsed.error)) + " when selecting from History.");
        return out;
    }
    next.ajd = parsed.ajd;
    next.entryCalendar = parsed.calendarIndex;
    Render(next);

    int32_t lunation = Syzyg::LunationAt(next.ajd);
    bool exact = false;
    int phase = Syzyg::GetPhase(lunation, next.ajd, exact);
    if (phase < 0) {
        out.next = std::move(next);
        out.message = Warning("Error", "Error" + std::to_string(phase) + " when calling GetPhase() in cboHistory_Click().");
        return out;
    }
    // An eclipse found by a search may lie minutes before its syzygy: its entry names the
    // syzygy's lunation and phase again.
    if (eclipseType > 0) {
        if (EclipseTypes::IsLunar(eclipseType) && phase == 1) phase = 2;
        if (!EclipseTypes::IsLunar(eclipseType) && phase == 3) {
            phase = 0;
            ++lunation;
        }
    }
    // Every entry shows the eclipse of its latest syzygy, if that is one.
    next.eclipse = EclipseAt(lunation, phase, next.frame);
    RenderSky(next);
    Report report;
    report.addHistory = false;
    report.logDate = entry;
    report.operation = "Selection from history";
    if (next.eclipse) report.extra = next.eclipse->logText;
    out.report = std::move(report);
    out.next = std::move(next);
    return out;
}

Outcome ChooseSarosMember(const ShownMoment& shown, const Listings::EclipseRow& member) {
    ShownMoment next = shown;
    EclipseData record{};
    Syzyg::PhaseTime(member.lunation, member.phase, record);
    next.ajd = member.jdUtGreatest;
    next.liveClock = false;
    ShowFound(next, member.lunation, member.phase, record, member.jdUtGreatest);
    Render(next);
    Outcome out;
    out.dateBox = next.EntryDateBoxText();
    Report report;
    report.eclipseType = member.type;
    report.operation = "Selection from saros series";
    report.extra = next.eclipse->logText;
    out.report = std::move(report);
    out.next = std::move(next);
    return out;
}

}  // namespace Shown
