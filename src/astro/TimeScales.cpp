#include "astro/TimeScales.h"

#include "astro/Syzyg.h"

namespace TimeScales {

UtMoment ToUt(TtMoment moment) { return {moment.jde - Syzyg::DeltaTAt(moment.jde) / 1440.0}; }

TtMoment ToTt(UtMoment moment) { return {moment.ajd + Syzyg::DeltaTAt(moment.ajd) / 1440.0}; }

}  // namespace TimeScales
