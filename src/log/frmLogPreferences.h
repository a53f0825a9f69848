// The log preferences window: the format of the calendar items and which items an entry
// includes. Created on first use and only hidden afterwards.
#pragma once
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <utility>
#include <vector>

#include "core/LogPreferences.h"

class frmLogPreferences : public QWidget {
    Q_OBJECT
public:
    explicit frmLogPreferences(QWidget* parent = nullptr);

    LogPreferences Preferences() const;
    void SetPreferences(const LogPreferences& preferences);

signals:
    // Any box or format option changed by the user.
    void changed(const LogPreferences& preferences);
    // Close was pressed: the window is hidden.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QRadioButton*, 2> optLogFormat{};
    // A box per calendar of the registry, in the date frame's order, with its calendar index.
    std::vector<std::pair<int, QCheckBox*>> calendarBoxes_;
    QCheckBox *chkIncludePhaseOfMoonAndIllumination, *chkIncludeLunationAndAgeOfMoon;
    std::vector<QCheckBox*> allBoxes_;  // in the window's order
    QPushButton *cmdSetALL, *cmdClearAll, *cmdClose;
};
