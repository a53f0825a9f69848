#include "log/frmLog.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {
// The text control separates lines (and selections carry paragraph separators); the log's
// line ends are CR LF.
QString WithCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return text;
}
}  // namespace

frmLog::frmLog(std::shared_ptr<DialogService> dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(std::move(dialogs)) {
    setObjectName("frmLog");
    txbText = new QPlainTextEdit(this);
    txbText->setObjectName("txbText");
    txbText->setAccessibleName("Log text");
    txbText->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txbText->viewport()->installEventFilter(this);
    cmdCopyToClipboard = new QPushButton("&Copy to clipboard", this);
    cmdCopyToClipboard->setObjectName("cmdCopyToClipboard");
    cmdClear = new QPushButton("Clear &log", this);
    cmdClear->setObjectName("cmdClear");
    cmdClose = new QPushButton("Cl&ose", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmLog::CopyToClipboard);
    connect(cmdClear, &QPushButton::clicked, this, &frmLog::ClearLog);
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        hide();
        emit hidden();
    });
    // The buttons in one row under the text, the text filling the window.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCopyToClipboard);
    buttons->addStretch();
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txbText, 1);
    layout->addLayout(buttons);
    resize(760, 420);
}

QString frmLog::LogText() const { return WithCrLf(txbText->toPlainText()); }

bool frmLog::IsEmpty() const { return txbText->document()->isEmpty(); }

qsizetype frmLog::Size() const { return txbText->document()->characterCount() + txbText->document()->blockCount(); }

void frmLog::Append(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor end(txbText->document());
    end.movePosition(QTextCursor::End);
    end.insertText(plain);
}

bool frmLog::ClearLog() {
    if (dialogs_->Show(this, DialogService::Icon::Question, "Clear log", "Erase all data in the log?",
                       DialogService::Buttons::OkCancel) != DialogService::Answer::Ok)
        return false;
    txbText->clear();
    hide();
    emit cleared();
    emit hidden();
    return true;
}

void frmLog::ShowLog(const QPoint& topLeft) {
    if (isMinimized()) {
        showNormal();
    } else {
        move(topLeft);
        show();
    }
    raise();
    activateWindow();
    Activate();
}

void frmLog::Activate() {
    setWindowTitle("Log for " + (parentWidget() ? parentWidget()->windowTitle() : QString("Selvanor")));
    txbText->moveCursor(QTextCursor::End);
    ShowCopyCaption();
    cmdClose->setFocus();
}

void frmLog::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activate();
}

void frmLog::CopyToClipboard() {
    const QTextCursor cursor = txbText->textCursor();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(cursor.hasSelection() ? WithCrLf(cursor.selectedText()) : LogText());
    cmdCopyToClipboard->setText("&Copy to clipboard");
    cmdClose->setFocus();
}

void frmLog::ShowCopyCaption() {
    cmdCopyToClipboard->setText(txbText->textCursor().hasSelection() ? "&Copy selected text to clipboard"
                                                                     : "&Copy to clipboard");
}

bool frmLog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txbText->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        ShowCopyCaption();
    return QWidget::eventFilter(watched, event);
}

void frmLog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdClose->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmLog::closeEvent(QCloseEvent* event) {
    // The system close box: the log goes with the window.
    event->accept();
    emit discarded();
}
