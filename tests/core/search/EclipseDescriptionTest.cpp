// The eclipse-data label and the log line, per eclipse type.
#include <gtest/gtest.h>

#include "core/search/EclipseDescription.h"

namespace {

EclipseData Record(int type) {
    EclipseData record{};
    record.type = type;
    record.lunation = 1234;
    record.saros = -5;
    record.halfPenumbral = 137.4;  // 274.8 minutes: lasts 4h 35m
    record.halfUmbral = 60.0;
    record.halfTotal = 0.2;        // rounds to 0 minutes
    return record;
}

struct DescriptionRow {
    int type;
    const char* label;
    const char* log;
};
// The moment is 2000-01-01 22:58:24 GMT (AJD 2451545.4572); in a zone of +05:30.
const DescriptionRow kRows[] = {
    {3, "Central total solar eclipse\nLunation number = 1234\nSaros number = -5\n",
     "Central total solar eclipse, lunation number = 1234, saros number = -5."},
    {8, "Penumbral lunar eclipse\nLunation number = 1234\nSaros number = -5\nPenumbral phase starts 02:11 and lasts 4h 35m.\n",
     "Penumbral lunar eclipse, lunation number = 1234, saros number = -5, penumbral phase starts 02:11 and lasts 4h 35m."},
    {9, "Partial lunar eclipse\nLunation number = 1234\nSaros number = -5\nPenumbral phase starts 02:11 and lasts "
        "4h 35m.\nUmbral phase starts 03:28 and lasts 2h 0m.\n",
     "Partial lunar eclipse, lunation number = 1234, saros number = -5, penumbral phase starts 02:11 and lasts 4h 35m, "
     "umbral phase starts 03:28 and lasts 2h 0m."},
    {10, "Total lunar eclipse\nLunation number = 1234\nSaros number = -5\nPenumbral phase starts 02:11 and lasts 4h "
         "35m.\nUmbral phase starts 03:28 and lasts 2h 0m.\nTotal phase starts 04:28 and lasts 0h 0m.\n",
     "Total lunar eclipse, lunation number = 1234, saros number = -5, penumbral phase starts 02:11 and lasts 4h 35m, "
     "umbral phase starts 03:28 and lasts 2h 0m, total phase starts 04:28 and lasts 0h 0m."},
};

TEST(EclipseDescription, LabelAndLogPerType) {
    const TimeFrame frame{false, 330};
    const double moment = 2451545.0 + (22.0 * 60 + 58.4) / 1440.0 - 0.5;  // 2000-01-01 22:58:24 GMT
    for (const DescriptionRow& row : kRows) {
        const Search::EclipseTexts texts = Search::EclipseDescription(Record(row.type), moment, frame);
        EXPECT_EQ(texts.label, row.label) << row.type;
        EXPECT_EQ(texts.log, row.log) << row.type;
    }
}

TEST(EclipseDescription, PhaseStartsOnThePreviousDay) {
    // Greatest eclipse at 01:00 GMT, penumbral half-duration of two hours: starts 23:00.
    const TimeFrame greenwich{true, 0};
    EclipseData record = Record(8);
    record.halfPenumbral = 120.0;
    const auto texts = Search::EclipseDescription(record, 2451545.0 + 1.0 / 24.0 - 0.5, greenwich);
    EXPECT_NE(texts.label.find("Penumbral phase starts 23:00 and lasts 4h 0m."), std::string::npos) << texts.label;
}

}  // namespace
