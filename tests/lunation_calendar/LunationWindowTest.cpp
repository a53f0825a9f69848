// The lunation window opened from the main window, offscreen: the first page, today's
// rectangle and the pictures, paging with both limit messages, a thousand pages forward and
// back, the calendar list read at each drawing, Close, and missing pictures.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include "calendars/registry/CalendarRegistry.h"
#include "lunation_calendar/LunationDayCells.h"
#include "lunation_calendar/frmCalendar.h"
#include "lunation_calendar/frmExportCalendar.h"
#include "mainwin/WindowFixture.h"

using namespace LunationPage;

namespace {

constexpr int32_t kJan1st2000 = 2451545;

class LunationWindowTest : public WindowTest {
protected:
    frmCalendar* Open(const QString& entry = QString(), int listEntry = 0) {
        if (!entry.isEmpty()) Compute(entry);
        Find<QComboBox>("cboMonthCalendar")->setCurrentIndex(listEntry);
        Find<QPushButton>("cmdDisplayCalendar")->click();
        auto* calendar = window->findChild<frmCalendar*>("frmCalendar");
        EXPECT_NE(calendar, nullptr);
        return calendar;
    }
    void Click(frmCalendar* calendar, int button) { calendar->cmdShowPreviousOrNext[static_cast<size_t>(button)]->click(); }

    // The colour at a point of the page as the window draws it.
    static QColor Pixel(frmCalendar* calendar, int x, int y) { return calendar->grab().toImage().pixelColor(x, y); }
};

// The grid corner of a cell at 100 % scale.
QPoint CellCorner(int cell, int calendar) {
    return {kGridLeft + (cell % kCellsPerRow) * CellWidth(calendar), kGridTop + (cell / kCellsPerRow) * kCellHeight};
}

// The sheets of a PDF file: its page objects.
int PdfSheets(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(pdf.readAll().count("/Type /Page\n"));
}

}  // namespace

