#include "lunation_calendar/frmCalendar.h"

#include <QKeyEvent>

#include <QApplication>
#include <algorithm>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "astro/Syzyg.h"
#include "lunation_calendar/LunationDayCells.h"
#include "lunation_calendar/LunationPrint.h"
#include "lunation_calendar/frmExportCalendar.h"

using namespace LunationPage;

namespace {

void Yellow(QLabel* label) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, LunationPainter::kYellow);
    label->setPalette(p);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

// Where the main window goes while the page is open.
constexpr int kMainWindowTop = 400;
// Room below the buttons.
constexpr int kButtonRowFromBottom = 47;
constexpr int kBottomRoom = 60;
// The gap between the two rows of buttons.
constexpr int kRowGap = 8;
// A lunar year has 12 or 13 lunations: the pages printed and exported unless the user says more.
constexpr int kLunarYearPages = 13;
// Pages at once: enough for decades of lunations, little enough that a slip of the finger on
// the box costs seconds, not minutes.
constexpr int kMostPages = 1300;

QString DefaultSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

bool DefaultChoosePrinter(QWidget* parent, QPrinter& printer, int sheets) {
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, sheets);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

frmCalendar::frmCalendar(QWidget* mainWindow, QComboBox* calendarList, LunationWindowServices services)
    : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow), calendarList_(calendarList),
      services_(std::move(services)) {
    setObjectName("frmCalendar");
    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setFont(LunationPainter::TitleFont());
    lblYearAndMonth = new QLabel(this);
    lblYearAndMonth->setObjectName("lblYearAndMonth");
    lblYearAndMonth->setFont(LunationPainter::TitleFont());
    Yellow(lblTitle);
    Yellow(lblYearAndMonth);
    cmdShowPreviousOrNext = {new QPushButton("Display &previous lunation", this),
                             new QPushButton("Display &next lunation", this)};
    cmdShowPreviousOrNext[0]->setObjectName("cmdShowPreviousOrNext_0");
    cmdShowPreviousOrNext[1]->setObjectName("cmdShowPreviousOrNext_1");
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    // The pages box with its label, kept together in the row.
    pagesBox_ = new QWidget(this);
    lblPages = new QLabel("Pa&ges:", pagesBox_);
    lblPages->setObjectName("lblPages");
    Yellow(lblPages);
    lblPages->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spnPages = new QSpinBox(pagesBox_);
    spnPages->setObjectName("spnPages");
    spnPages->setRange(1, kMostPages);
    spnPages->setValue(kLunarYearPages);
    spnPages->setAccessibleName("Pages to print or export, from the one on show");
    lblPages->setBuddy(spnPages);
    auto* pagesRow = new QHBoxLayout(pagesBox_);
    pagesRow->setContentsMargins(0, 0, 0, 0);
    pagesRow->addWidget(lblPages);
    pagesRow->addWidget(spnPages);
    cmdPrint = new QPushButton("P&rint\u2026", this);
    cmdPrint->setObjectName("cmdPrint");
    cmdExportPdf = new QPushButton("Export P&DF\u2026", this);
    cmdExportPdf->setObjectName("cmdExportPdf");
    cmdExportCalendar = new QPushButton("Export c&alendar\u2026", this);
    cmdExportCalendar->setObjectName("cmdExportCalendar");
    cmdExportCalendar->setToolTip("A calendar file (iCalendar) of the months, phases and eclipses for calendar programs");
    connect(cmdPrint, &QPushButton::clicked, this, &frmCalendar::PrintPages);
    connect(cmdExportPdf, &QPushButton::clicked, this, &frmCalendar::ExportPdf);
    connect(cmdExportCalendar, &QPushButton::clicked, this, &frmCalendar::ExportCalendar);
    setTabOrder(cmdClose, spnPages);
    setTabOrder(spnPages, cmdPrint);
    setTabOrder(cmdPrint, cmdExportPdf);
    setTabOrder(cmdExportPdf, cmdExportCalendar);
    cells_ = std::make_unique<LunationDayCells>(this);
    for (int i = 0; i < 2; ++i)
        connect(cmdShowPreviousOrNext[i], &QPushButton::clicked, this, [this, i] { ShowPreviousOrNext(i); });
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        hide();
        if (mainWindow_) {
            mainWindow_->show();
            mainWindow_->activateWindow();
        }
    });
    for (QPushButton* button :
         {cmdShowPreviousOrNext[0], cmdShowPreviousOrNext[1], cmdClose, cmdPrint, cmdExportPdf, cmdExportCalendar})
        button->adjustSize();
    setAutoFillBackground(false);
}

