// The city list of the time-zone database (a fixture extract in tests/data/zoneinfo) and the
// reading of a typed place as coordinates or a city.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/place/CityList.h"
#include "core/place/PlaceChoice.h"

namespace {
const std::string kFolder = std::string(SELVANOR_TEST_DATA) + "/zoneinfo";

const City* Named(const std::vector<City>& cities, const std::string& name) {
    for (const City& c : cities)
        if (c.name == name) return &c;
    return nullptr;
}
}  // namespace

TEST(CityList, ReadsTheTables) {
    const CityList::Loading list = CityList::Load(kFolder);
    ASSERT_TRUE(list.error.empty()) << list.error;
    ASSERT_EQ(list.cities.size(), 11u);  // the malformed row left out
    EXPECT_TRUE(std::is_sorted(list.cities.begin(), list.cities.end(),
                               [](const City& a, const City& b) { return a.name < b.name; }));
    struct Row {
        const char* name;
        double latitude, longitude;
    };
    const Row rows[] = {{"Paris (France)", 48 + 52 / 60.0, 2 + 20 / 60.0},
                        {"Dubai (United Arab Emirates)", 25 + 18 / 60.0, 55 + 18 / 60.0},
                        {"Buenos Aires (Argentina)", -(34 + 36 / 60.0), -(58 + 27 / 60.0)},
                        {"Troll (Antarctica)", -(72 + 0 / 60.0 + 41 / 3600.0), 2 + 32 / 60.0 + 6 / 3600.0},
                        {"New Salem (United States)", 46 + 50 / 60.0 + 42 / 3600.0, -(101 + 24 / 60.0 + 39 / 3600.0)}};
    for (const Row& r : rows) {
        const City* c = Named(list.cities, r.name);
        ASSERT_NE(c, nullptr) << r.name;
        EXPECT_NEAR(c->place.latitude, r.latitude, 1e-9) << r.name;
        EXPECT_NEAR(c->place.longitude, r.longitude, 1e-9) << r.name;
    }
    EXPECT_EQ(Named(list.cities, "Paris (France)")->ShortName(), "Paris");
    EXPECT_FALSE(CityList::Load(kFolder + "/missing").error.empty());
}

TEST(CityList, MatchesTypedNames) {
    const std::vector<City> cities = CityList::Load(kFolder).cities;
    struct Row {
        const char* text;
        CityList::Match::Status status;
        size_t count;
        const char* first;
    };
    using S = CityList::Match::Status;
    const Row rows[] = {
        {"Paris (France)", S::Exact, 1, "Paris (France)"},
        {"  paris ", S::Exact, 1, "Paris (France)"},
        {"NEW YORK", S::Exact, 1, "New York (United States)"},
        {"buenos", S::Exact, 1, "Buenos Aires (Argentina)"},
        {"new", S::Ambiguous, 3, "Chatham (New Zealand)"},  // New Salem, New York, New Zealand
        {"Lyon", S::None, 0, ""},
        {"", S::None, 0, ""},
    };
    for (const Row& r : rows) {
        const CityList::Match m = CityList::Find(cities, r.text);
        EXPECT_EQ(m.status, r.status) << r.text;
        ASSERT_EQ(m.candidates.size(), r.count) << r.text;
        if (r.count) {
            EXPECT_EQ(m.candidates[0].name, r.first) << r.text;
        }
    }
}

TEST(PlaceChoice, CoordinatesOrCity) {
    const std::vector<City> cities = CityList::Load(kFolder).cities;
    using O = PlaceChoice::Outcome;
    struct Row {
        const char* text;
        O outcome;
        const char* label;
    };
    const Row rows[] = {{"", O::Empty, ""},
                        {"   ", O::Empty, ""},
                        {"48.857, 2.352, 35", O::Coordinates, "48.857 N, 2.352 E"},
                        {"paris", O::City, "Paris"},
                        {"new", O::Ambiguous, ""},
                        {"Atlantis", O::NoCity, ""},
                        {"48.857, 2.352, x", O::BadText, ""}};
    for (const Row& r : rows) {
        const PlaceChoice c = ChoosePlace(r.text, cities);
        EXPECT_EQ(c.outcome, r.outcome) << r.text;
        EXPECT_EQ(c.label, r.label) << r.text;
        EXPECT_EQ(c.message.empty(), r.outcome == O::Empty || c.HasPlace()) << r.text;
    }
    EXPECT_EQ(ChoosePlace("48.857, 2.352, 35", cities).name, "48.857 N, 2.352 E, 35 m");
    EXPECT_EQ(ChoosePlace("new", cities).candidates.size(), 3u);
}