TEST_F(LunationWindowTest, OpensOnTheLunationOfTheDisplayedMoment) {
    // The fixed clock says 2000-01-01 12:00, in lunation -1 (1999-12-07 to 2000-01-05).
    frmCalendar* calendar = Open();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_TRUE(calendar->blnFormLoaded);
    EXPECT_TRUE(calendar->loadingNotice.isNull());
    EXPECT_EQ(calendar->lngLunationNumber, -1);
    EXPECT_EQ(calendar->lngJDN1stOfMonth, kJan1st2000 - 25);
    EXPECT_EQ(calendar->lblTitle->text(), "Lunation -1 (Dionysus)");
    EXPECT_EQ(calendar->lblYearAndMonth->text(), "December 1999 - January 2000");
    EXPECT_EQ(calendar->windowTitle(), "Archetypes Calendar dates");
    EXPECT_EQ(calendar->width(), 920);
    EXPECT_GT(calendar->height(), kGridBottom);
    for (QPushButton* b : {calendar->cmdShowPreviousOrNext[0], calendar->cmdShowPreviousOrNext[1], calendar->cmdClose})
        EXPECT_GT(b->y(), kGridBottom);
    ASSERT_NE(calendar->Page().Today(), nullptr);
    EXPECT_EQ(calendar->Page().Today()->dayNumber, kJan1st2000);
    if (qEnvironmentVariableIsSet("SELVANOR_LUNATION_SCREENSHOT"))
        calendar->grab().save(qEnvironmentVariable("SELVANOR_LUNATION_SCREENSHOT"));

    // Today's rectangle runs down the left of its cell; the full Moon of cell 14 is bright.
    const QPoint today = CellCorner(calendar->Page().Today()->cell, CalendarTable::ARC);
    const QColor background = Pixel(calendar, 5, 300);
    EXPECT_EQ(Pixel(calendar, today.x() - 10, today.y() + 50), LunationPainter::kTodayColour);
    const QPoint full = CellCorner(14, CalendarTable::ARC);
    EXPECT_GT(Pixel(calendar, full.x() + 10 + 32, full.y() + 1 + 32).lightness(), 150);

    // The next page has no today: no rectangle.
    Click(calendar, 1);
    EXPECT_EQ(calendar->Page().Today(), nullptr);
    EXPECT_EQ(Pixel(calendar, today.x() - 10, today.y() + 50), background);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(LunationWindowTest, LimitsAtBothEnds) {
    struct Row {
        const char* entry;
        int button;
        int32_t start, limit;
        const char* title;
        const char* text;
    } rows[] = {
        {"5999-11-10 CE", 1, kLatestLunation - 1, kLatestLunation, "Show next lunation",
         "This is the latest lunation which can be displayed."},
        {"-3200-01-20 CE", 0, kEarliestLunation + 1, kEarliestLunation, "Show previous lunation",
         "This is the earliest lunation which can be displayed."},
    };
    for (const Row& row : rows) {
        dialogs->messages.clear();
        frmCalendar* calendar = Open(row.entry);
        ASSERT_NE(calendar, nullptr);
        ASSERT_EQ(calendar->lngLunationNumber, row.start) << row.entry;
        Click(calendar, row.button);
        EXPECT_EQ(calendar->lngLunationNumber, row.limit);
        EXPECT_TRUE(dialogs->messages.empty());
        const int32_t first = calendar->lngJDN1stOfMonth;
        const QString title = calendar->lblTitle->text();
        Click(calendar, row.button);
        ASSERT_EQ(dialogs->messages.size(), 1u) << row.entry;
        EXPECT_EQ(dialogs->messages[0].title, row.title);
        EXPECT_EQ(dialogs->messages[0].text, row.text);
        EXPECT_EQ(calendar->lngLunationNumber, row.limit);
        EXPECT_EQ(calendar->lngJDN1stOfMonth, first);
        EXPECT_EQ(calendar->lblTitle->text(), title);
        // The other direction still pages.
        Click(calendar, 1 - row.button);
        EXPECT_EQ(calendar->lngLunationNumber, row.start);
        EXPECT_EQ(dialogs->messages.size(), 1u);
    }
}

// A thousand pages forward and back again: every page follows on from the one before, and the
// walk comes back to the page it started from.
TEST_F(LunationWindowTest, PagingAThousandTimes) {
    frmCalendar* calendar = Open(QString(), 4);  // the lunar week calendar
    ASSERT_NE(calendar, nullptr);
    const int32_t startLunation = calendar->lngLunationNumber;
    const int32_t startDay = calendar->lngJDN1stOfMonth;
    for (int button : {1, 0}) {
        for (int i = 0; i < 1000; ++i) {
            const LunationPage::Page before = calendar->Page();
            Click(calendar, button);
            const LunationPage::Page& after = calendar->Page();
            ASSERT_TRUE(after.days == 29 || after.days == 30);
            if (button == 1)
                ASSERT_EQ(before.firstDayNumber + before.days, after.firstDayNumber) << i;
            else
                ASSERT_EQ(after.firstDayNumber + after.days, before.firstDayNumber) << i;
        }
    }
    EXPECT_EQ(calendar->lngLunationNumber, startLunation);
    EXPECT_EQ(calendar->lngJDN1stOfMonth, startDay);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(LunationWindowTest, CalendarListIsReadAtEachDrawing) {
    frmCalendar* calendar = Open();
    ASSERT_NE(calendar, nullptr);
    auto* list = Find<QComboBox>("cboMonthCalendar");
    struct Row {
        int listEntry;
        const char* caption;
        int width;
        const char* firstLine;  // lunation 0 starts on 2000-01-06
    } rows[] = {
        {3, "Lunar Liberalia Triday dates", 1072, "Nora 10 Eleleth"},
        {2, "Dunhale-Varnel Goddess dates", 1072, "Inanna 1"},
        {4, "Quillon Lunar Week dates", 920, "Moonday W4 Kolvane"},
        {1, "Varnel-Ostrik Solilunar dates", 920, "Vessandor 29"},
    };
    for (const Row& row : rows) {
        list->setCurrentIndex(row.listEntry);
        Click(calendar, 1);
        Click(calendar, 0);
        Click(calendar, 1);  // lunation 0
        EXPECT_EQ(calendar->windowTitle(), row.caption);
        EXPECT_EQ(calendar->width(), row.width);
        EXPECT_EQ(calendar->Page().dayCells.front().calendarLine, row.firstLine) << row.caption;
        Click(calendar, 0);
    }
}

TEST_F(LunationWindowTest, CloseHidesAndReopenKeepsTheWindow) {
    frmCalendar* calendar = Open();
    ASSERT_NE(calendar, nullptr);
    calendar->cmdClose->click();
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_TRUE(window->isVisible());
    frmCalendar* again = Open("2000-02-20 CE");
    EXPECT_EQ(again, calendar);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(again->lngLunationNumber, 1);
    EXPECT_TRUE(again->loadingNotice.isNull());
}

TEST_F(LunationWindowTest, MissingPicturesLeaveCellsEmpty) {
    QTemporaryDir empty;
    LunationWindowServices services{dialogs, [] { return kJan1st2000; }, empty.path(), {}, {}};
    frmCalendar calendar(window.get(), Find<QComboBox>("cboMonthCalendar"), services);
    calendar.Open(kJan1st2000 + 0.0, 0);
    EXPECT_TRUE(calendar.blnFormLoaded);
    const QPoint full = CellCorner(14, CalendarTable::ARC);
    EXPECT_EQ(Pixel(&calendar, full.x() + 10 + 32, full.y() + 1 + 32), Pixel(&calendar, 5, 300));
    EXPECT_EQ(calendar.lblTitle->text(), "Lunation -1 (Dionysus)");
}

// A lunar year on paper and in a calendar program: Print with the sheets chosen in its dialog,
// Export PDF with the count of the pages box, Export calendar over the pages' span.
TEST_F(LunationWindowTest, PrintPdfAndCalendarFile) {
    frmCalendar* calendar = Open();  // lunation -1, 1999-12-07 to 2000-01-05
    ASSERT_NE(calendar, nullptr);
    QTemporaryDir folder;
    calendar->Services().saveFileName = [&](QWidget*, const QString&, const QString& suggested, const QString&) {
        return folder.filePath(suggested);
    };
    calendar->Services().choosePrinter = [&](QWidget*, QPrinter& printer, int sheets) {
        EXPECT_EQ(sheets, 13);  // a lunar year by default
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("printed.pdf"));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 4);
        return true;
    };
    calendar->cmdPrint->click();
    EXPECT_EQ(PdfSheets(folder.filePath("printed.pdf")), 3);
    calendar->spnPages->setValue(2);
    calendar->cmdExportPdf->click();
    EXPECT_EQ(PdfSheets(folder.filePath("lunations--1-0.pdf")), 2);

    calendar->cmdExportCalendar->click();
    auto* exporter = calendar->findChild<frmExportCalendar*>("frmExportCalendar");
    ASSERT_NE(exporter, nullptr);
    EXPECT_EQ(exporter->cboCalendar->currentText(), "Archetypes Calendar dates");
    EXPECT_EQ(exporter->txbFrom->text(), "1999-12-07 CE");
    EXPECT_EQ(exporter->txbTo->text(), "2000-02-04 CE");  // the last day of lunation 0
    exporter->txbFrom->setText("1999-12-32 CE");
    exporter->cmdExport->click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.startsWith("1999-12-32 CE: Invalid CE date."));
    EXPECT_TRUE(exporter->isVisible());
    exporter->txbFrom->setText("1999-12-07 CE");
    exporter->cmdExport->click();  // no file named yet: it asks for one
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[1].text,
              "Wrote 2 months, 8 phases and 1 eclipses to " + folder.filePath("arc-months.ics") + ".");
    QFile file(folder.filePath("arc-months.ics"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("BEGIN:VCALENDAR\r\n"));
}

// What a screen reader reads of the page: each day's cell with its dates, and today.
TEST_F(LunationWindowTest, DayCellsReadTheirDates) {
    frmCalendar* calendar = Open();
    ASSERT_NE(calendar, nullptr);
    const auto* today = calendar->findChild<QLabel*>("lblDay_26");
    ASSERT_NE(today, nullptr);
    EXPECT_EQ(today->accessibleName(), "Day 26: 2000-01-01 CE (Saturday, January 1, 2000), Dionysus 25, today");
    EXPECT_FALSE(calendar->findChild<QLabel*>("lblDay_30")->isHidden());
    for (int i = 0; i < 3; ++i) Click(calendar, 1);  // lunation 2 has 29 days
    EXPECT_TRUE(calendar->findChild<QLabel*>("lblDay_30")->isHidden());
    EXPECT_FALSE(calendar->findChild<QLabel*>("lblDay_1")->accessibleName().endsWith("today"));
}
