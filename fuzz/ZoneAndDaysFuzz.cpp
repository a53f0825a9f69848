// Fuzzes the small readers around a date: the zone list texts, the days box and the zone
// option of the command-line tool. Nothing may crash, and every value they accept must read
// back the same when written out again.
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/CliArgs.h"
#include "core/ComputeMoment.h"
#include "core/TimeFrame.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Every text of the zone list reads as its own offset: half hours from GMT - 12:00.
void CheckZoneList() {
    for (int i = 0; i < TimeZones::kZoneCount; ++i) {
        const int offset = TimeZones::ZoneOffsetMinutes(TimeZones::ZoneListText(i));
        Require(offset == (i - TimeZones::kGmtIndex) * 30);
        Require(TimeZones::ZoneIndexOfOffset(offset) == i);
    }
}

void CheckZoneText(const std::string& text) {
    const int offset = TimeZones::ZoneOffsetMinutes(text);
    Require(offset >= -24 * 60 && offset <= 24 * 60);
    const int index = TimeZones::ZoneIndexOfOffset(offset);
    if (index >= 0) Require(TimeZones::ZoneOffsetMinutes(TimeZones::ZoneListText(index)) == offset);
}

void CheckDaysAmount(const std::string& text) {
    const auto amount = ReadDaysAmount(text);
    if (!amount) return;
    Require(std::isfinite(amount->value));
    if (!amount->present) {
        Require(amount->value == 0.0);
        return;
    }
    const double value = amount->value;
    // Amounts too small for a normal double read as 0 on purpose; the rest must survive being
    // written in plain decimals (the box takes no exponent) and read again.
    if (!(std::fabs(value) < 1e15) || (value != 0.0 && std::fabs(value) < DBL_MIN)) return;
    char buffer[1200];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    Require(written.ec == std::errc());
    const std::string again(buffer, written.ptr);
    const auto reread = ReadDaysAmount(again);
    Require(reread && reread->present && reread->value == value);
}

void CheckCliZone(const std::string& text) {
    const auto zone = Cli::ParseZone(text);
    if (!zone) return;
    Require(*zone >= -14 * 60 && *zone <= 14 * 60);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%02d:%02d", *zone < 0 ? '-' : '+', std::abs(*zone) / 60,
                  std::abs(*zone) % 60);
    const auto again = Cli::ParseZone(buffer);
    Require(again && *again == *zone);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool listChecked = [] {
        CheckZoneList();
        return true;
    }();
    (void)listChecked;
    // The first byte picks the reader; the rest is the text.
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 3) {
        case 0: CheckZoneText(text); break;
        case 1: CheckDaysAmount(text); break;
        default: CheckCliZone(text); break;
    }
    return 0;
}
