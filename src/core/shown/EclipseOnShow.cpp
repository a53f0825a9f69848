#include "core/shown/EclipseOnShow.h"

#include <cmath>

#include "astro/Syzyg.h"
#include "astro/TimeScales.h"
#include "core/search/EclipseDescription.h"
#include "support/StrProc.h"

namespace Shown {

namespace {

// The line of the text that starts with the heading, without it; empty when there is none.
std::string LineAfter(const std::string& text, const std::string& heading) {
    const size_t at = text.find(heading);
    if (at == std::string::npos) return {};
    const size_t start = at + heading.size();
    return text.substr(start, text.find('\n', start) - start);
}

// The eclipse the text names: its first line the type, a line "Lunation number = n".
std::optional<EclipseOnShow> NamedEclipse(const std::string& text) {
    const std::string type = text.substr(0, text.find('\n'));
    const std::string lunationText = StrProc::Trim(LineAfter(text, "Lunation number = "));
    if (type.empty() || lunationText.empty() || !StrProc::IsSignedNumber(lunationText)) return std::nullopt;
    const double lunation = StrProc::LeadingNumber(lunationText);
    if (!(std::fabs(lunation) < 1e6)) return std::nullopt;
    const bool lunar = type.size() >= 13 && type.compare(type.size() - 13, 13, "lunar eclipse") == 0;
    EclipseOnShow eclipse;
    eclipse.lunation = static_cast<int32_t>(lunation);
    eclipse.phase = lunar ? 2 : 0;
    Syzyg::PhaseTime(eclipse.lunation, eclipse.phase, eclipse.record);
    if (eclipse.record.type == 0 || Syzyg::EclipseTypeText(eclipse.record.type) != type) return std::nullopt;
    return eclipse;
}

// The eclipse whose greatest phase lies nearest the moment, within a day.
std::optional<EclipseOnShow> EclipseNear(double ajd) {
    std::optional<EclipseOnShow> nearest;
    double best = 1.0;
    const int32_t around = Syzyg::LunationAt(ajd);
    for (int32_t n = around - 1; n <= around + 1; ++n) {
        for (int phase : {0, 2}) {
            EclipseOnShow candidate;
            candidate.lunation = n;
            candidate.phase = phase;
            Syzyg::PhaseTime(n, phase, candidate.record);
            if (candidate.record.type == 0) continue;
            const double distance = std::fabs(TimeScales::GreatestEclipse(candidate.record).ajd - ajd);
            if (distance < best) {
                best = distance;
                nearest = candidate;
            }
        }
    }
    return nearest;
}

}  // namespace

std::optional<EclipseOnShow> EclipseAt(int32_t lunation, int phase, const TimeFrame& frame) {
    EclipseOnShow eclipse;
    eclipse.lunation = lunation;
    eclipse.phase = phase;
    Syzyg::PhaseTime(lunation, phase, eclipse.record);
    if (eclipse.record.type == 0) return std::nullopt;
    // The phases start at the greatest eclipse less their half-durations: the record's own
    // greatest eclipse, so that the data read as they did when the eclipse was found.
    const Search::EclipseTexts texts =
        Search::EclipseDescription(eclipse.record, TimeScales::GreatestEclipse(eclipse.record).ajd, frame);
    eclipse.label = texts.label;
    eclipse.logText = texts.log;
    return eclipse;
}

EclipseOnShow EclipseOfSavedText(const std::string& text, double ajd) {
    std::optional<EclipseOnShow> eclipse = NamedEclipse(text);
    if (!eclipse) eclipse = EclipseNear(ajd);
    EclipseOnShow shown = eclipse.value_or(EclipseOnShow{});
    shown.label = text;
    shown.logText.clear();
    return shown;
}

}  // namespace Shown
