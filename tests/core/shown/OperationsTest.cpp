// The operations on the shown value, without a window: what each returns to show, to say and to
// record.
#include <gtest/gtest.h>

#include "core/shown/EclipseOnShow.h"
#include "core/shown/Operations.h"

namespace {

constexpr TimeFrame kIndia{false, 330};
constexpr double kNoonJan1 = 2451545.0;

ShownMoment Start(const TimeFrame& frame = {}) { return Shown::At(kNoonJan1, frame, CalendarTable::CE, NumberFormat{}); }

TEST(ShownOperations, ComputeShowsTheEntryAndReportsIt) {
    const Shown::Outcome out = Shown::Compute(Start(kIndia), "2003-12-31 ce 15:55", "", true);
    ASSERT_TRUE(out.next && out.report && !out.message);
    EXPECT_EQ(out.next->EntryDateText(), "2003-12-31 CE");
    EXPECT_EQ(out.next->timeLine, "15:55 (local)");
    EXPECT_EQ(*out.dateBox, "2003-12-31 CE 15:55");
    EXPECT_EQ(Shown::HistoryTextOf(*out.next), "2003-12-31 CE 15:55 (local = GMT+05:30)");
    EXPECT_EQ(out.report->operation, "Convert date");

    // The same moment again: nothing to do; a refused entry keeps the moment and says why.
    const Shown::Outcome again = Shown::Compute(*out.next, "2003-12-31 CE 15:55", "", true);
    EXPECT_EQ(again.message->text, "Nothing to do!");
    EXPECT_FALSE(again.report);
    const Shown::Outcome refused = Shown::Compute(*out.next, "2003-02-30 JC", "", true);
    EXPECT_EQ(refused.message->title, "Invalid date/time entry");
    ASSERT_TRUE(refused.next);
    EXPECT_EQ(refused.next->ajd, out.next->ajd);
}

TEST(ShownOperations, ZoneAndTimeSystem) {
    const ShownMoment noon = *Shown::Compute(Start(), "2000-06-01 CE 12:00", "", true).next;
    const Shown::Outcome india = Shown::ChangeZone(noon, 330);
    EXPECT_EQ(india.next->timeLine, "12:00 (local)");  // the local time stays
    EXPECT_NEAR(india.next->ajd, noon.ajd - 330 / 1440.0, 1e-9);
    EXPECT_EQ(india.report->operation, "Timezone changed.");
    const ShownMoment greenwich = Shown::ChooseTimeSystem(*india.next, true);
    EXPECT_EQ(greenwich.ajd, india.next->ajd);  // the moment stays
    EXPECT_EQ(greenwich.timeLine, "06:30 (GMT)");
}

// The start restores the saved moment and frame and knows the eclipse its saved data name; a
// file that stops early gives the present moment.
TEST(ShownOperations, Restore) {
    const ShownMoment found =
        *Shown::Search(Start(), "2000-01-01 CE", SearchTargets::kDefault, true).next;  // the eclipse of 2001-06-21
    ASSERT_TRUE(found.eclipse && found.eclipse->Known());
    SavedState saved;
    saved.dblCurrentAJDate = found.ajd;
    saved.greenwich = true;
    saved.timeZone = 35;
    saved.eclipseData = found.eclipse->label;
    const Shown::Outcome restored = Shown::Restore(saved, SavedStateFile::kValueCount, {}, std::nullopt, kNoonJan1, NumberFormat{});
    ASSERT_TRUE(restored.next && restored.next->eclipse);
    EXPECT_EQ(restored.next->frame, (TimeFrame{true, 330}));
    EXPECT_EQ(restored.next->eclipse->record.saros, found.eclipse->record.saros);
    EXPECT_EQ(restored.next->eclipse->label, found.eclipse->label);
    EXPECT_EQ(restored.report->operation, "Restore saved state on startup");

    const Shown::Outcome cut = Shown::Restore(saved, 10, kIndia, std::nullopt, kNoonJan1 + 7, NumberFormat{});
    EXPECT_EQ(cut.next->ajd, kNoonJan1 + 7);
    EXPECT_TRUE(cut.next->liveClock);
    EXPECT_EQ(cut.next->frame, (TimeFrame{true, 330}));  // values 6 and 9 were read
    EXPECT_EQ(cut.report->operation, "Now");
}

// One saros on from the eclipse on show, whatever moment of its lunation is on show.
TEST(ShownOperations, SarosSearchFromTheEclipseOnShow) {
    const auto eclipse = Shown::EclipseAt(0, 2, {});  // the total lunar eclipse of 2000-01-21
    ASSERT_TRUE(eclipse);
    ShownMoment days = Shown::At(kNoonJan1 + 24, {}, CalendarTable::CE, NumberFormat{});  // four days after it
    days.eclipse = eclipse;
    const Shown::Outcome out = Shown::Search(days, "", SearchTargets::kSameSaros, true);
    ASSERT_TRUE(out.next && out.next->eclipse);
    EXPECT_EQ(out.next->eclipse->record.saros, 124);
    EXPECT_EQ(out.next->eclipse->lunation, 223);
    EXPECT_EQ(out.report->eclipseType, out.next->eclipse->record.type);
}

}  // namespace
