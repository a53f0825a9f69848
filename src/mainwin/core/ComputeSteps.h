// The pieces of Compute that do not touch the window: the days value, the range check, the
// operation text for the log and the delta T text.
#pragma once
#include <optional>
#include <string>

namespace ComputeSteps {

// The days box's amount: empty box -> 0 with present = false; a text IsSignedNumber refuses
// -> nullopt (entry error 14).
struct DaysAmount {
    bool present = false;
    double value = 0.0;
};
std::optional<DaysAmount> ReadDaysAmount(const std::string& daysBox);

// Empty when the moment is accepted; otherwise the message (title kRangeTitle).
std::string RangeMessage(double ajd);
inline constexpr const char* kRangeTitle = "Date out of range";

// "Convert date", "Convert date plus 7 days", "Convert date minus 1 day".
std::string OperationText(const std::string& daysBox, bool plus);

// "More than 24 hours" beyond a day, else the duration in words of the rounded minutes.
std::string DeltaTText(double minutes);

}  // namespace ComputeSteps
