#include "core/EntryError.h"

#include <array>

namespace {
// Indexed by the error's number.
constexpr std::array<const char*, 20> kMessages = {
    "Unknown error.",
    "Invalid date entry.",
    "Calendar must be specified (one of CE, JC, ARC, VO, LLT, DVG, CJD, AJD and QLW).",
    "Time specification not permitted with CJD or AJD.",
    "Invalid time specification.  Times must be, e.g., 23:50.",
    "Date separator must be a dash, '-'.",
    "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day",
    "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day",
    "Invalid ARC date.  ARC dates must be in the form: year-month-day",
    "Invalid VO date.  VO dates must be in the form: cycle-year-month-day",
    "Invalid LLT date.  LLT dates must be in the form: cycle-year-month-triday-day or year-month-triday-day",
    "Invalid DVG date.  DVG dates must be in the form: cycle-year-month-day or year-month-day",
    "Invalid CJD or AJD date.  These must be, e.g., 999999.99 CJD or 2,111,111 AJD.",
    "Error when parsing date string.",
    "Value for addition or subtraction is invalid.",
    "Invalid QLW date.  QLW dates must be in the form: year-month-week-day",
    "Invalid month value in QLW date.",
    "Invalid week value in QLW date.",
    "Invalid day value in QLW date.",
    "No date given.",
};
}  // namespace

std::string EntryErrorText(EntryError error) {
    const auto index = static_cast<size_t>(error);
    return index < kMessages.size() ? kMessages[index] : kMessages[0];
}
