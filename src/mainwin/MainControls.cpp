// Builds the main window's controls, their names, captions, colours, lists and layout.
#include "mainwin/MainControls.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "calendars/registry/CalendarRegistry.h"
#include "core/MoveOnce.h"
#include "core/TimeFrame.h"
#include "core/WindowLists.h"
#include "gui_support/AccessibleNames.h"
#include "gui_support/QtColours.h"

namespace {

// The Moon picture's box: 90 x 90 pixels, as the Moon bitmaps are drawn.
constexpr int kMoonPictureSize = 90;

const QColor kNavy = ToQColor(Colours::Navy);

void Colour(QWidget* w, Rgb fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, ToQColor(fore));
    p.setColor(QPalette::Window, kNavy);
    w->setPalette(p);
}

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

LabelPair MakePair(std::string_view name, std::string_view title, QWidget* parent) {
    LabelPair pair{new ClickableLabel(Text(title), parent), new ClickableLabel(parent)};
    pair[0]->setObjectName(Text(name) + "_0");
    pair[1]->setObjectName(Text(name) + "_1");
    Colour(pair[0], Colours::TitleGrey);
    Colour(pair[1], Colours::ValueYellow);
    pair[1]->setTextInteractionFlags(Qt::NoTextInteraction);
    // Wide enough for the longest caption, a lunar-week date with its long form (60 characters,
    // eight of them blanks): as wide as 60 digits, which are wider than most letters.
    pair[1]->setMinimumWidth(pair[1]->fontMetrics().horizontalAdvance(QString(60, QChar('0'))));
    return pair;
}

QGroupBox* Frame(const char* name, QWidget* parent) {
    auto* box = Named(new QGroupBox(parent), name);
    Colour(box, Colours::TitleGrey);
    return box;
}

void AddPairRow(QGridLayout* grid, int row, const LabelPair& pair) {
    grid->addWidget(pair[0], row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(pair[1], row, 1);
}

QPixmap CheckMark() {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 230, 120), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(3, 10), QPointF(7, 14), QPointF(15, 4)}));
    return pixmap;
}

// The dates in the registry's display order, the Moon's phase and age, Now and the picture.
void BuildDatesFrame(MainControls& c, QWidget* window) {
    c.fraDates = Frame("fraDates", window);
    auto* grid = new QGridLayout(c.fraDates);
    int row = 0;
    c.dateLabels.resize(static_cast<size_t>(CalendarRegistry::Count()));
    for (const CalendarDescriptor* calendar : CalendarRegistry::DisplayOrder()) {
        LabelPair& pair = c.dateLabels[static_cast<size_t>(calendar->index)];
        pair = MakePair(calendar->labelName, calendar->title, c.fraDates);
        AddPairRow(grid, row++, pair);
    }
    c.lblPhaseOfMoon = MakePair("lblPhaseOfMoon", "Phase of Moon, illumination:", c.fraDates);
    c.lblAgeOfMoon = MakePair("lblAgeOfMoon", "[Lunation] Age of Moon:", c.fraDates);
    AddPairRow(grid, row++, c.lblPhaseOfMoon);
    AddPairRow(grid, row++, c.lblAgeOfMoon);
    c.cmdNow = Named(new QPushButton("&Now", c.fraDates), "cmdNow");
    c.picCheck = Named(new QLabel(c.fraDates), "picCheck");
    c.picCheck->setPixmap(CheckMark());
    c.picCheck->hide();
    auto* nowRow = new QHBoxLayout;
    nowRow->addWidget(c.cmdNow);
    nowRow->addWidget(c.picCheck);
    nowRow->addStretch();
    grid->addLayout(nowRow, row, 1);
    grid->setColumnStretch(1, 1);

    c.picMoon = Named(new QLabel(window), "picMoon");
    c.picMoon->setFixedSize(kMoonPictureSize, kMoonPictureSize);
    c.picMoon->setAutoFillBackground(true);
    Colour(c.picMoon, Colours::TitleGrey);
}

