#include "dates/ClockService.h"

#include <ctime>

#include "daycalc.h"

namespace {
std::string LocalNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    const size_t n = std::strftime(text, sizeof text, format, &local);
    return std::string(text, n);
}
}  // namespace

std::string SystemClock::DateText() const { return LocalNow("%Y-%m-%d"); }
std::string SystemClock::TimeText() const { return LocalNow("%H:%M:%S"); }
int SystemClock::TimezoneSeconds() const { return get_timezone(); }
