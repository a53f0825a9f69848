// The moments the program accepts, as astronomical Julian dates: noon GMT of -3201-12-31 CE to
// noon GMT of 6000-01-01 CE. Every conversion, listing and search stays inside them.
#pragma once

inline constexpr double dblEarliestAJD = 552283.0;
inline constexpr double dblLatestAJD = 3912515.0;
