// The sky from a place against tests/data/local-sample.csv (a JPL DE431-based ephemeris with this
// program's delta T; see its README): rise, transit and set, solar local circumstances and the
// Moon's altitude at lunar contacts. Then the cases the sample lacks: polar day and night, the
// poles, the date line, the Moon missing a day, eclipses at sunrise and sunset and at the edge
// of a total path, and the ends of the accepted range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "astro/CsvTable.h"
#include "astro/Syzyg.h"
#include "astro/sky/LocalEclipse.h"
#include "astro/sky/RiseSet.h"

using namespace Sky;

namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct Stats {
    std::vector<double> values;
    void Add(double v) { values.push_back(std::fabs(v)); }
    double Median() const {
        std::vector<double> s = values;
        std::sort(s.begin(), s.end());
        return s.empty() ? 0.0 : s[s.size() / 2];
    }
    double Max() const { return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end()); }
};

Observer ObserverOfRow(const CsvTable& t, size_t i) {
    return {t.Number(i, "lat"), t.Number(i, "lon"), t.Number(i, "height_m")};
}

// The record of the eclipse of the kind (phase 0 or 2) whose greatest eclipse is nearest jd.
EclipseData EclipseNear(double jd, int phase) {
    const int32_t k = static_cast<int32_t>(std::floor((jd - 2451550.1) / 29.530588861));
    EclipseData best{};
    for (int32_t n = k - 1; n <= k + 1; ++n) {
        EclipseData r{};
        syzyg(n, phase, &r);
        if (r.type > 0 && (best.type == 0 || std::fabs(r.greatest - jd) < std::fabs(best.greatest - jd))) best = r;
    }
    return best;
}

// Rows of one section grouped by place and date.
std::map<std::string, std::vector<size_t>> Groups(const CsvTable& t, const std::string& section) {
    std::map<std::string, std::vector<size_t>> groups;
    for (size_t i = 0; i < t.size(); ++i)
        if (t.Text(i, "section") == section) groups[t.Text(i, "place") + " " + t.Text(i, "date")].push_back(i);
    return groups;
}

int Count(const std::vector<SkyEvent>& events, Body body, EventKind kind) {
    return static_cast<int>(std::count_if(events.begin(), events.end(),
                                          [&](const SkyEvent& e) { return e.body == body && e.kind == kind; }));
}

}  // namespace

// Every event of the reference's whole UT days, and none more.
TEST(LocalSky, RiseTransitSetAgainstEphemeris) {
    const CsvTable t("local-sample.csv");
    std::map<std::string, std::vector<size_t>> places;
    for (size_t i = 0; i < t.size(); ++i)
        if (t.Text(i, "section") == "riseset") places[t.Text(i, "place")].push_back(i);
    ASSERT_GE(places.size(), 6u);
    Stats time, azimuth, altitude;
    for (const auto& [place, rows] : places) {
        double first = 1e300, last = -1e300;
        for (size_t i : rows) {
            first = std::min(first, t.Number(i, "jd_ut"));
            last = std::max(last, t.Number(i, "jd_ut"));
        }
        const double from = std::floor(first - 0.5) + 0.5, to = std::floor(last - 0.5) + 1.5;  // UT midnights
        const std::vector<SkyEvent> events = Events(ObserverOfRow(t, rows[0]), from, to);
        EXPECT_EQ(events.size(), rows.size()) << place;
        EXPECT_TRUE(std::is_sorted(events.begin(), events.end(),
                                   [](const SkyEvent& a, const SkyEvent& b) { return a.jdUt < b.jdUt; }));
        for (size_t i : rows) {
            const Body body = t.Text(i, "body") == "sun" ? Body::Sun : Body::Moon;
            const std::string e = t.Text(i, "event");
            const EventKind kind = e == "rise" ? EventKind::Rise : e == "set" ? EventKind::Set : EventKind::Transit;
            const double jd = t.Number(i, "jd_ut");
            const SkyEvent* match = nullptr;
            for (const SkyEvent& ev : events)
                if (ev.body == body && ev.kind == kind && (!match || std::fabs(ev.jdUt - jd) < std::fabs(match->jdUt - jd)))
                    match = &ev;
            ASSERT_NE(match, nullptr) << place << " " << e << " at " << jd;
            time.Add((match->jdUt - jd) / kSecond);
            // The azimuth of a transit near the zenith turns fast: compared where it means something.
            if (t.Number(i, "altitude_deg") < 85.0)
                azimuth.Add(std::remainder(match->azimuth - t.Number(i, "azimuth_deg"), 360.0));
            altitude.Add(match->altitude - t.Number(i, "altitude_deg"));
        }
    }
    std::printf("rise, transit, set (%zu events): time median %.2f s, largest %.2f s; azimuth largest %.4f deg; "
                "altitude largest %.4f deg\n",
                time.values.size(), time.Median(), time.Max(), azimuth.Max(), altitude.Max());
    EXPECT_LT(time.Max(), 2.0);
    EXPECT_LT(azimuth.Max(), 0.005);
    EXPECT_LT(altitude.Max(), 0.002);
}

