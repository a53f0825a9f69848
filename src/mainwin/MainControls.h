// The main window's controls, built and laid out in one place; their object names are the
// stable handles of tests, automation and screen readers (a label pair lblTime is lblTime_0 and
// lblTime_1).
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <vector>

#include "gui_support/ClickableLabel.h"

// Element 0 the title, element 1 the value.
using LabelPair = std::array<ClickableLabel*, 2>;

struct MainControls {
    QGroupBox *fraDates, *fraTime, *fraConvert, *fraMove, *fraMoveStep, *fraMoveDirection, *fraStopPauseResume,
        *fraSearch, *fraHistory;
    // One pair per notation of the registry, by calendar index, named and titled as its
    // descriptor says (lblCommonEraDate, ...), in the rows of the registry's display order.
    std::vector<LabelPair> dateLabels;
    LabelPair lblPhaseOfMoon, lblAgeOfMoon, lblTime, lblDeltaT, lblSky;
    QPushButton *cmdNow, *cmdClearDate, *cmdCompute, *cmdReset, *cmdMove, *cmdStop, *cmdPauseResume, *cmdSearch,
        *cmdLogThisResult, *cmdViewLog, *cmdLogPreferences, *cmdSaveState, *cmdHelp, *cmdQuit, *cmdDisplayCalendar,
        *cmdSarosSeries;
    QLabel *picCheck, *picMoon;
    QComboBox *cboTimeZone, *cboPlace, *cboMoveStep, *cboRefreshPeriod, *cboTarget, *cboHistory, *cboMonthCalendar;
    QRadioButton *optLocal, *optGreenwich, *optPlus, *optMinus, *optNext, *optPrevious;
    std::array<QRadioButton*, 2> optMoveDirection;
    QLabel *lblTimeSystem, *lblTimeZone, *lblPlace, *lblEnterDateTime, *lblDays, *lblRefreshPeriod, *lblSearching,
        *lblActualEclipseData;
    ClickableLabel* lblOnlineDocumentation;
    QLineEdit *txbDate, *txbPlusMinus;
    QCheckBox *chkRepeatedly, *chkLog, *chkSeenFromPlace;
};

// The controls of the main window, on it, with their lists filled and their default choices;
// the place list offers the cities given.
MainControls BuildMainControls(QWidget* window, const std::vector<std::string>& cities);
// The Tab order through the frames and the accessible names of controls whose caption does not
// say what they hold.
void SetTabOrderAndNames(QWidget* window, const MainControls& c);