frmCalendar::~frmCalendar() = default;

void frmCalendar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdClose->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

int frmCalendar::Calendar() const {
    return CalendarOfListEntry(calendarList_ ? calendarList_->currentIndex() : 0);
}

void frmCalendar::SetStart(int32_t lunation) {
    lngLunationNumber = lunation;
    lngJDN1stOfMonth = FirstDayOfLunation(lunation, Calendar(), offsetMinutes_);
}

void frmCalendar::Open(double ajd, int offsetMinutes) {
    // The main window goes to the left of the screen, 400 from its top (less when the screen is
    // too short for that), this one to the right.
    if (mainWindow_) {
        int top = kMainWindowTop;
        if (const QScreen* s = mainWindow_->screen())
            top = std::max(0, std::min(top, s->availableGeometry().bottom() + 1 - mainWindow_->frameGeometry().height()));
        mainWindow_->move(0, top);
    }
    offsetMinutes_ = offsetMinutes;
    const int32_t lunation = std::clamp(Syzyg::LunationAt(ajd), kEarliestLunation, kLatestLunation);
    SetStart(lunation);
    if (!blnFormLoaded) {
        loadingNotice = new QLabel("Now loading images ...", nullptr,
                                   Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        loadingNotice->setObjectName("lblLoadingNotice");
        loadingNotice->setMargin(12);
        loadingNotice->show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        Form_Load();
    }
    if (isMinimized()) showNormal();
    show();
    raise();
    Activate();
}

void frmCalendar::Form_Load() {
    if (mainWindow_) {
        QPalette p = palette();
        p.setColor(QPalette::Window, mainWindow_->palette().color(QPalette::Window));
        setPalette(p);
    }
    pictures_ = LunationPainter::LoadDayPictures(services_.pictureFolder);
    blnFormLoaded = true;
}

void frmCalendar::Activate() {
    LayOut();
    Place();
    delete loadingNotice.data();
    DrawLunationPage();
}

void frmCalendar::LayOut() {
    const int calendar = Calendar();
    const int width = PageWidth(calendar);
    const int buttonHeight = cmdClose->sizeHint().height();
    const int height = kGridBottom + 2 * buttonHeight + kRowGap + kBottomRoom;
    setFixedSize(width, height);
    lblTitle->setGeometry(0, kTitleTop, width, lblTitle->sizeHint().height());
    lblYearAndMonth->setGeometry(0, kYearAndMonthTop, width, lblYearAndMonth->sizeHint().height());
    // Paging and Close in one row, the pages to print or export below it, each row with equal gaps.
    const auto row = [&](std::initializer_list<QWidget*> widgets, int y) {
        int total = 0;
        for (QWidget* w : widgets) total += w->sizeHint().width();
        const int gap = (width - total) / static_cast<int>(widgets.size() + 1);
        int x = gap;
        for (QWidget* w : widgets) {
            w->setGeometry(x, y, w->sizeHint().width(), buttonHeight);
            x += w->sizeHint().width() + gap;
        }
    };
    const int lowerRow = height - kButtonRowFromBottom;
    row({cmdShowPreviousOrNext[0], cmdShowPreviousOrNext[1], cmdClose}, lowerRow - buttonHeight - kRowGap);
    row({pagesBox_, cmdPrint, cmdExportPdf, cmdExportCalendar}, lowerRow);
}

void frmCalendar::Place() {
    // Level with the main window, against the right edge of the screen. Only on opening: a
    // window that jumped back there at every activation could not be moved out of the way.
    if (const QScreen* s = mainWindow_ ? mainWindow_->screen() : screen()) {
        const QRect area = s->availableGeometry();
        move(area.right() + 1 - frameGeometry().width(), mainWindow_ ? mainWindow_->y() : area.top());
    }
}

void frmCalendar::DrawLunationPage() {
    if (calendarList_) setWindowTitle(calendarList_->currentText());
    if (mainWindow_) setWindowIcon(mainWindow_->windowIcon());
    const int calendar = Calendar();
    page_ = ComputePage(lngLunationNumber, calendar, services_.today ? services_.today() : 0, offsetMinutes_);
    lngJDN1stOfMonth = page_.firstDayNumber;
    if (width() != PageWidth(calendar)) LayOut();
    lblTitle->setText(QString::fromStdString(page_.title));
    lblYearAndMonth->setText(QString::fromStdString(page_.yearAndMonth));
    cells_->Show(page_);
    update();
}

std::vector<LunationPage::Page> frmCalendar::PagesFromThisOne() const {
    std::vector<LunationPage::Page> pages;
    const int32_t last = std::min<int32_t>(lngLunationNumber + spnPages->value() - 1, kLatestLunation);
    const int32_t today = services_.today ? services_.today() : 0;
    for (int32_t lunation = lngLunationNumber; lunation <= last; ++lunation)
        pages.push_back(ComputePage(lunation, Calendar(), today, offsetMinutes_));
    return pages;
}

void frmCalendar::PrintPages() {
    std::vector<LunationPage::Page> pages = PagesFromThisOne();
    QPrinter printer;
    printer.setResolution(LunationPrint::kLayoutDpi);
    printer.setPageSize(LunationPrint::LocalePaper());
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(windowTitle());
    const auto choose = services_.choosePrinter ? services_.choosePrinter : DefaultChoosePrinter;
    if (!choose(this, printer, static_cast<int>(pages.size()))) return;
    // The sheets chosen in the dialog (0 and 0 for all of them).
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const auto first = static_cast<size_t>(printer.fromPage() - 1);
        const auto end = std::min(pages.size(), static_cast<size_t>(std::max(printer.toPage(), printer.fromPage())));
        pages = std::vector<LunationPage::Page>(pages.begin() + static_cast<std::ptrdiff_t>(std::min(first, end)),
                                                pages.begin() + static_cast<std::ptrdiff_t>(end));
    }
    QPainter painter;
    const bool printed = painter.begin(&printer) &&
                         LunationPrint::PaintPages(painter, printer, pages, LunationPrint::OnPaper(pictures_));
    if (painter.isActive()) painter.end();
    if (!printed && services_.dialogs)
        services_.dialogs->Show(this, DialogService::Icon::Warning, "Print", "The pages could not be printed.");
}

