// A tenth notation, registered by this file alone, reaches every place that lists notations:
// the window's date rows, the log preferences and a log entry, convert and --include, the step
// list and the entry errors.
#include <cctype>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "calendars/registry/CalendarRegistry.h"
#include "cli/Cli.h"
#include "core/MoveOnce.h"
#include "dates/ClockService.h"
#include "gui_support/DialogService.h"
#include "log/frmLog.h"
#include "mainwin/frmMain.h"

namespace {

// Weeks and days since day number 0: "350220-6 TOY" is 2000-01-01.
constexpr int kRefusal = 40;

int ReadDate(const std::string& text, int32_t& jdn) {
    long long week = 0, day = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%lld-%lld%c", &week, &day, &tail) != 2 || day < 1 || day > 7) return kRefusal;
    jdn = static_cast<int32_t>(week * 7 + day - 1);
    return 0;
}

DateLabel LabelOfDay(int32_t jdn) {
    const std::string text = std::to_string(jdn / 7) + "-" + std::to_string(jdn % 7 + 1) + " TOY";
    return {text, text + " (a toy date)", "Weeks and days since day 0", {{"week", jdn / 7}, {"day", jdn % 7 + 1}}};
}

std::optional<int32_t> StepWeek(int32_t jdn, bool forward) { return jdn + (forward ? 7 : -7); }

constexpr CalendarStep kSteps[] = {{"week", &StepWeek}};
constexpr CalendarRefusal kRefusals[] = {{kRefusal, "Invalid TOY date.  TOY dates must be in the form: week-day"}};

CalendarDescriptor& Toy() {
    static CalendarDescriptor toy = [] {
        CalendarDescriptor d;
        d.code = "TOY";
        d.name = "toy week date";
        d.title = "Toy weeks:";
        d.labelName = "lblToyDate";
        d.displayRank = 75;
        d.listRank = 70;
        d.readDate = &ReadDate;
        d.labelOfDay = &LabelOfDay;
        d.steps = kSteps;
        d.refusals = kRefusals;
        d.logCaption = "TOY (toy weeks)";
        d.logCheckBox = "chkIncludeTOY";
        d.entryExample = "350220-6 TOY";
        return d;
    }();
    return toy;
}

std::string Cli(std::vector<std::string> args, int& status) {
    std::istringstream in;
    std::ostringstream out, err;
    status = Cli::Run(args, in, out, err);
    return out.str() + err.str();
}

TEST(ToyNotation, EveryListOfNotationsHasIt) {
    ASSERT_EQ(CalendarRegistry::Register(Toy()), CalendarTable::kBuiltInCount);

    auto dialogs = std::make_shared<RecordingDialogService>();
    const QTemporaryDir state;
    frmMain window({std::make_shared<FixedClock>("2000-01-01", "12:00:00", 0), dialogs, state.path(), QString()});
    window.Form_Load();
    ASSERT_NE(window.findChild<QLabel*>("lblToyDate_1"), nullptr);
    EXPECT_EQ(window.findChild<QLabel*>("lblToyDate_1")->text(), "350220-6 TOY (a toy date)");
    EXPECT_EQ(window.findChild<QLabel*>("lblToyDate_0")->text(), "Toy weeks:");

    window.findChild<QCheckBox*>("chkLog")->click();
    window.findChild<QLineEdit*>("txbDate")->setText("350221-1 toy 06:00");
    window.findChild<QPushButton*>("cmdCompute")->click();
    EXPECT_EQ(window.findChild<QLineEdit*>("txbDate")->text(), "350221-1 TOY 06:00");  // 2000-01-03
    window.findChild<QPushButton*>("cmdLogPreferences")->click();
    ASSERT_NE(window.findChild<QCheckBox*>("chkIncludeTOY"), nullptr);
    window.findChild<QLineEdit*>("txbDate")->setText("2000-01-03 CE");
    window.findChild<QPushButton*>("cmdCompute")->click();
    EXPECT_TRUE(window.findChild<frmLog*>("frmLog")->LogText().contains("TOY=350221-1  ")) << "the log entry";

    QComboBox* steps = window.findChild<QComboBox*>("cboMoveStep");
    ASSERT_GE(steps->findText("1 TOY week"), 0);
    EXPECT_EQ(steps->findText("1 TOY week"), static_cast<int>(MoveSteps::Steps().size()) - 1);  // after the others
    steps->setCurrentIndex(steps->findText("1 TOY week"));
    window.findChild<QPushButton*>("cmdMove")->click();
    EXPECT_EQ(window.findChild<QLineEdit*>("txbDate")->text(), "350222-1 TOY 12:00");

    window.findChild<QLineEdit*>("txbDate")->setText("5-9 TOY");
    window.findChild<QPushButton*>("cmdCompute")->click();
    EXPECT_EQ(dialogs->messages.back().text, "Invalid TOY date.  TOY dates must be in the form: week-day");
    window.hide();

    int status = -1;
    const std::string converted = Cli({"convert", "350220-6 TOY"}, status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(converted.find("Common Era: 2000-01-01 CE"), std::string::npos) << converted;
    EXPECT_NE(converted.find("Toy weeks: 350220-6 TOY (a toy date)"), std::string::npos) << converted;
    const std::string logged = Cli({"convert", "--log", "--include", "toy,ce", "2000-01-01 CE"}, status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(logged.find("TOY=350220-6"), std::string::npos) << logged;
    EXPECT_NE(Cli({"--help"}, status).find("350220-6 TOY"), std::string::npos) << "the entry examples";
    // The step list of the move command's help, with its wrapping undone.
    std::string moveHelp;
    for (const char c : Cli({"help", "move"}, status))
        if (!std::isspace(static_cast<unsigned char>(c)) || (!moveHelp.empty() && moveHelp.back() != ' '))
            moveHelp += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
    EXPECT_NE(moveHelp.find("\"1 TOY week\""), std::string::npos) << moveHelp;
}

}  // namespace
