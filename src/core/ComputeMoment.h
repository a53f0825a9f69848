// Compute: the date box, the days box and the plus/minus choice to a new moment, as the
// window's Convert button and the command-line tool's convert both run it.
#pragma once
#include <optional>
#include <string>

#include "calendars/registry/CalendarRegistry.h"
#include "core/EntryError.h"
#include "core/TimeFrame.h"

// The days box's amount: empty box -> 0 with present = false; a text IsSignedNumber refuses
// -> nullopt (EntryError::InvalidDays).
struct DaysAmount {
    bool present = false;
    double value = 0.0;
};
std::optional<DaysAmount> ReadDaysAmount(const std::string& daysBox);

// Empty when the moment is accepted; otherwise the message (title kRangeTitle).
std::string RangeMessage(double ajd);
inline constexpr const char* kRangeTitle = "Date out of range";

// The log's name of the operation: "Convert date", "Convert date plus 7 days",
// "Convert date minus 1 day".
std::string OperationText(const std::string& daysBox, bool plus);

// "More than 24 hours" beyond a day, else the duration in words of the rounded minutes.
std::string DeltaTText(double minutes);

struct ComputeRequest {
    std::string dateBox;
    std::string daysBox;
    bool plus = true;
    int entryCalendar = CalendarTable::kDefaultEntryCalendar;
    bool restoringHistory = false;
    TimeFrame frame;
    // The moment on show, if any: entering it again with no days is "Nothing to do!".
    std::optional<double> displayed;
    // The displayed moment as the entry calendar's date box text (see EntryContext).
    std::string displayedDateText;
};

struct ComputeResult {
    enum class Outcome {
        Moment,       // ajd is the new moment
        Refused,      // an entry error (error, message)
        NothingToDo,  // the entry is the moment on show (title "Compute date")
        OutOfRange,   // the result is outside the accepted range (title kRangeTitle)
    };
    Outcome outcome = Outcome::Refused;
    double ajd = 0.0;
    EntryError error = EntryError::None;
    std::string title, message;  // of every outcome but Moment
    // The boxes as the window shows them afterwards.
    std::string dateBox, daysBox;
    bool dateBoxChanged = false;
    // The calendar the entry named (or was assumed in), which becomes the entry calendar;
    // -1 when the entry was not read that far.
    int entryCalendar = -1;
    std::string operation;  // OperationText of the request
    bool Ok() const { return outcome == Outcome::Moment; }
};

ComputeResult ComputeMoment(const ComputeRequest& request);
