// The lunation numbers of other published conventions. This program counts lunations from the
// new moon of 2000-01-06 (lunation 0, the count of J. Meeus, Astronomical Algorithms); each
// other count is that number plus a fixed offset, as the published tables of lunation numbers
// relate them.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace LunationNumbers {

struct Convention {
    std::string_view key;   // the JSON field name
    std::string_view name;  // as the tool tip writes it
    int32_t offset;         // its number = ours + offset
};

inline constexpr std::array<Convention, 5> kConventions = {{
    // E. W. Brown's lunar theory in the almanacs from 1923: lunation 1 began 1923-01-17.
    {"brown", "Brown", 953},
    // H. H. Goldstine, New and Full Moons 1001 B.C. to A.D. 1651 (1973): lunation 0 in -1000.
    {"goldstine", "Goldstine", 37105},
    // Lunations since the epoch of the Hebrew calendar (-3760).
    {"hebrew", "Hebrew", 71234},
    // Lunations since the epoch of the Islamic calendar (622-07-16 JC).
    {"islamic", "Islamic", 17038},
    // The Thai count (Maasa-Kendha), from the South-East Asian epoch 638-03-22 JC.
    {"thai", "Thai", 16843},
}};

}  // namespace LunationNumbers
