// The main window: one displayed moment, shown in nine notations with the Moon, and every
// action the user takes on it. The implementation is split by concern into frmMain_*.cpp.
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "gui_support/ClickableLabel.h"
#include "gui_support/DialogService.h"
#include "gui_support/ForeColour.h"
#include "gui_support/QtColours.h"
#include "core/ComputeMoment.h"
#include "core/DateDisplay.h"
#include "astro/Listings.h"
#include "core/History.h"
#include "core/MoveOnce.h"
#include "core/MainWindowState.h"
#include "core/TimeFrame.h"

class ClockService;
struct SavedState;
class HelpWindow;
class frmLog;
class frmLogPreferences;
class frmSarosSeries;
class frmCalendar;

// What the window takes from its surroundings; tests give a fixed clock, a recording dialog
// service and a temporary folder.
struct MainWindowServices {
    std::shared_ptr<const ClockService> clock;
    std::shared_ptr<DialogService> dialogs;
    QString stateFolder;  // folder of the saved-state file
    QString pictureFolder;  // folder of the Moon pictures
};

using LabelPair = std::array<ClickableLabel*, 2>;

// The age label's tool tip: the lunation in this program's count and in the other published
// ones.
QString LunationToolTip(int32_t lunation);

class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(MainWindowServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up in its fixed order; shows the window.
    void Form_Load();

    // The window's state besides its controls (tests read it; controls are found by name).
    const MainWindowState& State() const { return state_; }

    // --- operations ---
    void SetDefaults();
    void FillLists();
    void ClearDisplay();
    void EnableDisableFunctions(bool enable);
    void SetTheFocus();
    void FocusDateEntry();
    void FocusMoveOrQuit();
    void FocusSearchOrQuit();
    QString ShowNow();
    void Now();

    // Time zones and time of day.
    int ZoneOffsetMinutes() const;
    TimeFrame CurrentFrame() const;
    double AjdToCjd(double ajd) const;
    double CjdToAjd(double cjd) const;
    void ShowTimeOfDay();

    // Entry, conversion and display.
    void Compute();
    QString ShowAllDates();
    // The display of the moment on show: time line, dates, the Moon and delta T; returns the
    // entry calendar's date text.
    QString ShowMoment();
    // ShowMoment, then the entry calendar's date copied into the date box.
    QString RefreshDisplay();
    void CopyEntryCalendarDate();
    bool CheckRange(double ajd);
    void ShowDeltaT();
    void MarkEntryCalendar();
    void DisplayMoonData(QColor colour);
    // Search for the chosen target from the moment on show (frmMain_search.cpp).
    void SearchForTarget();

    // History and log: every operation that shows a new moment ends with both.
    QString AddHistoryEntry(const QString& strDate, int intEclipseType);
    void AddLogEntry(const QString& text, const QString& operation, const QString& extra);
    void HistoryChosen(int index);
    void LogThisResult();
    void ViewLog();
    void ShowLogPreferences();
    // The eclipse of phase (0 or 2) of the lunation, if any, in the eclipse-data label; the
    // eclipse text for the log (empty when that syzygy is no eclipse).
    QString ShowEclipseData(int32_t lunation, int phase);
    // The eclipse data of a history entry on show (its eclipse type adjusts the syzygy); false
    // after a failed phase lookup (message shown).
    bool RestoreEclipseData(int eclipseType, QString& eclipseText);
    // The saros series of the eclipse on show: the command beside the eclipse data, its window,
    // and a member chosen there.
    void UpdateSarosCommand();
    void ShowSarosSeries();
    void SarosMemberChosen(const Listings::EclipseRow& member);
    void EclipseDataMenu(const QPoint& position);

    // Later steps reached from start-up and Now.
    bool ReadSavedState();
    void SaveState();
    // The state file written; empty, or the system's description of the failure.
    QString WriteStateFile();
    void Reset();
    // Ends the program as Quit does when the system asks (a signal, the session's end); a failed
    // save goes to the standard error, as nobody may be there to answer a message box.
    void EndFromSystem();
    bool LogTextEmpty() const;

    // Moving through time (frmMain_move.cpp).
    void Move();
    void StopRepeatedMove();
    void PauseResume();
    void SetMoveControlsEnabled(bool enable);

    void ShowHelp();
    // Opens the lunation window on the displayed moment's lunation (frmMain_lunation.cpp).
    void DisplayCalendar();
    void Quit();

    // The date label pair of each calendar, in the order of the calendar table.
    std::vector<LabelPair>& DateLabels() { return dateLabels_; }
    // The date display last computed for the moment on show.
    const DateDisplay& LastDisplay() const { return lastDisplay_; }
    DialogService& Dialogs() { return *services_.dialogs; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- controls (objectName = name; label pairs name_0 / name_1) ---
    QGroupBox *fraDates, *fraTime, *fraConvert, *fraMove, *fraMoveStep, *fraMoveDirection,
        *fraStopPauseResume, *fraSearch, *fraHistory;
    // The nine date label pairs in the order of the calendar table, named and titled as the
    // calendar registry says (lblCommonEraDate, ...).
    std::vector<LabelPair> dateLabels_;
    LabelPair lblPhaseOfMoon, lblAgeOfMoon, lblTime, lblDeltaT;
    QPushButton *cmdNow, *cmdClearDate, *cmdCompute, *cmdReset, *cmdMove, *cmdStop, *cmdPauseResume,
        *cmdSearch, *cmdLogThisResult, *cmdViewLog, *cmdLogPreferences, *cmdSaveState, *cmdHelp,
        *cmdQuit, *cmdDisplayCalendar;
    QLabel *picCheck, *picMoon;
    QPushButton* cmdSarosSeries;
    QComboBox *cboTimeZone, *cboMoveStep, *cboRefreshPeriod, *cboTarget, *cboHistory, *cboMonthCalendar;
    QRadioButton *optLocal, *optGreenwich, *optPlus, *optMinus, *optNext, *optPrevious;
    std::array<QRadioButton*, 2> optMoveDirection;
    QLabel *lblTimeSystem, *lblTimeZone, *lblEnterDateTime, *lblDays, *lblRefreshPeriod, *lblSearching,
        *lblActualEclipseData;
    ClickableLabel* lblOnlineDocumentation;
    QLineEdit *txbDate, *txbPlusMinus;
    QCheckBox *chkRepeatedly, *chkLog;
    QTimer* Clock;

    void BuildControls();
    void BuildDatesFrame();
    void BuildTimeFrame();
    void BuildConvertFrame();
    void BuildMoveFrames();
    void BuildSearchFrame();
    void BuildHistoryFrame();
    void ArrangeFrames();
    void SetTabOrderAndNames();
    void ConnectHandlers();
    void ConnectDisplayHandlers();
    void ConnectOptionHandlers();
    void ApplyOptionColours();
    void Initialise();
    void ClockTick();
    void DateLabelClicked(int calendarIndex, bool value);
    void TimeLineClicked();
    void ZoneChanged();
    void TimeSystemChosen();
    void SetForeColour(QWidget* widget, const QColor& colour);
    DialogService::Answer Message(DialogService::Icon icon, const QString& title, const QString& text,
                                  DialogService::Buttons buttons = DialogService::Buttons::Ok);
    NumberFormat UserNumberFormat() const;
    void SelectComputerZone();
    // The date box of a search read as its start; false when it was refused (message shown).
    bool TakeSearchStart();
    bool ReadMoveStart();
    void BeginRepeatedMove();
    int RefreshPeriodMilliseconds() const;
    void MoveTick();
    void MakeDueStep();
    void EndRepetition();
    void FinishMove();
    void RefreshPeriodChosen();

    frmLog& Log();  // the log window, created with the first entry
    SavedState CurrentSavedState() const;
    void ApplySavedState(const SavedState& s, int valuesRead);

    MainWindowServices services_;
    MainWindowState state_;
    History::List history_{8};
    QPointer<frmLog> log_;
    QPointer<frmLogPreferences> logPreferences_;
    QPointer<frmSarosSeries> saros_;
    DateDisplay lastDisplay_;
    QPointer<HelpWindow> help_;
    QPointer<frmCalendar> calendar_;
    bool quitting_ = false;
    // The move under way: its step, direction, description for the log and last date text.
    int moveStep_ = 2;
    bool moveForward_ = true;
    QString strStepDescription_, strMoveDate_;
};