void BuildTimeFrame(MainControls& c, QWidget* window, const std::vector<std::string>& cities) {
    c.fraTime = Frame("fraTime", window);
    c.lblTimeSystem = Named(new QLabel("Timezone (location):", c.fraTime), "lblTimeSystem");
    c.cboTimeZone = Named(new QComboBox(c.fraTime), "cboTimeZone");
    for (int i = 0; i < TimeZones::kZoneCount; ++i) c.cboTimeZone->addItem(QString::fromStdString(TimeZones::ZoneListText(i)));
    c.cboTimeZone->setCurrentIndex(TimeZones::kGmtIndex);
    c.lblTimeZone = Named(new QLabel("Local time:", c.fraTime), "lblTimeZone");
    c.optLocal = Named(new QRadioButton("Loc&al", c.fraTime), "optLocal");
    c.optGreenwich = Named(new QRadioButton("G&reenwich", c.fraTime), "optGreenwich");
    c.optLocal->setChecked(true);
    c.lblTime = MakePair("lblTime", "Time:", c.fraTime);
    c.lblDeltaT = MakePair("lblDeltaT", "Delta T:", c.fraTime);
    // The observer's place: a city of the time-zone database or typed coordinates; empty for none.
    c.lblPlace = Named(new QLabel("Place:", c.fraTime), "lblPlace");
    c.cboPlace = Named(new QComboBox(c.fraTime), "cboPlace");
    c.cboPlace->setEditable(true);
    c.cboPlace->setInsertPolicy(QComboBox::NoInsert);
    c.cboPlace->lineEdit()->setObjectName("txbPlace");
    c.cboPlace->lineEdit()->setAccessibleName("Place");
    c.cboPlace->addItem(QString());
    for (const std::string& city : cities) c.cboPlace->addItem(QString::fromStdString(city));
    c.cboPlace->setCurrentIndex(0);
    c.cboPlace->setToolTip("A city, or coordinates such as 48.857 N, 2.352 E, 35 m; empty for no place");
    c.lblPlace->setBuddy(c.cboPlace);
    c.lblSky = MakePair("lblSky", "Sky:", c.fraTime);
    for (QWidget* w : {static_cast<QWidget*>(c.lblTimeSystem), static_cast<QWidget*>(c.lblTimeZone),
                       static_cast<QWidget*>(c.lblPlace)})
        Colour(w, Colours::TitleGrey);
    auto* grid = new QGridLayout(c.fraTime);
    grid->addWidget(c.lblTimeSystem, 0, 0, Qt::AlignRight);
    grid->addWidget(c.cboTimeZone, 0, 1);
    grid->addWidget(c.lblTimeZone, 1, 0, Qt::AlignRight);
    auto* systemRow = new QHBoxLayout;
    systemRow->addWidget(c.optLocal);
    systemRow->addWidget(c.optGreenwich);
    systemRow->addStretch();
    grid->addLayout(systemRow, 1, 1);
    AddPairRow(grid, 2, c.lblTime);
    AddPairRow(grid, 3, c.lblDeltaT);
    grid->addWidget(c.lblPlace, 4, 0, Qt::AlignRight);
    grid->addWidget(c.cboPlace, 4, 1);
    AddPairRow(grid, 5, c.lblSky);
    for (QWidget* w : c.lblSky) w->hide();
    grid->setColumnStretch(1, 1);
}

