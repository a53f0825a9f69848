// Where results go to be logged: "Log all results" appends each at once; otherwise the last one
// waits for "Log this result". Owns the log window (created with the first entry, gone when its
// close box is used) and the log preferences window.
#pragma once
#include <QCheckBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <memory>
#include <optional>
#include <string>

#include "core/LogEntry.h"
#include "core/LogPreferences.h"
#include "gui_support/DialogService.h"

class frmLog;
class frmLogPreferences;

class LogSink : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QCheckBox* logAll;
        QPushButton* logThisResult;
        QPushButton* viewLog;
    };
    LogSink(QWidget* mainWindow, std::shared_ptr<DialogService> dialogs, Controls controls);

    // A result: its date line (empty when the history made no entry for it), the operation, the
    // further lines and what the window showed.
    void Report(const std::string& dateText, const std::string& operation, const std::string& extra,
                const LogEntry::Display& shown);
    void LogThisResult();
    // View log: the window at topLeft, or "Log is empty".
    void View(const QPoint& topLeft);
    bool Empty() const;
    // Enables View log exactly when there is a log to view.
    void UpdateViewButton();

    const LogPreferences& Preferences() const { return preferences_; }
    void SetPreferences(const LogPreferences& preferences);
    void ShowPreferences();

signals:
    // A log window was closed or hidden: the focus goes back to the main window.
    void focusReturned();

private:
    frmLog& Log();  // created with the first entry
    void Append(const std::string& dateText, const std::string& operation, const std::string& extra,
                const LogEntry::Display& shown);

    QWidget* mainWindow_;
    std::shared_ptr<DialogService> dialogs_;
    Controls c_;
    QPointer<frmLog> log_;
    QPointer<frmLogPreferences> preferencesWindow_;
    LogPreferences preferences_;
    // The last result reported while logging was off.
    struct Pending {
        std::string dateText, operation, extra;
        LogEntry::Display shown;
    };
    std::optional<Pending> pending_;
};
