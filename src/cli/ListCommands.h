// selvanor-cli phases and eclipses: lists of principal phases and eclipses between two moments.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "core/TimeFrame.h"

namespace Cli {
struct CommandDef;
const CommandDef& PhasesCommand();
const CommandDef& EclipsesCommand();
const CommandDef& SarosCommand();

int RunPhases(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int RunEclipses(std::vector<std::string> args, std::ostream& out, std::ostream& err);
// Every eclipse of one saros series in the accepted range.
int RunSaros(std::vector<std::string> args, std::ostream& out, std::ostream& err);
// The eclipse types of a search target of the window ("Total solar eclipse": 3, 4, 6, 7);
// empty when the text names no eclipse target.
std::vector<int> EclipseTypesOfTarget(const std::string& target);
// "2000-01-06 CE 18:14 GMT": a GMT Julian date in the time frame, with the frame's name.
std::string MomentText(double jdUt, const TimeFrame& frame);
}  // namespace Cli
