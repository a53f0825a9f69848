// The cities of the system's time-zone database: the principal place of each zone of
// zone1970.tab (Debian's tzdata) with its coordinates, named with its country from iso3166.tab,
// "Paris (France)"; and the match of a typed name against them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/place/Place.h"

struct City {
    std::string name;  // "Paris (France)", "Buenos Aires (Argentina)"
    std::string zone;  // "Europe/Paris"
    Place place;       // the table's coordinates, height 0
    // "Paris": the name without its country, as the eclipse lines say "Seen from Paris".
    std::string ShortName() const;
};

namespace CityList {

inline constexpr const char* kDefaultFolder = "/usr/share/zoneinfo";

struct Loading {
    std::vector<City> cities;  // sorted by name
    std::string error;         // why there are none (a file missing or unreadable)
};

// Reads zone1970.tab and iso3166.tab of folder. A zone whose country has no name is named
// with its code; malformed lines are skipped.
Loading Load(const std::string& folder = kDefaultFolder);

// The two tables' texts read as Load reads the files.
std::vector<City> FromTables(std::string_view zone1970, std::string_view iso3166);

struct Match {
    enum class Status { Exact, Ambiguous, None };
    Status status = Status::None;
    std::vector<City> candidates;  // the one city (Exact) or those that fit (Ambiguous)
};

// The cities a typed name means, compared without regard to case: the whole name ("paris
// (france)"), else the name without its country ("paris"), else every name that contains the
// text. One city is an exact match; several are ambiguous.
Match Find(const std::vector<City>& cities, std::string_view text);

}  // namespace CityList
