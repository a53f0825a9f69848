// The date box read as the start of a move or a search: a typed moment replaces the moment on
// show unless it names the same minute, and its calendar becomes the entry calendar.
#pragma once
#include <optional>
#include <string>

#include "core/shown/Operations.h"

namespace Shown {

// A typed moment this close to the one on show is the one on show: the date box holds a
// moment to the minute, and starting again from it must not move the moment back to the whole
// minute.
inline constexpr double kSameMomentDays = 0.0007;

struct StartReading {
    std::optional<Message> refusal;  // the entry's error (or, when checked, its range)
    std::string dateBox;             // the box as it reads afterwards
    ShownMoment start;               // the value the operation starts from
};

// The box is trimmed; an empty box starts from the moment on show. checkRange refuses a start,
// typed or on show, outside the accepted range with the range message.
StartReading ReadStart(const ShownMoment& shown, const std::string& dateBox, const std::string& daysBox,
                       bool checkRange);

}  // namespace Shown
