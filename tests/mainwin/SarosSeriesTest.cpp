// The saros series of the eclipse on show: the command appears with eclipse data, its window
// lists the series with the shown eclipse selected, and a chosen member is shown as a search
// would show it.
#include <QComboBox>
#include <QTableWidget>

#include "WindowFixture.h"
#include "log/frmLog.h"
#include "mainwin/frmSarosSeries.h"

TEST_F(WindowTest, SarosSeriesOfTheEclipseOnShow) {
    auto* saros = Find<QPushButton>("cmdSarosSeries");
    EXPECT_FALSE(saros->isVisible());
    Find<QCheckBox>("chkLog")->click();
    Compute("2000-01-01 CE");
    Find<QComboBox>("cboTarget")->setCurrentIndex(8);  // "Total lunar eclipse": 2000-01-21
    Find<QPushButton>("cmdSearch")->click();
    ASSERT_TRUE(saros->isVisible());
    saros->click();
    auto* series = window->findChild<frmSarosSeries*>("frmSarosSeries");
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->windowTitle(), "Saros series 124 (lunar eclipses)");
    auto* table = series->findChild<QTableWidget*>("tblMembers");
    const int shown = table->currentRow();
    ASSERT_GE(shown, 1);
    EXPECT_EQ(series->Members()[static_cast<size_t>(shown)].lunation, 0);
    for (size_t i = 1; i < series->Members().size(); ++i)
        EXPECT_EQ(series->Members()[i].lunation - series->Members()[i - 1].lunation, 223);

    // The member before: one saros (6585 days) earlier.
    table->selectRow(shown - 1);
    series->findChild<QPushButton*>("cmdShow")->click();
    const auto& member = series->Members()[static_cast<size_t>(shown - 1)];
    EXPECT_DOUBLE_EQ(window->OnShow().ajd, member.jdUtGreatest);
    EXPECT_TRUE(Text("lblActualEclipseData").contains(QString("Lunation number = %1").arg(member.lunation)));
    EXPECT_EQ(Find<QComboBox>("cboHistory")->currentData().toInt(), member.type);
    const QString log = window->findChild<frmLog*>("frmLog")->LogText();
    EXPECT_TRUE(log.contains("Selection from saros series\r\n")) << log.toStdString();
    EXPECT_TRUE(log.contains("saros number = 124"));

    // Without eclipse data the command goes away.
    Compute("2005-05-05 CE");
    EXPECT_FALSE(saros->isVisible());
}
