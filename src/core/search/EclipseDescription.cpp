// The eclipse-data label and the log line of an eclipse.
#include "core/search/EclipseDescription.h"

#include <array>
#include <cctype>
#include <cmath>

#include "astro/EclipseTypes.h"
#include "astro/Syzyg.h"
#include "dates/DatePr2.h"
#include "support/StrProc.h"

namespace Search {

namespace {

// "Umbral phase starts 20:41 and lasts 4h 35m": a lunar phase centred on the moment on show.
std::string PhaseLine(const char* name, double halfMinutes, double momentAjd, const TimeFrame& frame) {
    const double start = TimeZones::AjdToCjd(momentAjd, frame) - halfMinutes / 1440.0;
    return std::string(name) + " phase starts " + DatePr2::FormatTimeOfDay(start - std::floor(start)) +
           " and lasts " + StrProc::DurationText(std::llround(2.0 * halfMinutes), false);
}

}  // namespace

EclipseTexts EclipseDescription(const EclipseData& record, double momentAjd, const TimeFrame& frame) {
    std::array<std::string, 6> lines;
    lines[0] = Syzyg::EclipseTypeText(record.type);
    lines[1] = "Lunation number = " + std::to_string(record.lunation);
    lines[2] = "Saros number = " + std::to_string(record.saros);
    if (record.type >= EclipseTypes::PenumbralLunar)
        lines[3] = PhaseLine("Penumbral", record.halfPenumbral, momentAjd, frame);
    if (record.type >= EclipseTypes::PartialLunar)
        lines[4] = PhaseLine("Umbral", record.halfUmbral, momentAjd, frame);
    if (record.type >= EclipseTypes::TotalLunar) lines[5] = PhaseLine("Total", record.halfTotal, momentAjd, frame);

    EclipseTexts texts;
    texts.log = lines[0];
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        texts.label += lines[i] + (i >= 3 ? ".\n" : "\n");
        if (i > 0) texts.log += ", " + StrProc::LowerCase(lines[i]);
    }
    texts.log += ".";
    return texts;
}

}  // namespace Search
