// What the window shows, as one value: the moment, its time frame and entry calendar, every
// text computed from them (the dates, the time line, delta T, the Moon) and the eclipse whose
// data is on show. The window renders it; the history, the log, the saved state, the lunation
// page and the command-line tool read it. Operations on it are in core/shown/Operations.h.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "astro/phasecalc/phasecalc.h"
#include "core/DateDisplay.h"
#include "core/LogEntry.h"
#include "core/TimeFrame.h"
#include "core/WindowLists.h"
#include "core/place/Place.h"
#include "moondata/MoonData.h"

// The eclipse whose data is on show: its syzygy (lunation, phase 0 solar or 2 lunar) and record
// when the program knows which eclipse it is, and the data as shown.
struct EclipseOnShow {
    int32_t lunation = 0;
    int phase = 0;
    EclipseData record{};  // type 0: the data names no eclipse the program can find
    std::string label;     // the eclipse-data text, lines ended by "\n"
    std::string logText;   // its one-line form for the log (empty for data restored from a file)
    bool Known() const { return record.type != 0; }
    bool Lunar() const;
};

// The eclipse the last eclipse search (or saros choice) found; lunation kNoEclipseLunation when
// there is none (moves, Compute, Now and the start reset it).
struct FoundEclipse {
    int32_t lunation = kNoEclipseLunation;
    int phase = 0;
    bool lunar = false;
};

// The observer's place, when one is chosen: where it is, its name as chosen (what the saved state
// keeps) and how the eclipse lines call it.
struct ObserverPlace {
    Place place;
    std::string name;   // "Paris (France)", "48.857 N, 2.352 E, 35 m"
    std::string label;  // "Paris"
};

struct ShownMoment {
    double ajd = 0.0;  // the moment, Greenwich time
    TimeFrame frame;
    int entryCalendar = 0;
    NumberFormat numberFormat;  // of the two Julian dates' labels
    bool liveClock = false;     // the moment follows the computer's clock

    // Computed from the above (Render).
    DateDisplay dates;
    std::string timeLine;          // "14:28 (local)"
    std::string timeLineToolTip;   // delta T's uncertainty once it reaches a minute, else empty
    double deltaTMinutes = 0.0;
    std::string deltaT;            // "1 minute" ... "More than 24 hours"
    std::string deltaTToolTip;
    MoonData::MoonState moon;      // phase and age labels, illumination; its errorText on failure
    std::string ageToolTip;        // the lunation in the other published counts
    bool exact = false;            // the moment is a principal phase (to 4.3 s)

    std::optional<EclipseOnShow> eclipse;
    FoundEclipse lastFound;

    // The sky from the place, when one is chosen: the rise and set line of the civil day on show,
    // the bodies' altitude and azimuth at the moment, and the eclipse on show seen from there.
    std::optional<ObserverPlace> place;
    std::string skyLine, skyToolTip;
    std::vector<std::string> eclipseFromPlace;
    // The eclipse data as the window shows them: the eclipse's own, then the place's lines.
    std::string EclipseText() const;

    // The entry calendar's short date text ("2003-12-31 CE"): what the history entry begins with.
    const std::string& EntryDateText() const { return dates.Label(entryCalendar).shortText; }
    // The entry calendar's date as a click on its label puts it into the date box.
    std::string EntryDateBoxText() const;
};

namespace Shown {

// The value for a moment in a frame and entry calendar, with every text computed; no eclipse.
ShownMoment At(double ajd, const TimeFrame& frame, int entryCalendar, const NumberFormat& format);
// The texts computed anew after a change of moment, frame or entry calendar (the eclipse data
// are left as they are); RenderSky only those of the place (after a new eclipse or place).
void Render(ShownMoment& value);
void RenderSky(ShownMoment& value);

// What a log entry takes from the value: the date labels, the Moon's labels, the entry calendar.
LogEntry::Display LogDisplayOf(const ShownMoment& value);
// The history's text of the value: "2003-12-31 CE 15:55 (local = GMT+05:30)".
std::string HistoryTextOf(const ShownMoment& value);

// The lunation in this program's count and in the other published ones (the age's tool tip).
std::string LunationToolTip(int32_t lunation);

}  // namespace Shown
