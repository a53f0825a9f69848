// Fuzzes the reader of a typed place: no text, however long or strange, may crash it or hang
// it; a place it accepts lies on the Earth and its canonical text reads back as the same place;
// a refusal says why; a city match names a city of the list.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/place/PlaceChoice.h"
#include "core/place/PlaceText.h"

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}

const std::vector<City>& Cities() {
    static const std::vector<City> cities = CityList::FromTables(
        "FR,MC\t+4852+00220\tEurope/Paris\nUS\t+404251-0740023\tAmerica/New_York\n"
        "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\nNZ\t-4357-17633\tPacific/Chatham\n",
        "FR\tFrance\nUS\tUnited States\nAR\tArgentina\nNZ\tNew Zealand\n");
    return cities;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PlaceText::Reading reading = PlaceText::Read(text);
    if (reading.ok) {
        const Place& p = reading.place;
        Require(std::fabs(p.latitude) <= 90.0 && std::fabs(p.longitude) <= 180.0);
        Require(p.height >= PlaceLimits::kLowestHeight && p.height <= PlaceLimits::kHighestHeight);
        const PlaceText::Reading again = PlaceText::Read(PlaceText::Write(p));
        Require(again.ok && again.place == p);
    } else {
        Require(!reading.message.empty());
    }
    const PlaceChoice choice = ChoosePlace(text, Cities());
    switch (choice.outcome) {
        case PlaceChoice::Outcome::Empty:
            Require(text.find_first_not_of(" \t\r\n") == std::string::npos);
            break;
        case PlaceChoice::Outcome::Coordinates:
            Require(reading.ok && choice.place == reading.place);
            break;
        case PlaceChoice::Outcome::City:
            Require(!choice.name.empty() && !choice.label.empty());
            break;
        case PlaceChoice::Outcome::Ambiguous:
            Require(choice.candidates.size() > 1 && !choice.message.empty());
            break;
        case PlaceChoice::Outcome::NoCity:
        case PlaceChoice::Outcome::BadText:
            Require(!choice.message.empty());
            break;
    }
    return 0;
}
