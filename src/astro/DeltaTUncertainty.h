// How far delta T may be off: the standard error that the published five-millennium canons
// (Espenak and Meeus 2006) give for their delta T expressions.
#pragma once
#include <string>

namespace DeltaTUncertainty {

// The standard error (1 sigma) of delta T in seconds for a (fractional) Common Era year.
double SigmaSeconds(double year);
// The same for the Common Era year of a GMT Julian date, in minutes.
double SigmaMinutesAt(double ajd);

// "1 h 2 min", "12 min", "42 s": a span of minutes as the tool tips write it.
std::string SpanText(double minutes);

// "Delta T 1 h 2 min ± 12 min (Espenak and Meeus 2006)" for delta T and its sigma in minutes.
std::string ToolTip(double deltaTMinutes, double sigmaMinutes);

}  // namespace DeltaTUncertainty
