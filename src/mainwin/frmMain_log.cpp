// The log: entries from every operation, the pending result, the log and preferences windows.
#include "core/LogEntry.h"
#include "log/frmLog.h"
#include "log/frmLogPreferences.h"
#include "mainwin/frmMain.h"

namespace {
// The log counts as full at 4 MiB of text.
constexpr qsizetype kLogFull = 4 * 1024 * 1024;
const QString kLineBreak = QStringLiteral("\r\n");
}  // namespace

bool frmMain::LogTextEmpty() const { return !log_ || log_->IsEmpty(); }

frmLog& frmMain::Log() {
    if (!log_) {
        log_ = new frmLog(services_.dialogs, this);
        log_->setWindowIcon(windowIcon());
        connect(log_, &frmLog::cleared, this, [this] { cmdViewLog->setEnabled(false); });
        connect(log_, &frmLog::hidden, this, [this] {
            activateWindow();
            SetTheFocus();
        });
        connect(log_, &frmLog::discarded, this, [this] {
            log_->deleteLater();
            log_ = nullptr;
            cmdViewLog->setEnabled(false);
            cmdLogThisResult->setEnabled(false);
            activateWindow();
            SetTheFocus();
        });
    }
    return *log_;
}

void frmMain::AddLogEntry(const QString& text, const QString& operation, const QString& extra) {
    if (!state_.blnLogOn) {
        state_.strPendingDate = text.toStdString();
        state_.strPendingOperation = operation.toStdString();
        state_.strPendingExtra = extra.toStdString();
        cmdLogThisResult->setEnabled(true);
        return;
    }
    cmdLogThisResult->setEnabled(false);
    if (text.isEmpty()) return;
    state_.strPendingDate.clear();
    state_.strPendingOperation.clear();
    state_.strPendingExtra.clear();

    LogEntry::Display display;
    for (const LabelPair& pair : dateLabels_) display.dateLabels.push_back(pair[1]->text().toStdString());
    display.phaseLabel = lblPhaseOfMoon[1]->text().toStdString();
    display.ageLabel = lblAgeOfMoon[1]->text().toStdString();
    display.entryCalendar = state_.intEntryCalendar;
    QString entry = QString::fromStdString(LogEntry::Entry(text.toStdString(), operation.toStdString(),
                                                           extra.toStdString(), display, state_.logPreferences,
                                                           kLineBreak.toStdString()));
    frmLog& log = Log();
    if (log.IsEmpty()) entry.prepend(QString::fromStdString(LogEntry::Header(windowTitle().toStdString(), "\r\n")));
    if (log.Size() + entry.size() > kLogFull) {
        // The entry is abandoned; the user may clear the log (which asks once more).
        if (Message(DialogService::Icon::Question, "", "Log is full.  Clear log?", DialogService::Buttons::YesNo) ==
            DialogService::Answer::Yes)
            log.ClearLog();
    } else {
        log.Append(entry);
    }
    cmdViewLog->setEnabled(!LogTextEmpty());
}

void frmMain::LogThisResult() {
    const bool logOn = state_.blnLogOn;
    state_.blnLogOn = true;
    AddLogEntry(QString::fromStdString(state_.strPendingDate), QString::fromStdString(state_.strPendingOperation),
                QString::fromStdString(state_.strPendingExtra));
    state_.blnLogOn = logOn;
    cmdLogThisResult->setEnabled(false);
    SetTheFocus();
}

void frmMain::ViewLog() {
    if (LogTextEmpty()) {
        Message(DialogService::Icon::Information, "View Log", "Log is empty");
        SetTheFocus();
        return;
    }
    // Below the lunar-week row's title (800 twips, about 53 pixels), at the window's left edge.
    const ClickableLabel* title = dateLabels_[static_cast<size_t>(CalendarRegistry::DisplayOrder().at(6)->index)][0];
    const QPoint below = mapToGlobal(QPoint(0, title->mapTo(this, QPoint(0, 0)).y() + 53));
    Log().ShowLog(QPoint(frameGeometry().left(), below.y()), width());
}

void frmMain::ShowLogPreferences() {
    if (!logPreferences_) {
        logPreferences_ = new frmLogPreferences(this);
        logPreferences_->setWindowIcon(windowIcon());
        connect(logPreferences_, &frmLogPreferences::changed, this,
                [this](const LogPreferences& preferences) { state_.logPreferences = preferences; });
        connect(logPreferences_, &frmLogPreferences::closed, this, [this] {
            activateWindow();
            SetTheFocus();
        });
    }
    logPreferences_->SetPreferences(state_.logPreferences);
    logPreferences_->show();
    logPreferences_->raise();
    logPreferences_->activateWindow();
}