void frmCalendar::ExportPdf() {
    const std::vector<LunationPage::Page> pages = PagesFromThisOne();
    const QString suggested = QStringLiteral("lunations-%1-%2.pdf").arg(pages.front().lunation).arg(pages.back().lunation);
    const auto choose = services_.saveFileName ? services_.saveFileName : DefaultSaveFileName;
    const QString file = choose(this, "Export PDF", suggested, "PDF files (*.pdf)");
    if (file.isEmpty()) return;
    const std::string error = LunationPrint::WritePdf(file, pages, pictures_, LunationPrint::LocalePaper());
    if (!error.empty() && services_.dialogs)
        services_.dialogs->Show(this, DialogService::Icon::Warning, "Export PDF", QString::fromStdString(error));
}

void frmCalendar::ExportCalendar() {
    ExportCalendarServices services{services_.dialogs, services_.saveFileName ? services_.saveFileName : DefaultSaveFileName};
    auto* dialog = new frmExportCalendar(this, std::move(services));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const std::vector<LunationPage::Page> pages = PagesFromThisOne();
    dialog->Prefill(Calendar(), pages.front().firstDayNumber, pages.back().firstDayNumber + pages.back().days - 1,
                    offsetMinutes_);
    dialog->open();
}

void frmCalendar::ShowPreviousOrNext(int index) {
    const bool next = index == 1;
    const QString title = QString::fromStdString(LimitMessageTitle(next));
    if (!next && lngLunationNumber <= kEarliestLunation) {
        if (services_.dialogs) services_.dialogs->Show(this, DialogService::Icon::Information, title, kEarliestMessage);
        return;
    }
    if (next && lngLunationNumber >= kLatestLunation) {
        if (services_.dialogs) services_.dialogs->Show(this, DialogService::Icon::Information, title, kLatestMessage);
        return;
    }
    SetStart(lngLunationNumber + (next ? 1 : -1));
    DrawLunationPage();
}

void frmCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    painter.fillRect(rect(), background);
    if (!blnFormLoaded) return;
    LunationPainter::PaintOptions options;
    options.background = background;
    options.headings = false;
    LunationPainter::PaintLunationPage(painter, page_, pictures_, options);
}

void frmCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (blnFormLoaded) update();
}

void frmCalendar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Each activation lays the window out and draws the page again (the calendar chosen in the
    // main window may have changed meanwhile).
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && blnFormLoaded) {
        LayOut();
        DrawLunationPage();
    }
}
