#include "monkey/WindowGlue.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTimer>

#include "gui_support/QtColours.h"
#include "support/Colours.h"
#include "mainwin/frmMain.h"

namespace Glue {

std::unique_ptr<QWidget> StartMainWindow(std::shared_ptr<const ClockService> clock,
                                         std::shared_ptr<DialogService> dialogs, const QString& stateFolder) {
    auto window =
        std::make_unique<frmMain>(MainWindowServices{std::move(clock), std::move(dialogs), stateFolder, QString()});
    window->Form_Load();
    Settle();
    return window;
}

QWidget* TopLevel(const char* objectName) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName)) return w;
    return nullptr;
}

NumberFormat DisplayFormat() {
    const QLocale locale;
    NumberFormat format;
    const QString decimal = locale.decimalPoint();
    format.decimalSign = decimal.isEmpty() || decimal.at(0).toLatin1() == 0 ? '.' : decimal.at(0).toLatin1();
    format.groupSeparator = locale.groupSeparator().toStdString();
    return format;
}

bool ReadJulianNumber(QString text, const QString& code, double& value) {
    if (!text.endsWith(" " + code)) return false;
    text.chop(code.size() + 1);
    const NumberFormat format = DisplayFormat();
    text.remove(QString::fromStdString(format.groupSeparator));
    text.replace(QChar(format.decimalSign), QChar('.'));
    bool ok = false;
    value = text.toDouble(&ok);
    return ok;
}

namespace {
QString Caption(QWidget* main, const QString& name) {
    const QLabel* label = main->findChild<QLabel*>(name);
    return label ? label->text() : QString();
}
}  // namespace

Shown Read(QWidget* main) {
    Shown shown;
    const QColor marked = ToQColor(Colours::Selected);
    int markedCount = 0;
    for (int i = 0; i < CalendarTable::kBuiltInCount; ++i) {
        const QString name = QString::fromUtf8(CalendarRegistry::Calendar(i).labelName.data(),
                                               static_cast<qsizetype>(CalendarRegistry::Calendar(i).labelName.size()));
        shown.dates[static_cast<size_t>(i)] = Caption(main, name + "_1");
        const QLabel* title = main->findChild<QLabel*>(name + "_0");
        if (title && title->palette().color(QPalette::WindowText) == marked) {
            shown.entryCalendar = i;
            ++markedCount;
        }
    }
    if (markedCount != 1) shown.entryCalendar = -1;
    shown.ajdText = shown.dates[CalendarTable::AJD];
    shown.ajdRead = ReadJulianNumber(shown.ajdText, "AJD", shown.ajd);
    const auto* greenwich = main->findChild<QRadioButton*>("optGreenwich");
    const auto* zones = main->findChild<QComboBox*>("cboTimeZone");
    shown.frame.greenwich = greenwich && greenwich->isChecked();
    shown.frame.zoneOffsetMinutes = zones ? TimeZones::ZoneOffsetMinutes(zones->currentText().toStdString()) : 0;
    shown.timeLine = Caption(main, "lblTime_1");
    shown.eclipse = Caption(main, "lblActualEclipseData");
    const QWidget* check = main->findChild<QWidget*>("picCheck");
    shown.liveClock = check && check->isVisible();
    const QWidget* moveFrame = main->findChild<QWidget*>("fraStopPauseResume");
    shown.moving = moveFrame && moveFrame->isVisible();
    const auto* pause = main->findChild<QPushButton*>("cmdPauseResume");
    shown.paused = shown.moving && pause && pause->text().remove(QChar('&')) == "Resume";
    if (const auto* history = main->findChild<QComboBox*>("cboHistory")) {
        for (int i = 0; i < history->count(); ++i) shown.history << history->itemText(i);
        shown.historyShown = history->currentIndex();
    }
    if (const QWidget* log = TopLevel("frmLog"))
        if (const auto* text = log->findChild<QPlainTextEdit*>("txbText"))
            shown.logSize = text->document()->isEmpty() ? 0 : text->document()->characterCount();
    return shown;
}

void LetTimePass(QWidget* main) {
    for (QTimer* timer : main->findChildren<QTimer*>()) {
        // A timer belongs to the window of the first widget among its owners.
        const QObject* parent = timer->parent();
        while (parent && !parent->isWidgetType()) parent = parent->parent();
        const auto* owner = qobject_cast<const QWidget*>(parent);
        if (timer->isActive() && owner && owner->window() == main)
            QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    }
    Settle();
}

void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace Glue
