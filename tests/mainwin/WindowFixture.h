// A main window started offscreen with a fixed clock, a recording dialog service and a
// temporary state folder.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "dates/ClockService.h"
#include "mainwin/frmMain.h"

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock = std::make_shared<FixedClock>("2000-01-01", "12:00:00", 0);
        dialogs = std::make_shared<RecordingDialogService>();
        MainWindowServices services{clock, dialogs, stateDir.path(), QString(), SELVANOR_TEST_DATA "/zoneinfo"};
        window = std::make_unique<frmMain>(services);
        window->Form_Load();
        QApplication::processEvents();
    }
    void TearDown() override {
        window->hide();
        window.reset();
    }

    template <typename T>
    T* Find(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Text(const char* labelName) { return Find<QLabel>(labelName)->text(); }

    // Types an entry and presses Convert.
    void Compute(const QString& entry, const QString& days = QString()) {
        Find<QLineEdit>("txbDate")->setText(entry);
        Find<QLineEdit>("txbPlusMinus")->setText(days);
        Find<QPushButton>("cmdCompute")->click();
    }
    QString LastMessage() const { return dialogs->messages.empty() ? QString() : dialogs->messages.back().text; }

    QTemporaryDir stateDir;
    std::shared_ptr<FixedClock> clock;
    std::shared_ptr<RecordingDialogService> dialogs;
    std::unique_ptr<frmMain> window;
};

inline QColor ForeColour(QWidget* w) { return w->palette().color(QPalette::WindowText); }
