#include "cli/CitiesCommand.h"

#include <cstdlib>
#include <ostream>

#include "core/place/CityList.h"

namespace Cli {

namespace {

std::string Description() {
    return "Prints the name of every city that --place takes, one a line, in order: the principal place of each "
           "zone of the time-zone database (zone1970.tab and iso3166.tab in $TZDIR, else /usr/share/zoneinfo), "
           "named with its country. The completion scripts offer these names after --place. When the database "
           "cannot be read, the reason goes to standard error and the exit status is 2.\n\n"
           "Example:\n"
           "  selvanor-cli cities | grep -i argentina";
}

}  // namespace

const CommandDef& CitiesCommand() {
    static const CommandDef definition{"cities", "", "The cities --place takes, one a line", {}, {}, false,
                                       Description};
    return definition;
}

int RunCities(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CommandDef& command = CitiesCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    if (!line.operands.empty()) return UsageError(command, "cities takes no operand", err);
    const char* folder = std::getenv("TZDIR");
    const CityList::Loading list = CityList::Load(folder && *folder ? folder : CityList::kDefaultFolder);
    if (list.cities.empty()) {
        err << "selvanor-cli cities: no city list: " << list.error << "\n";
        return kRefused;
    }
    for (const City& city : list.cities) out << city.name << "\n";
    return kDone;
}

}  // namespace Cli
