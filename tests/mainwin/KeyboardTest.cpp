// Every window can be used from the keyboard alone and read by a screen reader: the Tab chain
// visits every control once in order, every button and option has its own Alt+letter, and
// every control that takes the focus has an accessible name.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <set>

#include "WindowFixture.h"
#include "log/frmLog.h"

namespace {

bool TakesTabFocus(const QWidget* w) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(w->window()) || !w->isEnabled()) return false;
    // The text of an editable list is the list's own Tab stop.
    if (qobject_cast<const QComboBox*>(w->parentWidget())) return false;
    // A part of a control (the text box of a spin box) hands its focus to the control.
    if (w->focusProxy()) return false;
    // An unchosen option of an exclusive group is reached with the arrow keys, not with Tab.
    const auto* option = qobject_cast<const QRadioButton*>(w);
    return !option || option->isChecked() || !option->autoExclusive();
}

std::vector<QWidget*> Focusable(QWidget* top) {
    std::vector<QWidget*> widgets;
    for (QWidget* w : top->findChildren<QWidget*>())
        if (w->window() == top && TakesTabFocus(w)) widgets.push_back(w);
    return widgets;
}

// The object names in the order Tab visits them, from start until the focus comes back.
std::vector<QString> TabChain(QWidget* top, QWidget* start) {
    top->show();
    top->activateWindow();
    QApplication::setActiveWindow(top);
    start->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    std::vector<QString> names;
    QWidget* w = QApplication::focusWidget();
    for (int i = 0; i < 200 && w; ++i) {
        names.push_back(w->objectName());
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(w, &tab);
        w = QApplication::focusWidget();
        if (w == start) break;
    }
    return names;
}

void ExpectWholeChain(QWidget* top, QWidget* start, const std::vector<QString>& expectedOrder) {
    const std::vector<QString> chain = TabChain(top, start);
    std::set<QString> visited(chain.begin(), chain.end());
    EXPECT_EQ(visited.size(), chain.size()) << "a control is visited twice in " << top->objectName().toStdString();
    for (QWidget* w : Focusable(top))
        EXPECT_TRUE(visited.count(w->objectName())) << w->objectName().toStdString() << " is skipped";
    if (!expectedOrder.empty()) {
        std::vector<QString> expected;
        for (const QString& name : expectedOrder) {
            auto* w = top->findChild<QWidget*>(name);
            if (w && TakesTabFocus(w)) expected.push_back(name);
        }
        EXPECT_EQ(chain, expected);
    }
}

void ExpectMnemonicsAndNames(QWidget* top) {
    std::map<QChar, QString> letters;
    for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
        if (button->window() != top || !button->isVisibleTo(top)) continue;
        // Every letter of "seen from the place" is another button's: the box is a Tab stop.
        if (button->objectName() == "chkSeenFromPlace") continue;
        const QString text = button->text();
        const auto amp = text.indexOf('&');
        ASSERT_TRUE(amp >= 0 && amp + 1 < text.size()) << button->objectName().toStdString() << " has no Alt+letter";
        const QChar letter = text.at(amp + 1).toLower();
        EXPECT_FALSE(letters.count(letter)) << button->objectName().toStdString() << " and "
                                            << letters[letter].toStdString() << " share Alt+" << letter.toLatin1();
        letters[letter] = button->objectName();
    }
    for (QWidget* w : Focusable(top)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString() << " has no name";
    }
}

}  // namespace

TEST_F(WindowTest, MainWindowKeyboardAndNames) {
    // With eclipse data on show, so that the saros series command is checked too.
    Find<QComboBox>("cboTarget")->setCurrentIndex(8);  // "Total lunar eclipse"
    Find<QPushButton>("cmdSearch")->click();
    ASSERT_TRUE(Find<QPushButton>("cmdSarosSeries")->isVisible());
    ExpectWholeChain(window.get(), Find<QWidget>("txbDate"),
                     {"txbDate", "cmdClearDate", "cmdCompute", "optPlus", "optMinus", "txbPlusMinus", "cmdReset",
                      "cmdMove", "optMoveDirection_0", "optMoveDirection_1", "cboMoveStep", "chkRepeatedly",
                      "cmdSearch", "optNext", "optPrevious", "cboTarget", "chkSeenFromPlace", "cmdDisplayCalendar",
                      "cboMonthCalendar",
                      "cboHistory", "chkLog", "cmdLogThisResult", "cmdViewLog", "cmdLogPreferences", "cmdSaveState",
                      "cmdHelp", "cmdQuit", "cmdNow", "cboTimeZone", "optLocal", "optGreenwich", "cboPlace",
                      "cmdSarosSeries"});
    ExpectMnemonicsAndNames(window.get());
    // The value labels are read with their titles, and anew when they change.
    Compute("2000-01-01 CE");
    QAccessibleInterface* date = QAccessible::queryAccessibleInterface(Find<QWidget>("lblArchetypesDate_1"));
    EXPECT_EQ(date->text(QAccessible::Name), "Archetypes Calendar: 4696-11-25 ARC (Mars Day, Dionysus 25,  4696)");
    Compute("2000-01-02 CE");
    EXPECT_TRUE(date->text(QAccessible::Name).startsWith("Archetypes Calendar: 4696-11-26 ARC"));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Find<QWidget>("lblTime_1"))->text(QAccessible::Name).startsWith("Time: "));
}

TEST_F(WindowTest, SecondaryWindowsKeyboardAndNames) {
    Find<QPushButton>("cmdLogPreferences")->click();
    auto* preferences = window->findChild<QWidget*>("frmLogPreferences");
    ASSERT_NE(preferences, nullptr);
    ExpectWholeChain(preferences, preferences->findChild<QWidget*>("cmdClose"), {});
    ExpectMnemonicsAndNames(preferences);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(preferences, &escape);
    EXPECT_FALSE(preferences->isVisible());

    Find<QCheckBox>("chkLog")->click();
    Compute("2012-12-21 CE");
    Find<QPushButton>("cmdViewLog")->click();
    auto* log = window->findChild<frmLog*>("frmLog");
    ASSERT_NE(log, nullptr);
    // Each activation of the log window puts the focus on Close.
    ExpectWholeChain(log, log->findChild<QWidget*>("cmdClose"), {"cmdClose", "txbText", "cmdCopyToClipboard", "cmdClear"});
    ExpectMnemonicsAndNames(log);
    QApplication::sendEvent(log, &escape);
    EXPECT_FALSE(log->isVisible());

    Find<QPushButton>("cmdDisplayCalendar")->click();
    auto* lunation = window->findChild<QWidget*>("frmCalendar");
    ASSERT_NE(lunation, nullptr);
    ExpectWholeChain(lunation, lunation->findChild<QWidget*>("cmdShowPreviousOrNext_0"), {});
    ExpectMnemonicsAndNames(lunation);
    QApplication::sendEvent(lunation, &escape);
    EXPECT_FALSE(lunation->isVisible());
}
