// Builds the main window's controls, their names, captions, colours and layout.
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "mainwin/frmMain.h"

namespace {
const QColor kNavy = ToQColor(Colours::Navy);
const QColor kTitleGrey = ToQColor(Colours::TitleGrey);
const QColor kValueYellow = ToQColor(Colours::ValueYellow);

void Colour(QWidget* w, const QColor& fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, fore);
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
    Colour(pair[0], kTitleGrey);
    Colour(pair[1], kValueYellow);
    pair[1]->setTextInteractionFlags(Qt::NoTextInteraction);
    // Wide enough for the longest caption, a lunar-week date with its long form.
    pair[1]->setMinimumWidth(
        pair[1]->fontMetrics().horizontalAdvance("5001-13-4-9 QLW (Nineday in Weekthree of Es Tarvelo, 5001)"));
    return pair;
}

QGroupBox* Frame(const char* name, QWidget* parent) {
    auto* box = Named(new QGroupBox(parent), name);
    box->setFlat(false);
    Colour(box, kTitleGrey);
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
}  // namespace

void frmMain::BuildControls() {
    setObjectName("frmMain");
    setWindowTitle("Selvanor");
    setAutoFillBackground(true);
    Colour(this, kTitleGrey);
    BuildDatesFrame();
    BuildTimeFrame();
    BuildConvertFrame();
    BuildMoveFrames();
    BuildSearchFrame();
    BuildHistoryFrame();
    Clock = new QTimer(this);
    Clock->setObjectName("Clock");
    ArrangeFrames();
    SetTabOrderAndNames();
}

// The nine dates in the registry's display order, the Moon's phase and age, and Now.
void frmMain::BuildDatesFrame() {
    fraDates = Frame("fraDates", this);
    auto* datesGrid = new QGridLayout(fraDates);
    int row = 0;
    for (CalendarTable::Index index : CalendarRegistry::kDisplayOrder) {
        const CalendarDescriptor& calendar = CalendarRegistry::Calendar(index);
        dateLabels_[static_cast<size_t>(index)] = MakePair(calendar.labelName, calendar.title, fraDates);
        AddPairRow(datesGrid, row++, dateLabels_[static_cast<size_t>(index)]);
    }
    lblPhaseOfMoon = MakePair("lblPhaseOfMoon", "Phase of Moon, illumination:", fraDates);
    lblAgeOfMoon = MakePair("lblAgeOfMoon", "[Lunation] Age of Moon:", fraDates);
    AddPairRow(datesGrid, row++, lblPhaseOfMoon);
    AddPairRow(datesGrid, row++, lblAgeOfMoon);
    cmdNow = Named(new QPushButton("&Now", fraDates), "cmdNow");
    picCheck = Named(new QLabel(fraDates), "picCheck");
    picCheck->setPixmap(CheckMark());
    auto* nowRow = new QHBoxLayout;
    nowRow->addWidget(cmdNow);
    nowRow->addWidget(picCheck);
    nowRow->addStretch();
    datesGrid->addLayout(nowRow, row, 1);
    datesGrid->setColumnStretch(1, 1);

    picMoon = Named(new QLabel(this), "picMoon");
    picMoon->setFixedSize(state_.intMaxX + 1, state_.intMaxY + 1);
    picMoon->setAutoFillBackground(true);
    Colour(picMoon, kTitleGrey);
}

void frmMain::BuildTimeFrame() {
    fraTime = Frame("fraTime", this);
    lblTimeSystem = Named(new QLabel("Timezone (location):", fraTime), "lblTimeSystem");
    cboTimeZone = Named(new QComboBox(fraTime), "cboTimeZone");
    lblTimeZone = Named(new QLabel("Local time:", fraTime), "lblTimeZone");
    optLocal = Named(new QRadioButton("Loc&al", fraTime), "optLocal");
    optGreenwich = Named(new QRadioButton("G&reenwich", fraTime), "optGreenwich");
    lblTime = MakePair("lblTime", "Time:", fraTime);
    lblDeltaT = MakePair("lblDeltaT", "Delta T:", fraTime);
    for (QWidget* w : {static_cast<QWidget*>(lblTimeSystem), static_cast<QWidget*>(lblTimeZone)}) Colour(w, kTitleGrey);
    auto* timeGrid = new QGridLayout(fraTime);
    timeGrid->addWidget(lblTimeSystem, 0, 0, Qt::AlignRight);
    timeGrid->addWidget(cboTimeZone, 0, 1);
    timeGrid->addWidget(lblTimeZone, 1, 0, Qt::AlignRight);
    auto* systemRow = new QHBoxLayout;
    systemRow->addWidget(optLocal);
    systemRow->addWidget(optGreenwich);
    systemRow->addStretch();
    timeGrid->addLayout(systemRow, 1, 1);
    AddPairRow(timeGrid, 2, lblTime);
    AddPairRow(timeGrid, 3, lblDeltaT);
    timeGrid->setColumnStretch(1, 1);
}

