// The fixed lists of the main window: search targets and refresh periods (the step list and
// the lunation-page calendars are built from the calendar registry). Their indexes are stored in
// the saved state.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "astro/EclipseTypes.h"

// The lunation of "no eclipse found" in the window's eclipse record.
inline constexpr int32_t kNoEclipseLunation = -10000000;

namespace SearchTargets {

struct Target {
    std::string_view text;
    int phase;                // the principal phase sought (item data), -1 for the others
    uint32_t eclipseTypes;    // bit t set: an eclipse of type t is a match
};

constexpr uint32_t Types(std::initializer_list<int32_t> types) {
    uint32_t mask = 0;
    for (int32_t t : types) mask |= 1u << t;
    return mask;
}

namespace E = EclipseTypes;
inline constexpr std::array<Target, 16> kTargets = {{
    {"Full moon", 2, 0},
    {"Dark moon", 0, 0},
    {"Half moon (1st quarter)", 1, 0},
    {"Half moon (last quarter)", 3, 0},
    {"Quarter", -1, 0},
    {"", -1, 0},
    {"Lunar or solar eclipse", -1, Types({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
    {"Lunar eclipse", -1, Types({E::PenumbralLunar, E::PartialLunar, E::TotalLunar})},
    {"Total lunar eclipse", -1, Types({E::TotalLunar})},
    {"Total or partial lunar eclipse", -1, Types({E::PartialLunar, E::TotalLunar})},
    {"Solar eclipse", -1, Types({1, 2, 3, 4, 5, 6, 7})},
    {"Total solar eclipse", -1, Types({E::CentralTotal, E::NonCentralTotal, E::CentralHybrid, E::NonCentralHybrid})},
    {"Annular solar eclipse", -1,
     Types({E::CentralAnnular, E::NonCentralAnnular, E::CentralHybrid, E::NonCentralHybrid})},
    {"Eclipse in same saros series", -1, 0},
    {"", -1, 0},
    {"Coincidence of 1sts of month", -1, 0},
}};

inline constexpr int kQuarter = 4;
inline constexpr int kAnyEclipse = 6;
inline constexpr int kDefault = 11;  // "Total solar eclipse"
inline constexpr int kSameSaros = 13;
inline constexpr int kCoincidence = 15;

constexpr bool Matches(int target, int32_t eclipseType) {
    return target >= 0 && target < static_cast<int>(kTargets.size()) && eclipseType >= 0 && eclipseType < 32 &&
           (kTargets[static_cast<size_t>(target)].eclipseTypes >> eclipseType & 1u) != 0;
}

}  // namespace SearchTargets

namespace RefreshPeriods {
inline constexpr std::array<std::string_view, 5> kSeconds = {"0.2", "0.5", "1", "2", "5"};
inline constexpr int kDefault = 2;  // one second
}  // namespace RefreshPeriods
