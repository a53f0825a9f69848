#include "calendars/registry/CalendarRegistry.h"

#include <algorithm>

#include "calendars/registry/BuiltInCalendars.h"

namespace {

std::vector<const CalendarDescriptor*>& Table() {
    static std::vector<const CalendarDescriptor*> table = BuiltInCalendars();
    return table;
}

std::vector<const CalendarDescriptor*> SortedBy(int CalendarDescriptor::*rank, bool (*keep)(const CalendarDescriptor&)) {
    std::vector<const CalendarDescriptor*> out;
    for (const CalendarDescriptor* calendar : Table())
        if (keep(*calendar)) out.push_back(calendar);
    std::stable_sort(out.begin(), out.end(),
                     [rank](const CalendarDescriptor* a, const CalendarDescriptor* b) { return a->*rank < b->*rank; });
    return out;
}

}  // namespace

namespace CalendarTable {

int CalendarIndex(std::string_view code) {
    for (const CalendarDescriptor* calendar : Table())
        if (calendar->code == code) return calendar->index;
    return -1;
}

}  // namespace CalendarTable

namespace CalendarRegistry {

std::span<const CalendarDescriptor* const> Calendars() { return Table(); }

int Count() { return static_cast<int>(Table().size()); }

bool IsIndex(int index) { return index >= 0 && index < Count(); }

const CalendarDescriptor& Calendar(int index) {
    return *Table()[IsIndex(index) ? static_cast<size_t>(index) : 0];
}

int Register(CalendarDescriptor& descriptor) {
    descriptor.index = Count();
    Table().push_back(&descriptor);
    return descriptor.index;
}

std::vector<const CalendarDescriptor*> DisplayOrder() {
    return SortedBy(&CalendarDescriptor::displayRank, [](const CalendarDescriptor&) { return true; });
}

std::vector<const CalendarDescriptor*> ListOrder() {
    return SortedBy(&CalendarDescriptor::listRank, [](const CalendarDescriptor& c) { return !c.steps.empty(); });
}

std::vector<const CalendarDescriptor*> LunationPageCalendars() {
    return SortedBy(&CalendarDescriptor::listRank, [](const CalendarDescriptor& c) { return c.lunationPage != nullptr; });
}

CalendarStepFn StepOf(int index, std::string_view unit) {
    for (const CalendarStep& step : Calendar(index).steps)
        if (step.unit == unit) return step.apply;
    return nullptr;
}

std::string_view RefusalMessage(int number) {
    for (const CalendarDescriptor* calendar : Table())
        for (const CalendarRefusal& refusal : calendar->refusals)
            if (refusal.number == number) return refusal.message;
    return {};
}

std::string CodeList(std::string_view lastJoin) {
    std::string list;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        if (i > 0) list += i + 1 == count ? lastJoin : std::string_view(", ");
        list += Calendar(i).code;
    }
    return list;
}

}  // namespace CalendarRegistry