void BuildConvertFrame(MainControls& c, QWidget* window) {
    c.fraConvert = Frame("fraConvert", window);
    c.lblEnterDateTime = Named(new QLabel("Enter date/time:", c.fraConvert), "lblEnterDateTime");
    c.txbDate = Named(new QLineEdit(c.fraConvert), "txbDate");
    c.txbDate->setMinimumWidth(c.txbDate->fontMetrics().horizontalAdvance(QString(26, QChar('0'))));
    c.cmdClearDate = Named(new QPushButton("C&lear", c.fraConvert), "cmdClearDate");
    c.cmdCompute = Named(new QPushButton("&Convert", c.fraConvert), "cmdCompute");
    c.optPlus = Named(new QRadioButton("pl&us", c.fraConvert), "optPlus");
    c.optMinus = Named(new QRadioButton("m&inus", c.fraConvert), "optMinus");
    c.optPlus->setChecked(true);
    c.txbPlusMinus = Named(new QLineEdit(c.fraConvert), "txbPlusMinus");
    c.txbPlusMinus->setMaximumWidth(c.txbPlusMinus->fontMetrics().horizontalAdvance(QString(12, QChar('0'))));
    c.lblDays = Named(new QLabel("days", c.fraConvert), "lblDays");
    c.cmdReset = Named(new QPushButton("Rese&t", c.fraConvert), "cmdReset");
    Colour(c.lblEnterDateTime, Colours::TitleGrey);
    auto* grid = new QGridLayout(c.fraConvert);
    grid->addWidget(c.lblEnterDateTime, 0, 0);
    grid->addWidget(c.txbDate, 0, 1, 1, 4);
    grid->addWidget(c.cmdClearDate, 0, 5);
    grid->addWidget(c.cmdCompute, 1, 0);
    auto* plusMinus = new QHBoxLayout;
    plusMinus->addWidget(c.optPlus);
    plusMinus->addWidget(c.optMinus);
    plusMinus->addWidget(c.txbPlusMinus);
    plusMinus->addWidget(c.lblDays);
    plusMinus->addStretch();
    grid->addLayout(plusMinus, 1, 1, 1, 4);
    grid->addWidget(c.cmdReset, 1, 5);
    grid->setColumnStretch(2, 1);
}

// The move frame and, below it, the frame shown while a repeated move runs.
void BuildMoveFrames(MainControls& c, QWidget* window) {
    c.fraMove = Frame("fraMove", window);
    c.fraMoveStep = Frame("fraMoveStep", c.fraMove);
    c.fraMoveDirection = Frame("fraMoveDirection", c.fraMove);
    c.cboMoveStep = Named(new QComboBox(c.fraMoveStep), "cboMoveStep");
    for (const MoveSteps::StepRule& step : MoveSteps::Steps()) c.cboMoveStep->addItem(QString::fromStdString(step.text));
    c.cboMoveStep->setCurrentIndex(MoveSteps::kDefault);
    c.optMoveDirection = {Named(new QRadioButton("&forward", c.fraMoveDirection), "optMoveDirection_0"),
                          Named(new QRadioButton("&back", c.fraMoveDirection), "optMoveDirection_1")};
    c.optMoveDirection[0]->setChecked(true);
    c.cmdMove = Named(new QPushButton("&Move", c.fraMove), "cmdMove");
    c.chkRepeatedly = Named(new QCheckBox("repeatedl&y", c.fraMove), "chkRepeatedly");
    (new QHBoxLayout(c.fraMoveStep))->addWidget(c.cboMoveStep);
    auto* directionRow = new QHBoxLayout(c.fraMoveDirection);
    directionRow->addWidget(c.optMoveDirection[0]);
    directionRow->addWidget(c.optMoveDirection[1]);
    auto* moveRow = new QHBoxLayout(c.fraMove);
    moveRow->addWidget(c.cmdMove);
    moveRow->addWidget(c.fraMoveDirection);
    moveRow->addWidget(c.fraMoveStep, 1);
    moveRow->addWidget(c.chkRepeatedly);

    c.fraStopPauseResume = Frame("fraStopPauseResume", window);
    c.cmdStop = Named(new QPushButton("S&top", c.fraStopPauseResume), "cmdStop");
    c.cmdPauseResume = Named(new QPushButton("&Pause", c.fraStopPauseResume), "cmdPauseResume");
    c.lblRefreshPeriod = Named(new QLabel("Refresh period (in seconds):", c.fraStopPauseResume), "lblRefreshPeriod");
    c.cboRefreshPeriod = Named(new QComboBox(c.fraStopPauseResume), "cboRefreshPeriod");
    for (std::string_view period : RefreshPeriods::kSeconds) c.cboRefreshPeriod->addItem(Text(period));
    c.cboRefreshPeriod->setCurrentIndex(RefreshPeriods::kDefault);
    Colour(c.lblRefreshPeriod, Colours::TitleGrey);
    auto* stopRow = new QHBoxLayout(c.fraStopPauseResume);
    stopRow->addWidget(c.cmdStop);
    stopRow->addWidget(c.cmdPauseResume);
    stopRow->addWidget(c.lblRefreshPeriod);
    stopRow->addWidget(c.cboRefreshPeriod);
    stopRow->addStretch();
    c.fraStopPauseResume->hide();
}

