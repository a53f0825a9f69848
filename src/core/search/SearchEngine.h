// A search from the moment on show: the next or previous principal phase, quarter, eclipse of a
// kind, eclipse of the same saros series, or coincidence of month starts, as the window's
// Search button and selvanor-cli search run it. Every search ends: one that would leave the
// accepted range of moments without a match stops there with a message.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "astro/phasecalc/phasecalc.h"
#include "core/TimeFrame.h"
#include "core/WindowLists.h"

namespace Search {

// The eclipse whose data are on show, which the saros search starts from: it looks for the
// eclipse of the same kind one saros on or back from its greatest eclipse.
struct DisplayedEclipse {
    bool onDisplay = false;
    bool lunar = false;            // a lunar eclipse, else a solar one
    double greatestAjd = 0.0;      // its greatest eclipse, Greenwich time
};

// Which eclipses an eclipse search may stop at, beyond their kind (SeenFromPlace.h): the
// record of the syzygy and its greatest eclipse in GMT. Empty: every eclipse of the kind.
using EclipseFilter = std::function<bool(const EclipseData& record, double greatestAjd)>;

struct Request {
    int target = SearchTargets::kDefault;  // index into SearchTargets::kTargets
    bool next = true;
    double ajd = 0.0;  // the moment on show
    TimeFrame frame;   // days of the coincidence search begin at midnight of this frame
    DisplayedEclipse eclipse;
    EclipseFilter accept;  // eclipse targets and the saros search only
};

struct Result {
    enum class Outcome {
        Found,               // ajd and the fields below describe the result
        BlankTarget,         // no target (a separator row of the window's list)
        NoEclipseDisplayed,  // a saros search without an eclipse on show
        PhaseError,          // GetPhase refused the moment (phaseError)
        RangeEnd,            // no match inside the accepted range
    };
    Outcome outcome = Outcome::BlankTarget;
    double ajd = 0.0;
    // The lunation and phase of the phase or syzygy found; -1 for a coincidence.
    int32_t lunation = -1;
    int phase = -1;
    // The record of that phase or syzygy (type 0 when it is no eclipse or none was computed).
    EclipseData record{};
    bool eclipseFound = false;  // an eclipse target matched: the new displayed eclipse
    int searchedTarget = 0;     // the target run: the eclipses of the kind on show for a saros search
    bool startExact = false;    // GetPhase's exact flag for the starting moment
    int phaseError = 0;         // GetPhase's code for PhaseError
    std::string title, message;  // of every outcome but Found (warning icon)
    bool Found() const { return outcome == Outcome::Found; }
};

Result RunSearch(const Request& request);

// "Search for next total solar eclipse.": the log's name of the operation.
std::string OperationText(int target, bool next);

// The target of a list text, compared without regard to case; -1 for no target.
int TargetOfText(const std::string& text);

inline constexpr const char* kSearchTitle = "Search";
inline constexpr const char* kBlankTargetMessage = "Please specify target for search.";
inline constexpr const char* kNoEclipseTitle = "No eclipse displayed";
inline constexpr const char* kNoEclipseMessage =
    "Eclipse date must be displayed in order to search for the next or previous eclipse in the same saros series.";

// The walk over the eclipses of an eclipse target: the first whose greatest eclipse lies strictly
// after (next) or before (previous) the moment ajd. Found or RangeEnd.
Result FindEclipse(int target, bool next, double ajd, const EclipseFilter& accept = {});

}  // namespace Search
