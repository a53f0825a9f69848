#include "core/ComputeMoment.h"

#include <cmath>

#include "core/EntryParser.h"
#include "support/StrProc.h"

std::optional<DaysAmount> ReadDaysAmount(const std::string& daysBox) {
    const std::string text = StrProc::Trim(daysBox);
    if (text.empty()) return DaysAmount{};
    if (!StrProc::IsSignedNumber(text)) return std::nullopt;
    std::string amount = text;
    StrProc::RemoveChars(amount, "+,");
    return DaysAmount{true, StrProc::LeadingNumber(amount)};
}

std::string RangeMessage(double ajd) {
    if (!(ajd >= dblEarliestAJD)) return "Resulting date is earlier than -3200-01-01 CE.";
    if (ajd > dblLatestAJD) return "Resulting date is later than 6000-01-01 CE.";
    return {};
}

std::string OperationText(const std::string& daysBox, bool plus) {
    const std::string typed = StrProc::Trim(daysBox);
    if (typed.empty()) return "Convert date";
    const auto amount = ReadDaysAmount(typed);
    const bool one = amount && std::fabs(amount->value) == 1.0;
    return std::string("Convert date") + (plus ? " plus" : " minus") + " " + typed + " day" + (one ? "" : "s");
}

std::string DeltaTText(double minutes) {
    if (minutes > 1440) return "More than 24 hours";
    return StrProc::DurationText(static_cast<long long>(std::nearbyint(minutes)), true);
}

namespace {
ComputeResult Refuse(ComputeResult result, EntryError error) {
    result.outcome = ComputeResult::Outcome::Refused;
    result.error = error;
    result.title = kEntryErrorTitle;
    result.message = EntryErrorText(error);
    return result;
}
}  // namespace

ComputeResult ComputeMoment(const ComputeRequest& request) {
    ComputeResult result;
    result.dateBox = StrProc::Trim(request.dateBox);
    result.dateBoxChanged = result.dateBox != request.dateBox;
    result.daysBox = StrProc::Trim(request.daysBox);
    result.operation = OperationText(result.daysBox, request.plus);
    if (result.dateBox.empty()) return Refuse(result, EntryError::NoDate);
    const auto amount = ReadDaysAmount(result.daysBox);
    if (!amount) return Refuse(result, EntryError::InvalidDays);

    EntryContext context;
    context.entryCalendar = request.entryCalendar;
    context.restoringHistory = request.restoringHistory;
    context.daysBoxEmpty = result.daysBox.empty();
    context.frame = request.frame;
    context.entryCalendarDateText = request.displayedDateText;
    const EntryResult entry = ParseDateEntry(result.dateBox, context);
    if (entry.dateBoxChanged) {
        result.dateBoxChanged = result.dateBoxChanged || entry.dateBox != result.dateBox;
        result.dateBox = entry.dateBox;
    }
    if (entry.error != EntryError::None) return Refuse(result, entry.error);
    result.entryCalendar = entry.calendarIndex;

    result.ajd = entry.ajd;
    if (amount->present) {
        result.ajd += request.plus ? amount->value : -amount->value;
    } else if (request.displayed && result.ajd == *request.displayed) {
        result.outcome = ComputeResult::Outcome::NothingToDo;
        result.title = "Compute date";
        result.message = "Nothing to do!";
        return result;
    }
    const std::string range = RangeMessage(result.ajd);
    if (!range.empty()) {
        result.outcome = ComputeResult::Outcome::OutOfRange;
        result.title = kRangeTitle;
        result.message = range;
        return result;
    }
    result.outcome = ComputeResult::Outcome::Moment;
    return result;
}