TEST(LocalSky, SolarEclipsesAgainstEphemeris) {
    const CsvTable t("local-sample.csv");
    const auto groups = Groups(t, "solar");
    ASSERT_GE(groups.size(), 7u);
    Stats contact, altitude, magnitude, obscuration;
    for (const auto& [name, rows] : groups) {
        double max = 0.0;
        for (size_t i : rows)
            if (t.Text(i, "event") == "max") max = t.Number(i, "jd_ut");
        const SolarLocal local = SolarCircumstances(ObserverOfRow(t, rows[0]), EclipseNear(max, 0));
        ASSERT_TRUE(local.valid) << name;
        const std::map<std::string, std::pair<double, double>> timed = {
            {"c1", {local.c1, local.sunAltitudeC1}}, {"c2", {local.c2, NAN}}, {"max", {local.max, local.sunAltitudeMax}},
            {"c3", {local.c3, NAN}}, {"c4", {local.c4, local.sunAltitudeC4}}};
        for (size_t i : rows) {
            const std::string e = t.Text(i, "event");
            if (e == "visible") {
                EXPECT_EQ(local.visible, t.Text(i, "value") == "true") << name;
            }
            if (e == "type") {
                static const char* const kKinds[] = {"none", "partial", "annular", "total"};
                EXPECT_EQ(kKinds[static_cast<int>(local.kind)], t.Text(i, "value")) << name;
            }
            if (e == "magnitude") magnitude.Add(local.magnitude - t.Number(i, "value"));
            if (e == "obscuration") obscuration.Add(local.obscuration - t.Number(i, "value"));
            const auto c = timed.find(e);
            if (c == timed.end()) continue;
            EXPECT_EQ(std::isfinite(c->second.first), !t.Text(i, "jd_ut").empty()) << name << " " << e;
            if (t.Text(i, "jd_ut").empty()) continue;
            contact.Add((c->second.first - t.Number(i, "jd_ut")) / kSecond);
            if (std::isfinite(c->second.second)) altitude.Add(c->second.second - t.Number(i, "altitude_deg"));
        }
    }
    std::printf("solar eclipses (%zu place-eclipses): contacts median %.2f s, largest %.2f s; Sun's altitude largest "
                "%.4f deg; magnitude largest %.4f, obscuration largest %.4f\n",
                groups.size(), contact.Median(), contact.Max(), altitude.Max(), magnitude.Max(), obscuration.Max());
    EXPECT_LT(contact.Max(), 3.0);
    EXPECT_LT(altitude.Max(), 0.01);
    EXPECT_LT(magnitude.Max(), 0.0006);
    EXPECT_LT(obscuration.Max(), 0.0006);
}

