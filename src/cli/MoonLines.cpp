#include "cli/MoonLines.h"

#include "cli/CliArgs.h"

namespace Cli {

std::vector<std::pair<std::string, std::string>> MoonLines(const MoonData::MoonState& state) {
    return {{"Phase of Moon, illumination:", state.Ok() ? state.phaseLabel : state.errorText},
            {"[Lunation] Age of Moon:", state.ageLabel}};
}

std::string MoonJson(const MoonData::MoonState& state) {
    if (!state.Ok()) return "{\"error\":" + JsonString(state.errorText) + "}";
    return "{\"illumination\":" + JsonNumber(state.illumination) + ",\"waxing\":" + (state.waxing ? "true" : "false") +
           ",\"lunation\":" + std::to_string(state.lunation) + ",\"age_days\":" + JsonNumber(state.ageDays) +
           ",\"phase_text\":" + JsonString(state.phaseLabel) + ",\"age_text\":" + JsonString(state.ageLabel) + "}";
}

}  // namespace Cli
