// What the user does with the moment on show, as operations on the shown value: each takes the
// value and its inputs (the boxes' texts, a list's choice, the computer's clock) and returns
// the next value with what the window must also do: a message to show, the boxes' new texts and
// what to record in the history and the log. None reads a window.
#pragma once
#include <optional>
#include <string>

#include "astro/Listings.h"
#include "core/MoveOnce.h"
#include "core/SavedState.h"
#include "core/place/PlaceChoice.h"
#include "core/search/SearchEngine.h"
#include "core/shown/ShownMoment.h"

namespace Shown {

struct Message {
    enum class Icon { Warning, Information };
    Icon icon = Icon::Warning;
    std::string title, text;
};

// What an operation asks to be recorded once its result is on show.
struct Report {
    // The history gets the result as an entry (with its eclipse type) and the log an entry with
    // that text; a result that repeats the newest entry is logged only when logRepeats is set
    // (the log then receives an empty date text, which logs nothing but clears "Log this
    // result"). Without a history entry (a history choice), the log's date line is logDate.
    bool addHistory = true;
    int eclipseType = 0;
    bool logRepeats = true;
    std::string logDate;
    std::string operation;  // the log's heading: "Convert date", "Now", ...
    std::string extra;      // further lines: the eclipse text of a search
};

struct Outcome {
    std::optional<ShownMoment> next;     // the value to show; none: the one on show stays
    std::optional<Message> message;      // shown once the new value is on show
    std::optional<Report> report;        // recorded after the message
    std::optional<std::string> dateBox;  // the boxes' texts afterwards; none: as they are
    std::optional<std::string> daysBox;
};

// Convert: the date box (an entry of the date entry grammar), the days box and plus or minus.
Outcome Compute(const ShownMoment& shown, const std::string& dateBox, const std::string& daysBox, bool plus);

// Now: the computer's clock (nowAjd), followed by the live clock; the live clock's tick shows it
// again without recording anything.
Outcome Now(const ShownMoment& shown, double nowAjd);
ShownMoment Tick(const ShownMoment& shown, double nowAjd);

// A move: first its start, the date box read as its moment (the moment on show when the box is
// empty or names the moment on show to the minute) and its calendar made the entry calendar;
// then each step; the report once it ends.
Outcome BeginMove(const ShownMoment& shown, const std::string& dateBox, const std::string& daysBox);
// One step; a message when it leaves the accepted moments (the move ends there).
Outcome MoveStep(const ShownMoment& shown, const MoveSteps::StepRule& step, bool forward);
Report MoveReport(const MoveSteps::StepRule& step, bool forward, bool repeatedly);

// Search for the target from the date box's moment (or the moment on show). The saros search
// looks for the eclipse of the kind of the eclipse on show, one saros from it. seenFromPlace
// keeps to the eclipses seen from the place on show (when there is one).
Outcome Search(const ShownMoment& shown, const std::string& dateBox, int target, bool next, bool seenFromPlace = false);

// A history entry chosen: its frame, its moment in its entry calendar, and the eclipse of that
// moment's syzygy when there is one (eclipseType: the type the entry was added with).
Outcome ChooseHistoryEntry(const ShownMoment& shown, const std::string& entry, int eclipseType);

// A member of a saros series chosen in the saros window: shown as a search finds it.
Outcome ChooseSarosMember(const ShownMoment& shown, const Listings::EclipseRow& member);

// Another zone chosen: the local date and time stay, the absolute moment moves.
Outcome ChangeZone(const ShownMoment& shown, int zoneOffsetMinutes);
// Greenwich or local time: the same moment in the other clock.
ShownMoment ChooseTimeSystem(const ShownMoment& shown, bool greenwich);
// A date label's title clicked: its calendar becomes the entry calendar.
ShownMoment ChooseEntryCalendar(const ShownMoment& shown, int calendar);

// A place chosen (typed coordinates or a city) or cleared; a text that names none is refused
// with the reason and the place stays.
Outcome ChoosePlace(const ShownMoment& shown, const PlaceChoice& choice);

// The start: the moment, entry calendar, frame and eclipse data of a saved state, of which the
// first valuesRead values were read (a value not read keeps the default: defaultFrame is the
// computer's own zone in local time), with the place it names; the present moment (Now)
// unless all were.
Outcome Restore(const SavedState& saved, int valuesRead, const TimeFrame& defaultFrame,
                const std::optional<ObserverPlace>& place, double nowAjd, const NumberFormat& format);

// The eclipse on show, if any, as the saros search and the saros window need it.
Search::DisplayedEclipse DisplayedEclipseOf(const ShownMoment& shown);

}  // namespace Shown