// The search frame, the lunation page's command and list beside it (at window level, so that
// a repeated move, which disables the search frame, leaves them enabled), the search notice and
// the eclipse data with its saros command.
void BuildSearchFrame(MainControls& c, QWidget* window) {
    c.fraSearch = Frame("fraSearch", window);
    c.cboTarget = Named(new QComboBox(c.fraSearch), "cboTarget");
    // The separator rows exist only here; the four phase targets carry their phase as item data.
    for (int target : SearchTargets::kListRows) {
        if (target == SearchTargets::kSeparator) {
            c.cboTarget->addItem(QString());
            continue;
        }
        const SearchTargets::Target& t = SearchTargets::kTargets[static_cast<size_t>(target)];
        if (t.phase >= 0)
            c.cboTarget->addItem(Text(t.text), t.phase);
        else
            c.cboTarget->addItem(Text(t.text));
    }
    c.cboTarget->setCurrentIndex(SearchTargets::RowOf(SearchTargets::kDefault));
    c.optNext = Named(new QRadioButton("ne&xt", c.fraSearch), "optNext");
    c.optPrevious = Named(new QRadioButton("&previous", c.fraSearch), "optPrevious");
    c.optNext->setChecked(true);
    c.cmdSearch = Named(new QPushButton("S&earch for", c.fraSearch), "cmdSearch");
    c.chkSeenFromPlace = Named(new QCheckBox("seen from the place", c.fraSearch), "chkSeenFromPlace");
    c.chkSeenFromPlace->setToolTip("Eclipse searches keep to the eclipses seen from the place chosen");
    auto* grid = new QGridLayout(c.fraSearch);
    grid->addWidget(c.cmdSearch, 0, 0);
    grid->addWidget(c.optNext, 0, 1);
    grid->addWidget(c.optPrevious, 0, 2);
    grid->addWidget(c.cboTarget, 0, 3);
    grid->addWidget(c.chkSeenFromPlace, 1, 3);
    grid->setColumnStretch(3, 1);

    c.cmdDisplayCalendar = Named(new QPushButton("&Display lunation with", window), "cmdDisplayCalendar");
    c.cboMonthCalendar = Named(new QComboBox(window), "cboMonthCalendar");
    for (const CalendarDescriptor* calendar : CalendarRegistry::LunationPageCalendars())
        c.cboMonthCalendar->addItem(Text(calendar->lunationPage->listText));
    c.cboMonthCalendar->setCurrentIndex(0);

    c.lblSearching = Named(new QLabel("Searching ", window), "lblSearching");
    c.lblActualEclipseData = Named(new QLabel(window), "lblActualEclipseData");
    // The data may come from the saved state: shown as text, never as markup.
    c.lblActualEclipseData->setTextFormat(Qt::PlainText);
    c.lblActualEclipseData->setContextMenuPolicy(Qt::CustomContextMenu);
    // Every letter of "Saros series" is another button's: Alt+K.
    c.cmdSarosSeries = Named(new QPushButton("Loo&k up saros series\u2026", window), "cmdSarosSeries");
    c.cmdSarosSeries->setToolTip("Every eclipse of this eclipse's saros series");
    c.cmdSarosSeries->hide();
    Colour(c.lblSearching, Colours::ValueYellow);
    Colour(c.lblActualEclipseData, Colours::ValueYellow);
    c.lblSearching->hide();
}

