// The eclipse types of the ephemeris library's eclipse record (EclipseData::type) and their
// texts. Types above 7 are lunar.
#pragma once
#include <cstdint>
#include <string>

namespace EclipseTypes {

constexpr int32_t None = 0;
constexpr int32_t PartialSolar = 1;
constexpr int32_t CentralAnnular = 2;
constexpr int32_t CentralTotal = 3;
constexpr int32_t NonCentralTotal = 4;
constexpr int32_t NonCentralAnnular = 5;
constexpr int32_t CentralHybrid = 6;     // annular-total
constexpr int32_t NonCentralHybrid = 7;  // annular-total, shadow axis missing the Earth
constexpr int32_t PenumbralLunar = 8;
constexpr int32_t PartialLunar = 9;
constexpr int32_t TotalLunar = 10;

constexpr bool IsLunar(int32_t type) { return type > NonCentralHybrid; }

}  // namespace EclipseTypes
