// An observer's place: geodetic latitude and longitude on the WGS 84 ellipsoid and height.
#pragma once

#include "astro/sky/Observer.h"

struct Place {
    double latitude = 0.0;   // degrees, north positive, -90..90
    double longitude = 0.0;  // degrees, east positive, -180..180
    double height = 0.0;     // metres above the ellipsoid
    bool operator==(const Place&) const = default;
};

inline Sky::Observer ObserverOf(const Place& place) { return {place.latitude, place.longitude, place.height}; }

namespace PlaceLimits {
inline constexpr double kLowestHeight = -1000.0;   // metres: below the shores of the Dead Sea
inline constexpr double kHighestHeight = 20000.0;  // metres: above any aircraft's ceiling
inline constexpr size_t kLongestText = 256;        // bytes of a typed place
}  // namespace PlaceLimits
