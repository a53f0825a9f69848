// The log window: the log text (editable), Copy to clipboard, Clear log and Close. The text
// lives here for as long as the window does; closing it with the system close box discards it.
#pragma once
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "gui_support/DialogService.h"

class frmLog : public QWidget {
    Q_OBJECT
public:
    frmLog(std::shared_ptr<DialogService> dialogs, QWidget* parent = nullptr);

    // The log text with CR LF line ends, as the clipboard receives it.
    QString LogText() const;
    bool IsEmpty() const;
    // Characters in the log, line ends counted as two.
    qsizetype Size() const;
    // Appends at the end of the document (entries use "\r\n" or "\n" line ends).
    void Append(const QString& text);
    // Clear log: asks "Erase all data in the log?"; on OK empties the log and hides the window.
    // True when the log was cleared.
    bool ClearLog();
    // Restores the window when it is minimised; otherwise places it at topLeft and shows it.
    void ShowLog(const QPoint& topLeft);

signals:
    void cleared();    // the log was emptied by Clear log
    void discarded();  // the system close box: the log is gone with the window
    void hidden();     // Close or Clear log: the focus goes back to the main window

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CopyToClipboard();
    void ShowCopyCaption();
    // Each time the window becomes active: its caption, the latest entry in view, the buttons'
    // captions and the focus on Close.
    void Activate();

    std::shared_ptr<DialogService> dialogs_;
    QPlainTextEdit* txbText;
    QPushButton *cmdCopyToClipboard, *cmdClear, *cmdClose;
};
