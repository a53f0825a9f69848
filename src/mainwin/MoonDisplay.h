// The astronomy the window shows beside the dates: delta T and the Moon.
#pragma once
#include <optional>

// delta T in minutes for the moment, when the astronomy engine is available.
std::optional<double> DeltaTMinutesAt(double ajd);
