// The Moon of a moment as selvanor-cli prints it: the window's phase and age lines.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "moondata/MoonData.h"

namespace Cli {
// (title, text) pairs, such as ("Phase of Moon, illumination:", "Crescent moon (waxing), 23.4%").
std::vector<std::pair<std::string, std::string>> MoonLines(const MoonData::MoonState& state);
// The same as a JSON object (illumination, waxing, lunation, age in days and the texts).
std::string MoonJson(const MoonData::MoonState& state);
}  // namespace Cli