// History, log, saved state, help and quit, and the documentation link.
void BuildHistoryFrame(MainControls& c, QWidget* window) {
    c.fraHistory = Frame("fraHistory", window);
    c.cboHistory = Named(new QComboBox(c.fraHistory), "cboHistory");
    c.chkLog = Named(new QCheckBox("Lo&g all results", c.fraHistory), "chkLog");
    c.cmdLogThisResult = Named(new QPushButton("L&og this result", c.fraHistory), "cmdLogThisResult");
    c.cmdViewLog = Named(new QPushButton("Vie&w log", c.fraHistory), "cmdViewLog");
    c.cmdLogPreferences = Named(new QPushButton("&Set log preferences", c.fraHistory), "cmdLogPreferences");
    c.cmdSaveState = Named(new QPushButton("Sa&ve state", c.fraHistory), "cmdSaveState");
    c.cmdHelp = Named(new QPushButton("&Help", c.fraHistory), "cmdHelp");
    c.cmdQuit = Named(new QPushButton("&Quit", c.fraHistory), "cmdQuit");
    auto* grid = new QGridLayout(c.fraHistory);
    grid->addWidget(c.cboHistory, 0, 0, 1, 4);
    grid->addWidget(c.chkLog, 1, 0);
    grid->addWidget(c.cmdLogThisResult, 1, 1);
    grid->addWidget(c.cmdViewLog, 1, 2);
    grid->addWidget(c.cmdLogPreferences, 1, 3);
    grid->addWidget(c.cmdSaveState, 2, 1);
    grid->addWidget(c.cmdHelp, 2, 2);
    grid->addWidget(c.cmdQuit, 2, 3);

    c.lblOnlineDocumentation = Named(new ClickableLabel("Online documentation", window), "lblOnlineDocumentation");
    Colour(c.lblOnlineDocumentation, Colours::ValueYellow);
    QFont link = c.lblOnlineDocumentation->font();
    link.setUnderline(true);
    c.lblOnlineDocumentation->setFont(link);
    c.lblOnlineDocumentation->setCursor(Qt::PointingHandCursor);
}

// Dates and Moon on the left, the controls on the right.
void ArrangeFrames(const MainControls& c, QWidget* window) {
    auto* left = new QVBoxLayout;
    auto* datesAndMoon = new QHBoxLayout;
    datesAndMoon->addWidget(c.fraDates, 1);
    auto* moonColumn = new QVBoxLayout;
    moonColumn->addWidget(c.picMoon, 0, Qt::AlignHCenter);
    moonColumn->addStretch();
    datesAndMoon->addLayout(moonColumn);
    left->addLayout(datesAndMoon);
    left->addWidget(c.fraTime);
    auto* eclipseRow = new QHBoxLayout;
    eclipseRow->addWidget(c.lblActualEclipseData, 1);
    eclipseRow->addWidget(c.cmdSarosSeries, 0, Qt::AlignTop);
    left->addLayout(eclipseRow);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(c.fraConvert);
    right->addWidget(c.fraMove);
    right->addWidget(c.fraStopPauseResume);
    right->addWidget(c.fraSearch);
    auto* lunationRow = new QHBoxLayout;
    lunationRow->addWidget(c.cmdDisplayCalendar);
    lunationRow->addWidget(c.cboMonthCalendar, 1);
    right->addLayout(lunationRow);
    right->addWidget(c.lblSearching);
    right->addWidget(c.fraHistory);
    right->addStretch();
    right->addWidget(c.lblOnlineDocumentation, 0, Qt::AlignRight);
    auto* top = new QHBoxLayout(window);
    top->addLayout(left, 3);
    top->addLayout(right, 2);
}

}  // namespace

