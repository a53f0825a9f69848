// Connects the controls to their handlers and keeps the colours of chosen options.
#include "mainwin/frmMain.h"

void frmMain::ConnectHandlers() {
    connect(cmdNow, &QPushButton::clicked, this, &frmMain::Now);
    connect(Clock, &QTimer::timeout, this, &frmMain::ClockTick);
    connect(Clock, &QTimer::timeout, this, &frmMain::MoveTick);
    connect(cmdMove, &QPushButton::clicked, this, &frmMain::Move);
    connect(cmdStop, &QPushButton::clicked, this, &frmMain::StopRepeatedMove);
    connect(cmdPauseResume, &QPushButton::clicked, this, &frmMain::PauseResume);
    connect(cboRefreshPeriod, &QComboBox::activated, this, &frmMain::RefreshPeriodChosen);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::ShowHelp);
    // The program's user guide is its help window; the link opens it too.
    connect(lblOnlineDocumentation, &ClickableLabel::clicked, this, &frmMain::ShowHelp);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::Quit);
    connect(cmdSaveState, &QPushButton::clicked, this, &frmMain::SaveState);
    connect(cmdReset, &QPushButton::clicked, this, &frmMain::Reset);
    connect(cmdCompute, &QPushButton::clicked, this, &frmMain::Compute);
    connect(cmdClearDate, &QPushButton::clicked, this, [this] {
        txbDate->clear();
        txbPlusMinus->clear();
        SetTheFocus();
    });
    connect(txbDate, &QLineEdit::returnPressed, this, [this] {
        if (!txbDate->text().isEmpty()) Compute();
    });
    connect(txbPlusMinus, &QLineEdit::returnPressed, this, [this] {
        if (!txbDate->text().isEmpty() && !txbPlusMinus->text().isEmpty()) Compute();
    });
    for (QObject* o : std::initializer_list<QObject*>{txbDate, txbPlusMinus, cmdMove, cmdHelp}) o->installEventFilter(this);
    ConnectDisplayHandlers();
    ConnectOptionHandlers();
}

// The date labels, the time line and the time frame.
void frmMain::ConnectDisplayHandlers() {
    for (int i = 0; i < CalendarRegistry::Count(); ++i) {
        LabelPair& pair = dateLabels_[static_cast<size_t>(i)];
        connect(pair[0], &ClickableLabel::clicked, this, [this, i] { DateLabelClicked(i, false); });
        connect(pair[1], &ClickableLabel::clicked, this, [this, i] { DateLabelClicked(i, true); });
    }
    connect(lblTime[0], &ClickableLabel::clicked, this, &frmMain::TimeLineClicked);
    connect(lblTime[1], &ClickableLabel::clicked, this, &frmMain::TimeLineClicked);

    connect(optGreenwich, &QRadioButton::clicked, this, &frmMain::TimeSystemChosen);
    connect(optLocal, &QRadioButton::clicked, this, &frmMain::TimeSystemChosen);
    connect(cboTimeZone, &QComboBox::currentIndexChanged, this, &frmMain::ZoneChanged);
    connect(cmdSarosSeries, &QPushButton::clicked, this, &frmMain::ShowSarosSeries);
    connect(lblActualEclipseData, &QLabel::customContextMenuRequested, this, &frmMain::EclipseDataMenu);
}

// Options, lists and the buttons of the history, log, search and lunation page.
void frmMain::ConnectOptionHandlers() {
    auto colourAndFocus = [this](void (frmMain::*focus)()) {
        return [this, focus] {
            ApplyOptionColours();
            if (isVisible()) (this->*focus)();
        };
    };
    connect(optPlus, &QRadioButton::clicked, this, colourAndFocus(&frmMain::SetTheFocus));
    connect(optMinus, &QRadioButton::clicked, this, colourAndFocus(&frmMain::SetTheFocus));
    connect(optNext, &QRadioButton::clicked, this, colourAndFocus(&frmMain::FocusSearchOrQuit));
    connect(optPrevious, &QRadioButton::clicked, this, colourAndFocus(&frmMain::FocusSearchOrQuit));
    for (QRadioButton* direction : optMoveDirection)
        connect(direction, &QRadioButton::clicked, this, colourAndFocus(&frmMain::FocusMoveOrQuit));
    connect(chkRepeatedly, &QCheckBox::clicked, this, colourAndFocus(&frmMain::FocusMoveOrQuit));
    connect(chkLog, &QCheckBox::toggled, this, [this](bool on) { state_.blnLogOn = on; });
    connect(chkLog, &QCheckBox::clicked, this, [this] {
        ApplyOptionColours();
        if (state_.blnStartUpCompleted) FocusMoveOrQuit();
    });
    connect(cboHistory, &QComboBox::activated, this, &frmMain::HistoryChosen);
    connect(cmdLogThisResult, &QPushButton::clicked, this, &frmMain::LogThisResult);
    connect(cmdViewLog, &QPushButton::clicked, this, &frmMain::ViewLog);
    connect(cmdLogPreferences, &QPushButton::clicked, this, &frmMain::ShowLogPreferences);
    connect(cboMoveStep, &QComboBox::activated, this, [this] {
        if (isVisible()) FocusMoveOrQuit();
    });
    connect(cboTarget, &QComboBox::activated, this, &frmMain::SetTheFocus);
    connect(cmdSearch, &QPushButton::clicked, this, &frmMain::SearchForTarget);
    connect(cmdDisplayCalendar, &QPushButton::clicked, this, &frmMain::DisplayCalendar);
    connect(cboMonthCalendar, &QComboBox::activated, this, [this] {
        if (state_.blnStartUpCompleted) cmdDisplayCalendar->setFocus();
    });
}

void frmMain::ApplyOptionColours() {
    const auto pair = [this](QWidget* chosen, QWidget* other) {
        SetForeColour(chosen, ToQColor(Colours::Selected));
        SetForeColour(other, ToQColor(Colours::Unselected));
    };
    optLocal->isChecked() ? pair(optLocal, optGreenwich) : pair(optGreenwich, optLocal);
    optPlus->isChecked() ? pair(optPlus, optMinus) : pair(optMinus, optPlus);
    optNext->isChecked() ? pair(optNext, optPrevious) : pair(optPrevious, optNext);
    optMoveDirection[0]->isChecked() ? pair(optMoveDirection[0], optMoveDirection[1])
                                     : pair(optMoveDirection[1], optMoveDirection[0]);
    SetForeColour(chkRepeatedly, chkRepeatedly->isChecked() ? ToQColor(Colours::Selected) : ToQColor(Colours::Unselected));
    SetForeColour(chkLog, chkLog->isChecked() ? ToQColor(Colours::Selected) : ToQColor(Colours::Unselected));
}
