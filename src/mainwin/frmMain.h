// The main window: it shows one value, the shown moment (core/shown/ShownMoment.h), and turns
// each action into an operation on it (core/shown/Operations.h): read the inputs, call the core,
// render the result, record what the operation reports. Its concerns with state of their own are
// components: the repeated move, the live clock, the log sink, the history list and the eclipse
// panel. Layout is in MainControls.cpp, the handlers in frmMain_*.cpp.
#pragma once
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "core/SavedState.h"
#include "core/place/CityList.h"
#include "core/shown/Operations.h"
#include "gui_support/DialogService.h"
#include "mainwin/MainControls.h"

class ClockService;
class EclipsePanel;
class HelpWindow;
class HistoryList;
class LiveClock;
class LogSink;
class RepeatedMove;
class frmCalendar;

// What the window takes from its surroundings; tests give a fixed clock, a recording dialog
// service and a temporary folder.
struct MainWindowServices {
    std::shared_ptr<const ClockService> clock;
    std::shared_ptr<DialogService> dialogs;
    QString stateFolder;    // folder of the saved-state file
    QString pictureFolder;  // folder of the Moon pictures (default: beside the program)
    QString zoneInfoFolder; // of the time-zone database's city tables (default: $TZDIR, else the system's)
};

class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(MainWindowServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: the saved state's choices and moment (or the present one), then the window.
    void Form_Load();
    // Ends the program as Quit does when the system asks (a signal, the session's end); a failed
    // save goes to the standard error, as nobody may be there to answer a message box.
    void EndFromSystem();
    // Save state: the file written (a failure says why); the state file written, with the
    // system's description of a failure; the same with a failure on the standard error.
    void SaveState();
    QString WriteStateFile();
    void SaveWithoutAsking();

    // What the window shows, and the log's preferences (tests and the saved state read them).
    const ShownMoment& OnShow() const { return shown_; }
    const LogPreferences& LogPreferencesInEffect() const;
    bool Moving() const;

    // Where the focus goes after an action: the date box (or Quit when it is disabled), Move or
    // Quit, Search or Quit (frmMain_focus.cpp).
    void SetTheFocus();
    void FocusMoveOrQuit();
    void FocusSearchOrQuit();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectHandlers();
    void ConnectOptions();

    // The value on show, and what an operation asks for besides.
    enum class Focus { DateEntry, Move, Search, None };
    void Render();
    void Apply(const Shown::Outcome& outcome, Focus focus);
    void Record(const Shown::Report& report);
    void Message(DialogService::Icon icon, const QString& title, const QString& text);

    // The operations (frmMain_operations.cpp, frmMain_move.cpp).
    void Compute();
    void Now();
    void Search();
    void HistoryChosen(int index, const std::string& entry, int eclipseType);
    void SarosMemberChosen(const Listings::EclipseRow& member);
    void ZoneChosen(int index);
    void PlaceChosen();
    void TimeSystemChosen();
    void DateLabelClicked(int calendar, bool value);
    void TimeLineClicked();
    void Move();
    void MakeStep();
    void FinishMove();
    void EndRepeatedMove();
    void SetMoveControlsEnabled(bool enable);

    // The saved state, Reset, Quit, the other windows (frmMain_state.cpp, frmMain_windows.cpp).
    SavedState CurrentSavedState() const;
    void ApplySavedChoices(const SavedState& saved, int valuesRead);
    void Reset();
    void Quit();
    void ShowHelp();
    void ViewLog();
    void DisplayCalendar();

    void ApplyOptionColours();

    MainWindowServices services_;
    std::vector<City> cities_;   // of the place list
    std::string pictureFolder_;  // ends with its separator
    std::string stateFile_;
    MainControls ui_;
    ShownMoment shown_;
    RepeatedMove* move_;
    LiveClock* liveClock_;
    LogSink* log_;
    HistoryList* history_;
    EclipsePanel* eclipse_;
    QPointer<HelpWindow> help_;
    QPointer<frmCalendar> calendar_;
    bool startUpCompleted_ = false;
    bool quitting_ = false;
    // The Moon picture drawn last (it is drawn again only when the phase changes it).
    double pictureIllumination_ = -1.0;
    bool pictureWaxing_ = false;
};
