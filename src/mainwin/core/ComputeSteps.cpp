#include "mainwin/core/ComputeSteps.h"

#include <cmath>

#include "mainwin/core/TimeFrame.h"
#include "support/StrProc.h"

namespace ComputeSteps {

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

}  // namespace ComputeSteps