void frmMain::BuildConvertFrame() {
    fraConvert = Frame("fraConvert", this);
    lblEnterDateTime = Named(new QLabel("Enter date/time:", fraConvert), "lblEnterDateTime");
    txbDate = Named(new QLineEdit(fraConvert), "txbDate");
    txbDate->setMinimumWidth(txbDate->fontMetrics().horizontalAdvance(QString(26, QChar('0'))));
    cmdClearDate = Named(new QPushButton("C&lear", fraConvert), "cmdClearDate");
    cmdCompute = Named(new QPushButton("&Convert", fraConvert), "cmdCompute");
    optPlus = Named(new QRadioButton("pl&us", fraConvert), "optPlus");
    optMinus = Named(new QRadioButton("m&inus", fraConvert), "optMinus");
    txbPlusMinus = Named(new QLineEdit(fraConvert), "txbPlusMinus");
    txbPlusMinus->setMaximumWidth(txbPlusMinus->fontMetrics().horizontalAdvance(QString(12, QChar('0'))));
    lblDays = Named(new QLabel("days", fraConvert), "lblDays");
    cmdReset = Named(new QPushButton("Rese&t", fraConvert), "cmdReset");
    Colour(lblEnterDateTime, kTitleGrey);
    auto* convertGrid = new QGridLayout(fraConvert);
    convertGrid->addWidget(lblEnterDateTime, 0, 0);
    convertGrid->addWidget(txbDate, 0, 1, 1, 4);
    convertGrid->addWidget(cmdClearDate, 0, 5);
    convertGrid->addWidget(cmdCompute, 1, 0);
    auto* plusMinus = new QHBoxLayout;
    plusMinus->addWidget(optPlus);
    plusMinus->addWidget(optMinus);
    plusMinus->addWidget(txbPlusMinus);
    plusMinus->addWidget(lblDays);
    plusMinus->addStretch();
    convertGrid->addLayout(plusMinus, 1, 1, 1, 4);
    convertGrid->addWidget(cmdReset, 1, 5);
    convertGrid->setColumnStretch(2, 1);
}

// The move frame and, below it, the frame shown while a repeated move runs.
void frmMain::BuildMoveFrames() {
    fraMove = Frame("fraMove", this);
    fraMoveStep = Frame("fraMoveStep", fraMove);
    fraMoveDirection = Frame("fraMoveDirection", fraMove);
    cboMoveStep = Named(new QComboBox(fraMoveStep), "cboMoveStep");
    optMoveDirection = {Named(new QRadioButton("&forward", fraMoveDirection), "optMoveDirection_0"),
                        Named(new QRadioButton("&back", fraMoveDirection), "optMoveDirection_1")};
    cmdMove = Named(new QPushButton("&Move", fraMove), "cmdMove");
    chkRepeatedly = Named(new QCheckBox("repeatedl&y", fraMove), "chkRepeatedly");
    (new QHBoxLayout(fraMoveStep))->addWidget(cboMoveStep);
    auto* directionRow = new QHBoxLayout(fraMoveDirection);
    directionRow->addWidget(optMoveDirection[0]);
    directionRow->addWidget(optMoveDirection[1]);
    auto* moveRow = new QHBoxLayout(fraMove);
    moveRow->addWidget(cmdMove);
    moveRow->addWidget(fraMoveDirection);
    moveRow->addWidget(fraMoveStep, 1);
    moveRow->addWidget(chkRepeatedly);

    fraStopPauseResume = Frame("fraStopPauseResume", this);
    cmdStop = Named(new QPushButton("S&top", fraStopPauseResume), "cmdStop");
    cmdPauseResume = Named(new QPushButton("&Pause", fraStopPauseResume), "cmdPauseResume");
    lblRefreshPeriod = Named(new QLabel("Refresh period (in seconds):", fraStopPauseResume), "lblRefreshPeriod");
    cboRefreshPeriod = Named(new QComboBox(fraStopPauseResume), "cboRefreshPeriod");
    Colour(lblRefreshPeriod, kTitleGrey);
    auto* stopRow = new QHBoxLayout(fraStopPauseResume);
    stopRow->addWidget(cmdStop);
    stopRow->addWidget(cmdPauseResume);
    stopRow->addWidget(lblRefreshPeriod);
    stopRow->addWidget(cboRefreshPeriod);
    stopRow->addStretch();
}

