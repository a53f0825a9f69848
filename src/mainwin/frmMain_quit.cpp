// Help (the button, F1 and the documentation link), Quit and closing the window, messages.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "help/HelpWindow.h"
#include "mainwin/frmMain.h"

void frmMain::ShowHelp() {
    if (!help_) help_ = new HelpWindow(nullptr);
    help_->setWindowIcon(windowIcon());
    if (help_->isMinimized())
        help_->showNormal();
    else
        help_->show();
    help_->raise();
}

void frmMain::Quit() {
    StopRepeatedMove();
    quitting_ = true;
    SaveState();
    if (help_) help_->close();
    close();
    QApplication::quit();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!quitting_) {
        StopRepeatedMove();  // the move ends as by Stop, so that its result is saved
        quitting_ = true;
        SaveState();
        if (help_) help_->close();
        QApplication::quit();
    }
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        (watched == txbDate || watched == txbPlusMinus || watched == cmdMove || watched == cmdHelp)) {
        ShowHelp();
        return true;
    }
    if (event->type() == QEvent::FocusOut && watched == txbDate) {
        const QString trimmed = txbDate->text().trimmed();
        if (trimmed != txbDate->text()) txbDate->setText(trimmed);
    }
    return QWidget::eventFilter(watched, event);
}

DialogService::Answer frmMain::Message(DialogService::Icon icon, const QString& title, const QString& text,
                                      DialogService::Buttons buttons) {
    return services_.dialogs->Show(this, icon, title, text, buttons);
}
