#include "lunation_calendar/frmCalendar.h"

#include <QKeyEvent>

#include <QApplication>
#include <algorithm>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QScreen>

#include "astro/Syzyg.h"

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
    for (int i = 0; i < 2; ++i)
        connect(cmdShowPreviousOrNext[i], &QPushButton::clicked, this, [this, i] { ShowPreviousOrNext(i); });
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        hide();
        if (mainWindow_) {
            mainWindow_->show();
            mainWindow_->activateWindow();
        }
    });
    for (QPushButton* button : {cmdShowPreviousOrNext[0], cmdShowPreviousOrNext[1], cmdClose})
        button->adjustSize();
    setAutoFillBackground(false);
}

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
    const int height = kGridBottom + buttonHeight + kBottomRoom;
    setFixedSize(width, height);
    lblTitle->setGeometry(0, kTitleTop, width, lblTitle->sizeHint().height());
    lblYearAndMonth->setGeometry(0, kYearAndMonthTop, width, lblYearAndMonth->sizeHint().height());
    // The three buttons in one row along the bottom, with equal gaps.
    const std::array<QPushButton*, 3> buttons = {cmdShowPreviousOrNext[0], cmdShowPreviousOrNext[1], cmdClose};
    int total = 0;
    for (QPushButton* b : buttons) total += b->sizeHint().width();
    const int gap = (width - total) / 4;
    int x = gap;
    for (QPushButton* b : buttons) {
        b->setGeometry(x, height - kButtonRowFromBottom, b->sizeHint().width(), buttonHeight);
        x += b->sizeHint().width() + gap;
    }
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
    update();
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
