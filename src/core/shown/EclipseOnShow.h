// Which eclipse's data are on show: the eclipse of a syzygy, or the eclipse that data restored
// from the saved state describe.
#pragma once
#include <optional>
#include <string>

#include "core/shown/ShownMoment.h"

namespace Shown {

// The eclipse of phase 0 (solar) or 2 (lunar) of the lunation, with its data as a search shows
// them in the frame; none when that syzygy brings no eclipse.
std::optional<EclipseOnShow> EclipseAt(int32_t lunation, int phase, const TimeFrame& frame);

// Data shown again from the saved state: the text as it was saved, and the eclipse it names (by
// its type and lunation lines) or, failing that, the eclipse whose greatest phase lies within a
// day of the moment; an unknown eclipse (record type 0) when neither is found.
EclipseOnShow EclipseOfSavedText(const std::string& text, double ajd);

}  // namespace Shown
