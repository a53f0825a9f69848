#include "mainwin/LogSink.h"

#include "log/frmLog.h"
#include "log/frmLogPreferences.h"

namespace {
// The log counts as full at 4 MiB of text.
constexpr qsizetype kLogFull = 4 * 1024 * 1024;
constexpr const char* kLineBreak = "\r\n";
}  // namespace

LogSink::LogSink(QWidget* mainWindow, std::shared_ptr<DialogService> dialogs, Controls controls)
    : QObject(mainWindow), mainWindow_(mainWindow), dialogs_(std::move(dialogs)), c_(controls) {
    connect(c_.logThisResult, &QPushButton::clicked, this, &LogSink::LogThisResult);
}

bool LogSink::Empty() const { return !log_ || log_->IsEmpty(); }

void LogSink::UpdateViewButton() { c_.viewLog->setEnabled(!Empty()); }

frmLog& LogSink::Log() {
    if (!log_) {
        log_ = new frmLog(dialogs_, mainWindow_);
        log_->setWindowIcon(mainWindow_->windowIcon());
        // The window takes the main window's width once, when it is made.
        log_->resize(mainWindow_->width(), log_->height());
        connect(log_, &frmLog::cleared, this, [this] { c_.viewLog->setEnabled(false); });
        connect(log_, &frmLog::hidden, this, &LogSink::focusReturned);
        connect(log_, &frmLog::discarded, this, [this] {
            log_->deleteLater();
            log_ = nullptr;
            c_.viewLog->setEnabled(false);
            c_.logThisResult->setEnabled(false);
            emit focusReturned();
        });
    }
    return *log_;
}

void LogSink::Report(const std::string& dateText, const std::string& operation, const std::string& extra,
                     const LogEntry::Display& shown) {
    if (!c_.logAll->isChecked()) {
        pending_ = Pending{dateText, operation, extra, shown};
        c_.logThisResult->setEnabled(true);
        return;
    }
    Append(dateText, operation, extra, shown);
}

void LogSink::Append(const std::string& dateText, const std::string& operation, const std::string& extra,
                     const LogEntry::Display& shown) {
    c_.logThisResult->setEnabled(false);
    if (dateText.empty()) return;
    pending_.reset();
    QString entry = QString::fromStdString(LogEntry::Entry(dateText, operation, extra, shown, preferences_, kLineBreak));
    frmLog& log = Log();
    if (log.IsEmpty())
        entry.prepend(QString::fromStdString(LogEntry::Header(mainWindow_->windowTitle().toStdString(), kLineBreak)));
    if (log.Size() + entry.size() > kLogFull) {
        // The entry is abandoned; the user may clear the log (which asks once more).
        if (dialogs_->Show(mainWindow_, DialogService::Icon::Question, "", "Log is full.  Clear log?",
                           DialogService::Buttons::YesNo) == DialogService::Answer::Yes)
            log.ClearLog();
    } else {
        log.Append(entry);
    }
    UpdateViewButton();
}

void LogSink::LogThisResult() {
    if (pending_) {
        const Pending pending = *pending_;
        Append(pending.dateText, pending.operation, pending.extra, pending.shown);
    }
    c_.logThisResult->setEnabled(false);
    emit focusReturned();
}

void LogSink::View(const QPoint& topLeft) {
    if (Empty()) {
        dialogs_->Show(mainWindow_, DialogService::Icon::Information, "View Log", "Log is empty");
        emit focusReturned();
        return;
    }
    Log().ShowLog(topLeft);
}

void LogSink::SetPreferences(const LogPreferences& preferences) {
    preferences_ = preferences;
    if (preferencesWindow_) preferencesWindow_->SetPreferences(preferences_);  // an open window shows them
}

void LogSink::ShowPreferences() {
    if (!preferencesWindow_) {
        preferencesWindow_ = new frmLogPreferences(mainWindow_);
        preferencesWindow_->setWindowIcon(mainWindow_->windowIcon());
        connect(preferencesWindow_, &frmLogPreferences::changed, this,
                [this](const LogPreferences& preferences) { preferences_ = preferences; });
        connect(preferencesWindow_, &frmLogPreferences::closed, this, &LogSink::focusReturned);
    }
    preferencesWindow_->SetPreferences(preferences_);
    preferencesWindow_->show();
    preferencesWindow_->raise();
    preferencesWindow_->activateWindow();
}
