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

#include "mainwin/ClickableLabel.h"
#include "mainwin/DialogService.h"
#include "mainwin/core/DateDisplay.h"
#include "mainwin/core/EntryParser.h"
#include "mainwin/core/TimeFrame.h"

class ClockService;
class HelpWindow;
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

class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(MainWindowServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up in its fixed order; shows the window.
    void Form_Load();

    // --- state kept by the window ---
    double dblCurrentAJDate = 0.0;
    bool blnStartUpCompleted = false;
    bool blnExact = false;
    QString strPicPath;
    int intMaxX = 89, intMaxY = 89;
    bool blnLiveClock = false;
    int intClockInterval = 5;
    int intEntryCalendar = 0;
    int intZoneOffset = 0;
    QColor lngSelectedColour{255, 255, 255};
    QColor lngUnselectedColour{200, 200, 200};
    int intHistorySize = 8;
    int32_t lngEclipseLunation = -10000000;
    bool blnRestoringState = false;
    bool blnRestoringHistory = false;
    bool blnRepeating = false, blnPaused = false, blnStepDue = false;
    QString strStateFile;

    // --- operations ---
    void SetDefaults();
    void FillCalendarTables();
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
    // Reads the date box with the entry grammar, writes back its normal form and, on success,
    // makes the entry's calendar the entry calendar.
    EntryResult ParseDateBox();
    void ReportEntryError(int error);
    QString ShowAllDates();
    void CopyEntryCalendarDate();
    bool CheckRange(double ajd);
    void ShowDeltaT();
    void MarkEntryCalendar();
    void DisplayMoonData(QColor colour);

    // Later steps reached from start-up and Now.
    QString AddHistoryEntry(const QString& strDate, int intEclipseType);
    void AddLogEntry(const QString& text, const QString& operation, const QString& extra);
    bool ReadSavedState();
    void SaveState();
    void StopRepeatedMove();
    bool LogTextEmpty() const;

    void ShowHelp();
    // Opens the lunation window on the displayed moment's lunation (frmMain_lunation.cpp).
    void DisplayCalendar();
    void Quit();

    // --- controls (objectName = name; label pairs name_0 / name_1) ---
    QGroupBox *fraDates, *fraTime, *fraConvert, *fraMove, *fraMoveStep, *fraMoveDirection,
        *fraStopPauseResume, *fraSearch, *fraHistory;
    LabelPair lblCommonEraDate, lblJulianCalendarDate, lblArchetypesDate, lblVarnelOstrikSLCDate,
        lblLTCLunarDate, lblDVGDate, lblQuillonLWCDate, lblChronologicalJulianDate,
        lblAstronomicalJulianDate, lblPhaseOfMoon, lblAgeOfMoon, lblTime, lblDeltaT;
    QPushButton *cmdNow, *cmdClearDate, *cmdCompute, *cmdReset, *cmdMove, *cmdStop, *cmdPauseResume,
        *cmdSearch, *cmdLogThisResult, *cmdViewLog, *cmdLogPreferences, *cmdSaveState, *cmdHelp,
        *cmdQuit, *cmdDisplayCalendar;
    QLabel *picCheck, *picMoon;
    QComboBox *cboTimeZone, *cboMoveStep, *cboRefreshPeriod, *cboTarget, *cboHistory, *cboMonthCalendar;
    QRadioButton *optLocal, *optGreenwich, *optPlus, *optMinus, *optNext, *optPrevious;
    std::array<QRadioButton*, 2> optMoveDirection;
    QLabel *lblTimeSystem, *lblTimeZone, *lblEnterDateTime, *lblDays, *lblRefreshPeriod, *lblSearching,
        *lblActualEclipseData;
    ClickableLabel* lblOnlineDocumentation;
    QLineEdit *txbDate, *txbPlusMinus;
    QCheckBox *chkRepeatedly, *chkLog;
    QTimer* Clock;

    // The nine date labels in the order of the calendar table.
    std::array<LabelPair*, 9> DateLabels();
    // The date display last computed for the moment on show.
    const DateDisplay& LastDisplay() const { return lastDisplay_; }
    DialogService& Dialogs() { return *services_.dialogs; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    void ApplyOptionColours();
    void Initialise();
    void ClockTick();
    void DateLabelClicked(int calendarIndex, bool value);
    void TimeLineClicked();
    void ZoneChanged();
    void TimeSystemChosen();
    void SetForeColour(QWidget* widget, const QColor& colour);
    void Message(DialogService::Icon icon, const QString& title, const QString& text);
    NumberFormat UserNumberFormat() const;

    MainWindowServices services_;
    DateDisplay lastDisplay_;
    QPointer<HelpWindow> help_;
    QPointer<frmCalendar> calendar_;
    bool quitting_ = false;
};
