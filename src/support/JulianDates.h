// The one conversion between the two day counts of a moment: the astronomical Julian date
// (days from Greenwich noon) and the chronological Julian date (days from the civil midnight of
// a time frame offsetMinutes east of Greenwich).
#pragma once

constexpr double CjdOfAjd(double ajd, int offsetMinutes) {
    return offsetMinutes == 0 ? ajd + 0.5 : ajd + 0.5 + offsetMinutes / 1440.0;
}

constexpr double AjdOfCjd(double cjd, int offsetMinutes) {
    if (offsetMinutes != 0) cjd -= offsetMinutes / 1440.0;
    return cjd - 0.5;
}
