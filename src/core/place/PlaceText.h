// Typed coordinates of a place and the canonical text of one.
//
// Accepted: a latitude and a longitude, then an optional height, separated by commas,
// semicolons or blanks. Each coordinate is decimal degrees with a sign (48.857, -33.9) or with a
// hemisphere letter before or after it (48.857 N, S33.9, 2.352 E, 18.4 w), or degrees, minutes
// and seconds (48°51'24"N, 48° 51.4' N, 48 51 24 N: without marks only before a letter). With
// letters the order is free (2.352 E, 48.857 N). The height is metres, with or without "m".
// Examples: "48.857 N, 2.352 E, 35 m", "48.857, 2.352", "-33.9,18.4,10", "40°26'46\"N 79°58'56\"W".
#pragma once
#include <string>
#include <string_view>

#include "core/place/Place.h"

namespace PlaceText {

struct Reading {
    bool ok = false;
    Place place;
    std::string message;  // why the text is no place, when !ok
};

// Reads typed coordinates, to a billionth of a degree (a tenth of a millimetre on the ground)
// and a micrometre of height; never throws, whatever the text.
Reading Read(std::string_view text);

// "48.857 N, 2.352 E, 35 m": each number with the fewest digits that read back exactly (never
// with an exponent), the height left out when it is 0. Read(Write(p)) gives p again for a place
// that Read gave; any other place comes back to a billionth of a degree and a micrometre.
std::string Write(const Place& place);

// The same without the height: "48.857 N, 2.352 E".
std::string WriteCoordinates(const Place& place);

}  // namespace PlaceText
