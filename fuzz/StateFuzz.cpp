// Fuzzes the state file's reader: no file, however long or strange, may crash it or hang it; what
// it accepts is sound (a moment inside the range, every list index inside its list) and, written
// again, reads back as the same record.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calendars/registry/CalendarRegistry.h"
#include "core/MoveOnce.h"
#include "core/SavedState.h"
#include "support/AcceptedRange.h"

namespace {
bool Inside(int index, size_t count) { return index >= 0 && static_cast<size_t>(index) < count; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const SavedStateFile::Reading reading = SavedStateFile::Read(text);
    const SavedState& s = reading.state;
    if (reading.valuesRead < 0 || reading.valuesRead > SavedStateFile::kPlaceValue) std::abort();
    if (!std::isfinite(s.dblCurrentAJDate) || s.dblCurrentAJDate < dblEarliestAJD || s.dblCurrentAJDate > dblLatestAJD)
        std::abort();
    if (!Inside(s.intEntryCalendar, CalendarRegistry::Count()) || !Inside(s.moveStep, MoveSteps::Steps().size()) ||
        !Inside(s.target, SearchTargets::kListRows.size()) || SearchTargets::TargetOfRow(s.target) == SearchTargets::kSameSaros ||
        !Inside(s.timeZone, TimeZones::kZoneCount) || !Inside(s.refreshPeriod, RefreshPeriods::kSeconds.size()) ||
        !Inside(s.monthCalendar, CalendarRegistry::LunationPageCalendars().size()) || s.repeatedly ||
        s.eclipseData.size() > SavedStateFile::kMaxEclipseDataBytes)
        std::abort();
    // Whatever was read (the rest at its defaults) is a whole file once written.
    const SavedStateFile::Reading again = SavedStateFile::Read(SavedStateFile::Write(s));
    if (!again.Complete() || !(again.state == s)) std::abort();
    return 0;
}
