// The walk over new and full moons for an eclipse of a kind.
#include <cmath>

#include "astro/Syzyg.h"
#include "astro/TimeScales.h"
#include "core/search/SearchEngine.h"
#include "support/AcceptedRange.h"

namespace Search {

namespace {

// The syzygies a target can be met at, and the order in which they are tried.
struct Walk {
    bool newMoons;
    bool fullMoons;
};

Walk WalkOf(int target) {
    const uint32_t types = SearchTargets::kTargets[static_cast<size_t>(target)].eclipseTypes;
    return {(types & SearchTargets::kSolarTypes) != 0, (types & SearchTargets::kLunarTypes) != 0};
}

// One syzygy on or back: the next full or new moon the walk tries.
void Step(const Walk& walk, bool next, int32_t& lunation, int& phase) {
    if (walk.newMoons && walk.fullMoons) {
        if (next) {
            if (phase == 0) {
                phase = 2;
            } else {
                phase = 0;
                ++lunation;
            }
        } else if (phase == 0) {
            phase = 2;
            --lunation;
        } else {
            phase = 0;
        }
        return;
    }
    lunation += next ? 1 : -1;
}

// The greatest eclipse lies within a few hours of its syzygy; a syzygy this far beyond the
// range end cannot bring an eclipse inside it.
constexpr double kSyzygyMargin = 1.0;

}  // namespace

Result FindEclipse(int target, bool next, double ajd, const EclipseFilter& accept) {
    Result result;
    result.searchedTarget = target;
    const Walk walk = WalkOf(target);
    // The first syzygy tried is one whose greatest eclipse may still lie beyond the moment in
    // the search's direction: the new moon that begins the moment's lunation (next), or the
    // syzygy after the moment (previous). Greatest eclipse and syzygy can be minutes apart,
    // so a moment between the two is on the near side of the one and the far side of the other.
    int32_t lunation = Syzyg::LunationAt(ajd);
    int phase = walk.newMoons ? 0 : 2;
    if (!next && walk.newMoons) ++lunation;
    for (;;) {
        EclipseData record{};
        const double syzygy = Syzyg::PhaseTime(lunation, phase, record);
        if (next ? syzygy > dblLatestAJD + kSyzygyMargin : syzygy < dblEarliestAJD - kSyzygyMargin) break;
        if (record.type > 0 && SearchTargets::Matches(target, record.type)) {
            const double greatest = TimeScales::GreatestEclipse(record).ajd;
            // Only an eclipse strictly beyond the moment counts: so the eclipse on show (whose
            // greatest eclipse is the moment) is never found again, whichever side of its
            // syzygy it lies.
            if ((next ? greatest > ajd : greatest < ajd) && (!accept || accept(record, greatest))) {
                if (greatest < dblEarliestAJD || greatest > dblLatestAJD) break;
                result.outcome = Result::Outcome::Found;
                result.ajd = greatest;
                result.lunation = lunation;
                result.phase = phase;
                result.record = record;
                result.eclipseFound = true;
                return result;
            }
        }
        Step(walk, next, lunation, phase);
    }
    result.outcome = Result::Outcome::RangeEnd;
    result.title = kSearchTitle;
    result.message = next ? "No eclipse of this kind before the latest date."
                          : "No eclipse of this kind after the earliest date.";
    return result;
}

}  // namespace Search
