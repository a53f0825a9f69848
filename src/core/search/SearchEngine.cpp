// The search of the window's Search button: which lunation and phase to ask for, per target.
#include "core/search/SearchEngine.h"

#include <cctype>
#include <cmath>

#include "astro/Syzyg.h"
#include "core/search/Coincidence.h"
#include "support/AcceptedRange.h"
#include "support/StrProc.h"

namespace Search {

namespace {

// One saros: the days an eclipse search jumps before looking for the eclipse of the same
// series (223 lunations are 6585.3 days; the jump stays short of that).
constexpr double kSarosJumpDays = 6580.0;

const SearchTargets::Target& TargetOf(int target) { return SearchTargets::kTargets[static_cast<size_t>(target)]; }

Result RangeEnd(Result result, int target, bool next) {
    result.outcome = Result::Outcome::RangeEnd;
    result.title = kSearchTitle;
    result.message = "No " + StrProc::LowerCase(std::string(TargetOf(target).text)) +
                     (next ? " before the latest date." : " after the earliest date.");
    return result;
}

// Phase p of lunation L as the result, unless it lies beyond the accepted range.
Result PhaseResult(Result result, int target, bool next, int32_t lunation, int phase) {
    const double ajd = Syzyg::PhaseTime(lunation, phase, result.record);
    if (ajd < dblEarliestAJD || ajd > dblLatestAJD) {
        result.record = EclipseData{};
        return RangeEnd(result, target, next);
    }
    result.outcome = Result::Outcome::Found;
    result.ajd = ajd;
    result.lunation = lunation;
    result.phase = phase;
    return result;
}

// Phases (targets 0 to 3): q the latest phase at or before the moment, in lunation L.
Result PhaseSearch(Result result, int target, bool next, int32_t lunation, int q, bool exact) {
    const int p = TargetOf(target).phase;
    if (next) {
        if (q >= p) ++lunation;
    } else if (q < p || (q == p && exact)) {
        --lunation;
    }
    return PhaseResult(result, target, next, lunation, p);
}

// Quarter: the adjacent principal phase, whichever it is.
Result QuarterSearch(Result result, bool next, int32_t lunation, int q, bool exact) {
    int p = q;
    if (next) {
        p = q + 1;
        if (p > 3) {
            p = 0;
            ++lunation;
        }
    } else if (exact) {
        p = q - 1;
        if (p < 0) {
            p = 3;
            --lunation;
        }
    }
    return PhaseResult(result, SearchTargets::kQuarter, next, lunation, p);
}

// Noon of the civil day in the frame.
Result CoincidenceSearch(Result result, const Request& request) {
    const double cjd = TimeZones::AjdToCjd(request.ajd, request.frame);
    // The last (first) day whose noon is still an accepted moment.
    const int32_t limit =
        request.next
            ? static_cast<int32_t>(std::floor(TimeZones::AjdToCjd(dblLatestAJD, request.frame) - 0.5))
            : static_cast<int32_t>(std::ceil(TimeZones::AjdToCjd(dblEarliestAJD, request.frame) - 0.5));
    const auto day = FindCoincidence(static_cast<int32_t>(std::floor(cjd)), request.next, limit);
    if (!day) return RangeEnd(result, SearchTargets::kCoincidence, request.next);
    result.outcome = Result::Outcome::Found;
    result.ajd = TimeZones::CjdToAjd(*day + 0.5, request.frame);
    return result;
}

}  // namespace

Result RunSearch(const Request& request) {
    Result result;
    result.searchedTarget = request.target;
    if (!SearchTargets::IsTarget(request.target)) {
        result.title = kSearchTitle;
        result.message = kBlankTargetMessage;
        return result;
    }
    const int32_t lunation = Syzyg::LunationAt(request.ajd);
    bool exact = false;
    const int q = Syzyg::GetPhase(lunation, request.ajd, exact);
    result.startExact = exact;
    if (q < 0) {
        result.outcome = Result::Outcome::PhaseError;
        result.phaseError = q;
        result.title = "Error";
        result.message = "Error" + std::to_string(q) + " when calling GetPhase() in cmdSearch_Click().";
        return result;
    }
    const int target = request.target;
    switch (TargetOf(target).kind) {
        case SearchTargets::Kind::SameSaros: {
            if (!request.eclipse.onDisplay) {
                result.outcome = Result::Outcome::NoEclipseDisplayed;
                result.title = kNoEclipseTitle;
                result.message = kNoEclipseMessage;
                return result;
            }
            const double from = request.eclipse.greatestAjd + (request.next ? kSarosJumpDays : -kSarosJumpDays);
            return FindEclipse(request.eclipse.lunar ? SearchTargets::kLunarEclipse : SearchTargets::kSolarEclipse,
                               request.next, from, request.accept);
        }
        case SearchTargets::Kind::Coincidence: return CoincidenceSearch(result, request);
        case SearchTargets::Kind::Quarter: return QuarterSearch(result, request.next, lunation, q, exact);
        case SearchTargets::Kind::Phase: return PhaseSearch(result, target, request.next, lunation, q, exact);
        case SearchTargets::Kind::Eclipse: break;
    }
    Result found = FindEclipse(target, request.next, request.ajd, request.accept);
    found.startExact = exact;
    return found;
}

std::string OperationText(int target, bool next) {
    const std::string_view text = SearchTargets::IsTarget(target) ? TargetOf(target).text : std::string_view();
    return std::string("Search for") + (next ? " next" : " previous") + " " + StrProc::LowerCase(std::string(text)) + ".";
}

int TargetOfText(const std::string& text) {
    const std::string wanted = StrProc::LowerCase(StrProc::Trim(text));
    for (size_t i = 0; i < SearchTargets::kTargets.size(); ++i)
        if (StrProc::LowerCase(std::string(SearchTargets::kTargets[i].text)) == wanted) return static_cast<int>(i);
    return -1;
}

}  // namespace Search