// The contacts are the eclipse list's; the Moon's altitude there is compared at the
// reference's own instants too, which takes the list's contact errors (seconds) out.
TEST(LocalSky, LunarEclipsesAgainstEphemeris) {
    const CsvTable t("local-sample.csv");
    const auto groups = Groups(t, "lunar");
    ASSERT_GE(groups.size(), 2u);
    Stats atListed, atReference;
    for (const auto& [name, rows] : groups) {
        double max = 0.0;
        for (size_t i : rows)
            if (t.Text(i, "event") == "max") max = t.Number(i, "jd_ut");
        const EclipseData record = EclipseNear(max, 2);
        const double greatestUt = record.greatest - Syzyg::DeltaTAt(record.greatest) / 1440.0;
        const Observer observer = ObserverOfRow(t, rows[0]);
        const LunarLocal local = LunarCircumstances(observer, record, greatestUt);
        ASSERT_TRUE(local.valid) << name;
        static const char* const kContacts[] = {"p1", "u1", "u2", "max", "u3", "u4", "p4"};
        for (size_t i : rows) {
            const std::string e = t.Text(i, "event");
            if (e == "visible") {
                EXPECT_EQ(local.visible, t.Text(i, "value") == "true") << name;
            }
            for (int c = 0; c < 7; ++c) {
                if (e != kContacts[c]) continue;
                ASSERT_TRUE(std::isfinite(local.contacts[c])) << name << " " << e;
                EXPECT_NEAR(local.contacts[c], t.Number(i, "jd_ut"), 10.0 * kSecond) << name << " " << e;
                atListed.Add(local.moonAltitude[c] - t.Number(i, "altitude_deg"));
                atReference.Add(PositionAt(observer, Body::Moon, t.Number(i, "jd_ut")).altitude -
                                t.Number(i, "altitude_deg"));
            }
        }
    }
    std::printf("lunar eclipses: the Moon's altitude largest %.4f deg at the listed contacts, %.4f deg at the "
                "reference's\n",
                atListed.Max(), atReference.Max());
    EXPECT_LT(atListed.Max(), 0.03);
    EXPECT_LT(atReference.Max(), 0.003);
}

// Polar day and night, the poles (one sunrise a year), and a place on the date line.
TEST(LocalSky, PolarAndDateLinePlaces) {
    struct Row {
        const char* name;
        Observer observer;
        double from, days;
        int sunRises, sunSets, sunTransits;
    };
    const Row rows[] = {
        {"Resolute, midnight sun", {74.695556, -94.829167, 20}, 2460481.5, 2, 0, 0, 2},
        {"Resolute, polar night", {74.695556, -94.829167, 20}, 2460664.5, 2, 0, 0, 0},
        {"North Pole, March 2024", {90.0, 0.0, 0}, 2460370.5, 31, 1, 0, -1},
        {"South Pole, March 2024", {-90.0, 0.0, 0}, 2460370.5, 31, 0, 1, -1},
    };
    for (const Row& r : rows) {
        const std::vector<SkyEvent> events = Events(r.observer, r.from, r.from + r.days);
        EXPECT_EQ(Count(events, Body::Sun, EventKind::Rise), r.sunRises) << r.name;
        EXPECT_EQ(Count(events, Body::Sun, EventKind::Set), r.sunSets) << r.name;
        if (r.sunTransits >= 0) {
            EXPECT_EQ(Count(events, Body::Sun, EventKind::Transit), r.sunTransits) << r.name;
        }
    }
    // 180 E and 180 W are one meridian.
    const std::vector<SkyEvent> east = Events({-16.5, 180.0, 0}, 2460324.5, 2460327.5);
    const std::vector<SkyEvent> west = Events({-16.5, -180.0, 0}, 2460324.5, 2460327.5);
    ASSERT_EQ(east.size(), west.size());
    ASSERT_EQ(east.size(), 18u);
    for (size_t i = 0; i < east.size(); ++i) EXPECT_NEAR(east[i].jdUt, west[i].jdUt, 1e-6);
}

