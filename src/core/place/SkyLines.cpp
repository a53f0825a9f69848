// The window's texts of the sky from a place.
#include "core/place/SkyLines.h"

#include <cmath>
#include <cstdio>

#include "astro/DeltaTUncertainty.h"
#include "astro/sky/RiseSet.h"

namespace SkyLines {

namespace {

constexpr const char* kDot = " \xC2\xB7 ";     // " · "
constexpr const char* kDegree = "\xC2\xB0";    // "°"
constexpr const char* kDash = "\xE2\x80\x93";  // "–"

std::string Time(double ajd, const TimeFrame& frame) { return TimeZones::TimeOfDayText(ajd, frame); }

std::string Marker(const TimeFrame& frame) { return TimeZones::FrameMarker(frame); }

std::string Fixed(double value, int decimals) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// An azimuth at one decimal, just west of north read as 0.0 rather than 360.0.
std::string Azimuth(double degrees) {
    double rounded = std::round(degrees * 10.0) / 10.0;
    if (rounded >= 360.0) rounded -= 360.0;
    return Fixed(rounded, 1);
}

// "23° high", "on the horizon", "below the horizon" for an apparent altitude in degrees.
std::string Height(double altitude) {
    const long degrees = std::lround(altitude);
    if (altitude < 0.0) return "below the horizon";
    if (degrees == 0) return "on the horizon";
    return std::to_string(degrees) + kDegree + " high";
}

std::string BodyPart(const Place& place, Sky::Body body, const std::vector<Sky::SkyEvent>& events, double dayStart,
                     const TimeFrame& frame) {
    std::string text;
    bool rises = false, sets = false;
    for (const Sky::SkyEvent& e : events) {
        if (e.body != body || e.kind == Sky::EventKind::Transit) continue;
        const bool rise = e.kind == Sky::EventKind::Rise;
        rises = rises || rise;
        sets = sets || !rise;
        text += std::string(text.empty() ? "" : ", ") + (rise ? "rises " : "sets ") + Time(e.jdUt, frame);
    }
    if (!rises && !sets)
        return Sky::PositionAt(ObserverOf(place), body, dayStart).aboveHorizonLine ? "up all day" : "down all day";
    if (!rises) text += ", no rise";
    if (!sets) text += ", no set";
    return text;
}

std::string DurationText(double days) {
    const long seconds = std::lround(days * 86400.0);
    if (seconds < 60) return std::to_string(seconds) + " s";
    return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
}

}  // namespace

std::string RiseSetLine(const Place& place, double ajd, const TimeFrame& frame) {
    const double day = std::floor(TimeZones::AjdToCjd(ajd, frame));
    const double from = TimeZones::CjdToAjd(day, frame), to = TimeZones::CjdToAjd(day + 1.0, frame);
    const std::vector<Sky::SkyEvent> events = Sky::Events(ObserverOf(place), from, to);
    const Sky::BodyPosition moon = Sky::PositionAt(ObserverOf(place), Sky::Body::Moon, ajd);
    return "Sun: " + BodyPart(place, Sky::Body::Sun, events, from, frame) + kDot +
           "Moon: " + BodyPart(place, Sky::Body::Moon, events, from, frame) + ", " + Height(moon.altitude);
}

std::string ToolTip(const Place& place, double ajd) {
    std::string text;
    for (const Sky::Body body : {Sky::Body::Sun, Sky::Body::Moon}) {
        const Sky::BodyPosition p = Sky::PositionAt(ObserverOf(place), body, ajd);
        text += std::string(body == Sky::Body::Sun ? "Sun" : "\nMoon") + ": altitude " + Fixed(p.altitude, 1) + kDegree +
                ", azimuth " + Azimuth(p.azimuth) + kDegree;
    }
    const double sigma = DeltaTUncertainty::SigmaMinutesAt(ajd);
    if (sigma >= 1.0)
        text += "\nDelta T is uncertain by \xC2\xB1" + DeltaTUncertainty::SpanText(sigma) +
                " at this date (Espenak and Meeus 2006): rises, sets and eclipse times may be off by as much.";
    return text;
}

std::vector<std::string> SolarLines(const std::string& label, const Sky::SolarLocal& local, const TimeFrame& frame) {
    if (!local.valid) return {};
    if (local.kind == Sky::LocalKind::None) return {"Not seen from " + label + " (outside the Moon's penumbra)"};
    if (!local.visible) return {"Not seen from " + label + " (below the horizon)"};
    std::vector<std::string> lines;
    lines.push_back("Seen from " + label + ": partial " + Time(local.c1, frame) + kDash + Time(local.c4, frame) +
                    Marker(frame) + ", magnitude " + Fixed(local.magnitude, 2) + ", Sun " + Height(local.sunAltitudeMax) +
                    " at maximum");
    std::string second;
    if (std::isfinite(local.c2) && std::isfinite(local.c3))
        second = std::string(local.kind == Sky::LocalKind::Total ? "Total " : "Annular ") + Time(local.c2, frame) + kDash +
                 Time(local.c3, frame) + ", " + DurationText(local.c3 - local.c2);
    if (std::isfinite(local.sunrise))
        second += std::string(second.empty() ? "The" : "; the") + " Sun rises at " + Time(local.sunrise, frame) +
                  " during the eclipse";
    if (std::isfinite(local.sunset))
        second += std::string(second.empty() ? "The" : "; the") + " Sun sets at " + Time(local.sunset, frame) +
                  " during the eclipse";
    if (!second.empty()) lines.push_back(second);
    return lines;
}

std::vector<std::string> LunarLines(const std::string& label, const Sky::LunarLocal& local, const TimeFrame& frame) {
    if (!local.valid) return {};
    if (!local.visible) return {"Not seen from " + label + " (below the horizon)"};
    std::vector<std::string> lines;
    lines.push_back("Seen from " + label + ": Moon " + Height(local.moonAltitude[Sky::Greatest]) + " at greatest eclipse");
    const char* phase = std::isfinite(local.contacts[Sky::U1]) ? "umbral" : "penumbral";
    std::string second;
    if (std::isfinite(local.moonrise))
        second = "The Moon rises at " + Time(local.moonrise, frame) + Marker(frame) + " during the " + phase + " phase";
    if (std::isfinite(local.moonset))
        second += std::string(second.empty() ? "The" : "; the") + " Moon sets at " + Time(local.moonset, frame) +
                  Marker(frame) + " during the " + phase + " phase";
    if (!second.empty()) lines.push_back(second);
    return lines;
}

std::vector<std::string> EclipseLines(const std::string& label, const Place& place, const EclipseData& record,
                                      double greatestUt, const TimeFrame& frame) {
    if (record.type >= 1 && record.type <= 7) return SolarLines(label, Sky::SolarCircumstances(ObserverOf(place), record), frame);
    if (record.type >= 8 && record.type <= 10)
        return LunarLines(label, Sky::LunarCircumstances(ObserverOf(place), record, greatestUt), frame);
    return {};
}

}  // namespace SkyLines
