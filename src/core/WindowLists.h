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

enum class Kind { Phase, Quarter, Eclipse, SameSaros, Coincidence };

// What a search looks for.
struct Target {
    std::string_view text;
    Kind kind;
    int phase;              // a principal phase sought (0 to 3), -1 for the other kinds
    uint32_t eclipseTypes;  // an eclipse search: bit t set when an eclipse of type t is a match
};

constexpr uint32_t Types(std::initializer_list<int32_t> types) {
    uint32_t mask = 0;
    for (int32_t t : types) mask |= 1u << t;
    return mask;
}

namespace E = EclipseTypes;
inline constexpr uint32_t kSolarTypes = Types({1, 2, 3, 4, 5, 6, 7});
inline constexpr uint32_t kLunarTypes = Types({E::PenumbralLunar, E::PartialLunar, E::TotalLunar});
inline constexpr std::array<Target, 14> kTargets = {{
    {"Full moon", Kind::Phase, 2, 0},
    {"Dark moon", Kind::Phase, 0, 0},
    {"Half moon (1st quarter)", Kind::Phase, 1, 0},
    {"Half moon (last quarter)", Kind::Phase, 3, 0},
    {"Quarter", Kind::Quarter, -1, 0},
    {"Lunar or solar eclipse", Kind::Eclipse, -1, kSolarTypes | kLunarTypes},
    {"Lunar eclipse", Kind::Eclipse, -1, kLunarTypes},
    {"Total lunar eclipse", Kind::Eclipse, -1, Types({E::TotalLunar})},
    {"Total or partial lunar eclipse", Kind::Eclipse, -1, Types({E::PartialLunar, E::TotalLunar})},
    {"Solar eclipse", Kind::Eclipse, -1, kSolarTypes},
    {"Total solar eclipse", Kind::Eclipse, -1,
     Types({E::CentralTotal, E::NonCentralTotal, E::CentralHybrid, E::NonCentralHybrid})},
    {"Annular solar eclipse", Kind::Eclipse, -1,
     Types({E::CentralAnnular, E::NonCentralAnnular, E::CentralHybrid, E::NonCentralHybrid})},
    {"Eclipse in same saros series", Kind::SameSaros, -1, 0},
    {"Coincidence of 1sts of month", Kind::Coincidence, -1, 0},
}};

inline constexpr int kQuarter = 4;
inline constexpr int kAnyEclipse = 5;
inline constexpr int kLunarEclipse = 6;
inline constexpr int kSolarEclipse = 9;
inline constexpr int kDefault = 10;  // "Total solar eclipse"
inline constexpr int kSameSaros = 12;
inline constexpr int kCoincidence = 13;

constexpr bool IsTarget(int target) { return target >= 0 && target < static_cast<int>(kTargets.size()); }

constexpr bool Matches(int target, int32_t eclipseType) {
    return IsTarget(target) && eclipseType >= 0 && eclipseType < 32 &&
           (kTargets[static_cast<size_t>(target)].eclipseTypes >> eclipseType & 1u) != 0;
}

// The window's list of targets: blank rows part the phases, the eclipses and the coincidence
// search. The saved state stores a row.
inline constexpr int kSeparator = -1;
inline constexpr std::array<int, 16> kListRows = {0, 1, 2, 3, 4, kSeparator, 5, 6, 7, 8, 9, 10, 11, 12, kSeparator, 13};
// The target of a row; -1 for a separator or a row the list lacks.
constexpr int TargetOfRow(int row) {
    return row >= 0 && row < static_cast<int>(kListRows.size()) ? kListRows[static_cast<size_t>(row)] : -1;
}
constexpr int RowOf(int target) {
    for (size_t row = 0; row < kListRows.size(); ++row)
        if (kListRows[row] == target) return static_cast<int>(row);
    return -1;
}

}  // namespace SearchTargets

namespace RefreshPeriods {
inline constexpr std::array<std::string_view, 5> kSeconds = {"0.2", "0.5", "1", "2", "5"};
inline constexpr int kDefault = 2;  // one second
}  // namespace RefreshPeriods
