// Fuzzes the date entry grammar: no text, however long or strange, may crash it or hang it, and
// every accepted moment inside the range must display in all nine notations.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ComputeMoment.h"
#include "core/DateDisplay.h"
#include "core/EntryParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the circumstances of the entry; the rest is the text.
    const uint8_t mode = data[0];
    EntryContext context;
    context.entryCalendar = mode % 9;
    context.restoringHistory = (mode & 0x10) != 0;
    context.daysBoxEmpty = (mode & 0x20) == 0;
    context.frame = TimeFrame{(mode & 0x40) != 0, ((mode >> 1) % 49 - 24) * 30};
    context.entryCalendarDateText = "2000-01-01 CE 12:00";
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const EntryResult result = ParseDateEntry(text, context);
    const int code = static_cast<int>(result.error);
    if (code < 0 || code > 19) std::abort();
    if (result.error == EntryError::None && RangeMessage(result.ajd).empty()) {
        const DateDisplay display = ComputeAllDates(result.ajd, context.frame, NumberFormat{});
        for (const DateLabel& label : display.labels)
            if (label.caption.empty()) std::abort();
        // The date a label click copies must read back as the same day.
        EntryContext again = context;
        again.restoringHistory = false;
        const EntryResult copy = ParseDateEntry(DateBoxTextOfLabel(display, result.calendarIndex, context.frame), again);
        if (copy.error != EntryError::None) std::abort();
    }
    return 0;
}
