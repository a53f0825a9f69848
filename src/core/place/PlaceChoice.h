// What a typed place means: nothing (empty: no place), coordinates, or a city of the list,
// as the window's Place row and selvanor-cli --place read it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/place/CityList.h"
#include "core/place/Place.h"

struct PlaceChoice {
    enum class Outcome {
        Empty,        // no text: no place
        Coordinates,  // typed coordinates, read
        City,         // one city of the list
        Ambiguous,    // several cities fit: candidates
        NoCity,       // no city fits
        BadText,      // coordinates that do not read: message
    };
    Outcome outcome = Outcome::Empty;
    Place place;                          // Coordinates and City
    std::string name;                     // "Paris (France)" or the canonical coordinates
    std::string label;                    // "Paris" or the canonical coordinates, for the texts
    std::vector<std::string> candidates;  // Ambiguous: the names of the cities that fit
    std::string message;                  // every outcome but Empty, Coordinates and City
    bool HasPlace() const { return outcome == Outcome::Coordinates || outcome == Outcome::City; }
};

// A text with a digit is read as coordinates (PlaceText); any other as a city name
// (CityList::Find). Never throws, whatever the text.
PlaceChoice ChoosePlace(std::string_view text, const std::vector<City>& cities);
