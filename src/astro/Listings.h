// Lists of principal phases and eclipses over a span of time, for the command-line tool.
#pragma once
#include <cstdint>
#include <vector>

#include "support/AcceptedRange.h"

namespace Listings {

// The span of moments the listings cover: the program's accepted range of AJDs (end of -3201
// to 6000-01-01); requests reaching beyond it are cut to it.
constexpr double kEarliestAjd = dblEarliestAJD;
constexpr double kLatestAjd = dblLatestAJD;

struct PhaseRow {
    int32_t lunation;
    int phase;             // 0 new moon, 1 first quarter, 2 full moon, 3 last quarter
    double jdTt;           // TT Julian date
    double jdUt;           // GMT Julian date
    double deltaTMinutes;  // delta T used between the two
};

// Every principal phase whose GMT time lies in [fromAjd, toAjd], in time order.
std::vector<PhaseRow> ListPhases(double fromAjd, double toAjd);

struct EclipseRow {
    int32_t lunation;
    int phase;  // 0 (solar) or 2 (lunar)
    int type;   // 1..10 (Syzyg::EclipseTypeText)
    int32_t saros;
    double jdTtGreatest;
    double jdUtGreatest;
    double halfPenumbral, halfUmbral, halfTotal;  // minutes, lunar eclipses only
};

// Every eclipse whose greatest eclipse (GMT) lies in [fromAjd, toAjd] and whose type is in
// types (empty: all of 1..10), in time order.
std::vector<EclipseRow> ListEclipses(double fromAjd, double toAjd, const std::vector<int>& types);

// Every eclipse of saros series `saros` (solar and lunar series of that number alike) whose
// greatest eclipse lies in the accepted range, in time order.
std::vector<EclipseRow> ListSarosSeries(int32_t saros);

}  // namespace Listings
