#include "mainwin/core/CalendarLabels.h"

namespace CalendarLabels {

DateLabel LabelOfDay(int /*calendarIndex*/, int32_t /*jdn*/) {
    // Each calendar fills its label here as it joins the display.
    return {};
}

}  // namespace CalendarLabels