void frmMain::BuildSearchFrame() {
    fraSearch = Frame("fraSearch", this);
    cboTarget = Named(new QComboBox(fraSearch), "cboTarget");
    optNext = Named(new QRadioButton("ne&xt", fraSearch), "optNext");
    optPrevious = Named(new QRadioButton("&previous", fraSearch), "optPrevious");
    cmdSearch = Named(new QPushButton("S&earch for", fraSearch), "cmdSearch");
    cmdDisplayCalendar = Named(new QPushButton("&Display lunation with", this), "cmdDisplayCalendar");
    cboMonthCalendar = Named(new QComboBox(this), "cboMonthCalendar");
    auto* searchGrid = new QGridLayout(fraSearch);
    searchGrid->addWidget(cmdSearch, 0, 0);
    searchGrid->addWidget(optNext, 0, 1);
    searchGrid->addWidget(optPrevious, 0, 2);
    searchGrid->addWidget(cboTarget, 0, 3);
    // The lunation calendar button stands at the left edge of the search frame.
    searchGrid->addWidget(cmdDisplayCalendar, 1, 0);
    searchGrid->addWidget(cboMonthCalendar, 1, 1, 1, 3);
    searchGrid->setColumnStretch(3, 1);
    lblSearching = Named(new QLabel("Searching ", this), "lblSearching");
    lblActualEclipseData = Named(new QLabel(this), "lblActualEclipseData");
    lblActualEclipseData->setContextMenuPolicy(Qt::CustomContextMenu);
    cmdSarosSeries = Named(new QPushButton("Loo&k up saros series\u2026", this), "cmdSarosSeries");
    cmdSarosSeries->setToolTip("Every eclipse of this eclipse's saros series");
    cmdSarosSeries->hide();
    Colour(lblSearching, kValueYellow);
    Colour(lblActualEclipseData, kValueYellow);
    lblSearching->hide();
}

// History, log, saved state, help and quit, and the documentation link.
void frmMain::BuildHistoryFrame() {
    fraHistory = Frame("fraHistory", this);
    cboHistory = Named(new QComboBox(fraHistory), "cboHistory");
    chkLog = Named(new QCheckBox("Lo&g all results", fraHistory), "chkLog");
    cmdLogThisResult = Named(new QPushButton("L&og this result", fraHistory), "cmdLogThisResult");
    cmdViewLog = Named(new QPushButton("Vie&w log", fraHistory), "cmdViewLog");
    cmdLogPreferences = Named(new QPushButton("&Set log preferences", fraHistory), "cmdLogPreferences");
    cmdSaveState = Named(new QPushButton("Sa&ve state", fraHistory), "cmdSaveState");
    cmdHelp = Named(new QPushButton("&Help", fraHistory), "cmdHelp");
    cmdQuit = Named(new QPushButton("&Quit", fraHistory), "cmdQuit");
    auto* historyGrid = new QGridLayout(fraHistory);
    historyGrid->addWidget(cboHistory, 0, 0, 1, 4);
    historyGrid->addWidget(chkLog, 1, 0);
    historyGrid->addWidget(cmdLogThisResult, 1, 1);
    historyGrid->addWidget(cmdViewLog, 1, 2);
    historyGrid->addWidget(cmdLogPreferences, 1, 3);
    historyGrid->addWidget(cmdSaveState, 2, 1);
    historyGrid->addWidget(cmdHelp, 2, 2);
    historyGrid->addWidget(cmdQuit, 2, 3);

    lblOnlineDocumentation = Named(new ClickableLabel("Online documentation", this), "lblOnlineDocumentation");
    Colour(lblOnlineDocumentation, kValueYellow);
    QFont link = lblOnlineDocumentation->font();
    link.setUnderline(true);
    lblOnlineDocumentation->setFont(link);
    lblOnlineDocumentation->setCursor(Qt::PointingHandCursor);
}

// Dates and Moon on the left, the controls on the right.
void frmMain::ArrangeFrames() {
    auto* left = new QVBoxLayout;
    auto* datesAndMoon = new QHBoxLayout;
    datesAndMoon->addWidget(fraDates, 1);
    auto* moonColumn = new QVBoxLayout;
    moonColumn->addWidget(picMoon, 0, Qt::AlignHCenter);
    moonColumn->addStretch();
    datesAndMoon->addLayout(moonColumn);
    left->addLayout(datesAndMoon);
    left->addWidget(fraTime);
    // Up to six lines of eclipse data, each as wide as the longest ("Penumbral phase starts ...").
    auto* eclipseRow = new QHBoxLayout;
    eclipseRow->addWidget(lblActualEclipseData, 1);
    eclipseRow->addWidget(cmdSarosSeries, 0, Qt::AlignTop);
    left->addLayout(eclipseRow);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(fraConvert);
    right->addWidget(fraMove);
    right->addWidget(fraStopPauseResume);
    right->addWidget(fraSearch);
    right->addWidget(lblSearching);
    right->addWidget(fraHistory);
    right->addStretch();
    right->addWidget(lblOnlineDocumentation, 0, Qt::AlignRight);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 3);
    top->addLayout(right, 2);
    fraStopPauseResume->hide();
}