// Once a month the Moon does not rise on a civil day, and once it does not set: a day of one
// Moon event and no other, never an invented second one.
TEST(LocalSky, MoonMissesADayAMonth) {
    const Observer paris{48.866667, 2.333333, 35};
    const double from = 2460310.5 - 1.0 / 24.0;  // 2024-01-01 00:00 at GMT+1
    std::map<int, std::pair<int, int>> perDay;   // day: rises, sets
    for (const SkyEvent& e : Events(paris, from, from + 366.0)) {
        if (e.body != Body::Moon || e.kind == EventKind::Transit) continue;
        auto& day = perDay[static_cast<int>(std::floor(e.jdUt - from))];
        (e.kind == EventKind::Rise ? day.first : day.second)++;
    }
    int noRise = 0, noSet = 0;
    for (int d = 0; d < 366; ++d) {
        const auto [rises, sets] = perDay[d];
        EXPECT_LE(rises, 1) << d;
        EXPECT_LE(sets, 1) << d;
        noRise += rises == 0;
        noSet += sets == 0;
    }
    EXPECT_GE(noRise, 12);
    EXPECT_LE(noRise, 13);
    EXPECT_GE(noSet, 12);
    EXPECT_LE(noSet, 13);
}

// Eclipses seen only at sunrise or sunset, and a total eclipse at the edge of its path.
TEST(LocalSky, EclipsesAtTheHorizonAndThePathEdge) {
    EclipseData annular2021{}, total2024{};
    syzyg(265, 0, &annular2021);  // 2021-06-10
    syzyg(300, 0, &total2024);    // 2024-04-08
    const SolarLocal newYork = SolarCircumstances({40.7142, -74.0064, 10}, annular2021);
    EXPECT_TRUE(newYork.visible);
    EXPECT_LT(newYork.sunAltitudeC1, -1.0);
    EXPECT_TRUE(newYork.sunrise > newYork.c1 && newYork.sunrise < newYork.max);
    const SolarLocal atlantic = SolarCircumstances({45.0, -10.0, 0}, total2024);
    EXPECT_TRUE(atlantic.visible);
    EXPECT_TRUE(atlantic.sunset > atlantic.c1 && atlantic.sunset < atlantic.c4);
    EXPECT_LT(atlantic.sunAltitudeC4, 0.0);

    // Crossing the northern limit near Dallas: totality shrinks to nothing, then partial with
    // the Moon's mean disc still reaching past the Sun's (magnitude above 1, the canons' k not).
    struct Row {
        double latitude;
        LocalKind kind;
        double shortest, longest;  // seconds of totality
    };
    const Row rows[] = {{33.20, LocalKind::Total, 130, 155},
                        {33.35, LocalKind::Total, 50, 90},
                        {33.40, LocalKind::Partial, 0, 0},
                        {33.60, LocalKind::Partial, 0, 0}};
    for (const Row& r : rows) {
        const SolarLocal s = SolarCircumstances({r.latitude, -96.797, 0}, total2024);
        EXPECT_EQ(s.kind, r.kind) << r.latitude;
        if (r.kind == LocalKind::Total) {
            const double seconds = (s.c3 - s.c2) / kSecond;
            EXPECT_TRUE(seconds > r.shortest && seconds < r.longest) << r.latitude << ": " << seconds;
            EXPECT_TRUE(s.c2 < s.max && s.max < s.c3);
        } else {
            EXPECT_FALSE(std::isfinite(s.c2) || std::isfinite(s.c3)) << r.latitude;
            EXPECT_GT(s.magnitude, 0.99);
        }
    }
}

// Both ends of the accepted range: events come in order, the eclipse geometry holds together.
TEST(LocalSky, WholeRange) {
    for (const double from : {552400.0, 3912000.0}) {
        const std::vector<SkyEvent> events = Events({30.0, 31.0, 0}, from, from + 3.0);
        EXPECT_GE(events.size(), 14u) << from;
        for (size_t i = 1; i < events.size(); ++i) EXPECT_LT(events[i - 1].jdUt, events[i].jdUt);
    }
    for (const int32_t lunation : {-64000, 49000}) {
        for (int32_t n = lunation; n < lunation + 12; ++n) {
            EclipseData r{};
            syzyg(n, 0, &r);
            if (r.type == 0) continue;
            // The place under greatest eclipse is unknown here; a place anywhere has the
            // contacts in order whenever it has them.
            const SolarLocal s = SolarCircumstances({0.0, 0.0, 0}, r);
            EXPECT_TRUE(s.valid);
            if (s.kind != LocalKind::None) {
                EXPECT_TRUE(s.c1 < s.max && s.max < s.c4) << n;
            }
        }
    }
}
