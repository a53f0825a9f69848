// A typed place read as coordinates or matched against the city list.
#include "core/place/PlaceChoice.h"

#include "core/place/PlaceText.h"

namespace {
constexpr size_t kCandidatesShown = 12;  // names listed in a message about an ambiguous name
}  // namespace

PlaceChoice ChoosePlace(std::string_view text, const std::vector<City>& cities) {
    PlaceChoice choice;
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return choice;
    if (text.find_first_of("0123456789") != std::string_view::npos) {
        const PlaceText::Reading reading = PlaceText::Read(text);
        if (!reading.ok) {
            choice.outcome = PlaceChoice::Outcome::BadText;
            choice.message = reading.message;
            return choice;
        }
        choice.outcome = PlaceChoice::Outcome::Coordinates;
        choice.place = reading.place;
        choice.name = PlaceText::Write(reading.place);
        choice.label = PlaceText::WriteCoordinates(reading.place);
        return choice;
    }
    if (text.size() > PlaceLimits::kLongestText) {
        choice.outcome = PlaceChoice::Outcome::NoCity;
        choice.message = "The place is too long: type a city of the list or a latitude and a longitude.";
        return choice;
    }
    const CityList::Match match = CityList::Find(cities, text);
    switch (match.status) {
        case CityList::Match::Status::Exact:
            choice.outcome = PlaceChoice::Outcome::City;
            choice.place = match.candidates.front().place;
            choice.name = match.candidates.front().name;
            choice.label = match.candidates.front().ShortName();
            return choice;
        case CityList::Match::Status::Ambiguous: {
            choice.outcome = PlaceChoice::Outcome::Ambiguous;
            for (const City& c : match.candidates) choice.candidates.push_back(c.name);
            std::string names;
            for (size_t i = 0; i < choice.candidates.size() && i < kCandidatesShown; ++i)
                names += (i ? "; " : "") + choice.candidates[i];
            if (choice.candidates.size() > kCandidatesShown)
                names += "; and " + std::to_string(choice.candidates.size() - kCandidatesShown) + " more";
            choice.message = std::to_string(choice.candidates.size()) + " cities fit: " + names + ".";
            return choice;
        }
        case CityList::Match::Status::None:
            break;
    }
    choice.outcome = PlaceChoice::Outcome::NoCity;
    choice.message = cities.empty() ? "No city list is at hand: type a latitude and a longitude such as 48.857 N, 2.352 E."
                                    : "No city of the list fits: type a city of the list or a latitude and a longitude "
                                      "such as 48.857 N, 2.352 E.";
    return choice;
}