MainControls BuildMainControls(QWidget* window, const std::vector<std::string>& cities) {
    window->setObjectName("frmMain");
    window->setWindowTitle("Selvanor");
    window->setAutoFillBackground(true);
    Colour(window, Colours::TitleGrey);
    MainControls c;
    BuildDatesFrame(c, window);
    BuildTimeFrame(c, window, cities);
    BuildConvertFrame(c, window);
    BuildMoveFrames(c, window);
    BuildSearchFrame(c, window);
    BuildHistoryFrame(c, window);
    ArrangeFrames(c, window);
    // Every command button in a plain font.
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        QFont f = button->font();
        f.setBold(false);
        button->setFont(f);
    }
    return c;
}

void SetTabOrderAndNames(QWidget* window, const MainControls& c) {
    AccessibleNames::Install();
    // Entry first, then the controls top to bottom on the right, then the left side's Now and
    // time frame. Option pairs are one stop each (arrow keys choose within them).
    QWidget* const order[] = {c.txbDate, c.cmdClearDate, c.cmdCompute, c.optPlus, c.optMinus, c.txbPlusMinus,
                              c.cmdReset, c.cmdMove, c.optMoveDirection[0], c.optMoveDirection[1], c.cboMoveStep,
                              c.chkRepeatedly, c.cmdStop, c.cmdPauseResume, c.cboRefreshPeriod, c.cmdSearch,
                              c.optNext, c.optPrevious, c.cboTarget, c.chkSeenFromPlace, c.cmdDisplayCalendar, c.cboMonthCalendar,
                              c.cboHistory, c.chkLog, c.cmdLogThisResult, c.cmdViewLog, c.cmdLogPreferences,
                              c.cmdSaveState, c.cmdHelp, c.cmdQuit, c.cmdNow, c.cboTimeZone, c.optLocal,
                              c.optGreenwich, c.cboPlace, c.cmdSarosSeries};
    for (size_t i = 1; i < std::size(order); ++i) window->setTabOrder(order[i - 1], order[i]);

    const std::pair<QWidget*, const char*> names[] = {
        {c.txbDate, "Enter date/time"},
        {c.txbPlusMinus, "Days to add or subtract"},
        {c.cboTimeZone, "Time zone"},
        {c.cboPlace, "Place"},
        {c.cboMoveStep, "Move step"},
        {c.cboRefreshPeriod, "Refresh period in seconds"},
        {c.cboTarget, "Search target"},
        {c.cboMonthCalendar, "Calendar of the lunation page"},
        {c.cboHistory, "History"},
        {c.picMoon, "Picture of the Moon"},
    };
    for (const auto& [widget, name] : names) widget->setAccessibleName(name);
    // On Linux a list is named by its label (its own name is its choice): the visible captions
    // where there are some, hidden ones elsewhere.
    c.lblTimeSystem->setBuddy(c.cboTimeZone);
    c.lblRefreshPeriod->setBuddy(c.cboRefreshPeriod);
    for (QWidget* list : {static_cast<QWidget*>(c.cboMoveStep), static_cast<QWidget*>(c.cboTarget),
                          static_cast<QWidget*>(c.cboMonthCalendar), static_cast<QWidget*>(c.cboHistory)})
        AccessibleNames::Caption(list, list->accessibleName());
    c.picCheck->setAccessibleName("The moment on show follows the computer's clock");
    // Each value is read with its title ("Common Era: 2026-12-08 CE ...").
    for (const LabelPair& pair : {c.lblPhaseOfMoon, c.lblAgeOfMoon, c.lblTime, c.lblDeltaT, c.lblSky})
        AccessibleNames::Pair(pair[0], pair[1]);
    for (const CalendarDescriptor* calendar : CalendarRegistry::Calendars()) {
        const LabelPair& pair = c.dateLabels[static_cast<size_t>(calendar->index)];
        AccessibleNames::Pair(pair[0], pair[1]);
        pair[1]->setAccessibleDescription("The moment on show as a " + Text(calendar->name) +
                                          "; click to copy it into the date box");
    }
}
