#include <QPixmap>
#include <random>

#include "WindowFixture.h"

TEST_F(WindowTest, ComputeUpdatesTheMoon) {
    Compute("2024-01-11 CE 12:00");  // one day after the new moon
    const QString darkPhase = Text("lblPhaseOfMoon_1"), darkAge = Text("lblAgeOfMoon_1");
    EXPECT_TRUE(darkPhase.startsWith("Dark moon") || darkPhase.startsWith("Crescent moon")) << darkPhase.toStdString();
    EXPECT_TRUE(darkAge.startsWith("[297] 0 days")) << darkAge.toStdString();
    const QImage before = Find<QLabel>("picMoon")->pixmap().toImage();

    // Full moon, the Moon a little off the ecliptic: 99.8 % lit, still called full.
    Compute("2024-01-25 CE 17:54");
    EXPECT_TRUE(Text("lblPhaseOfMoon_1").startsWith("Full moon")) << Text("lblPhaseOfMoon_1").toStdString();
    EXPECT_TRUE(Text("lblAgeOfMoon_1").startsWith("[297] 14 days, "));
    const QImage after = Find<QLabel>("picMoon")->pixmap().toImage();
    ASSERT_EQ(after.size(), QSize(90, 90));
    EXPECT_NE(before, after);
    // The centre of a full moon is lit, whatever the picture files hold.
    const QColor centre = after.pixelColor(44, 45);
    EXPECT_GT(centre.red() + centre.green() + centre.blue(), 3 * 60);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(WindowTest, RandomAndHostileEntriesNeverMoveTheMomentWhenRefused) {
    std::mt19937 random(20261208);
    const std::string alphabet = "0123456789-:,. /()CEJARVOLTDGQWcejarvoltdgqw\t+x";
    const std::vector<std::string> pieces = {"CE", "JC", "ARC", "VO", "LLT", "DVG", "CJD", "AJD", "QLW", "12:00",
                                             "-", "2003-12-31", "5001-01-3-3", "(", ":", "99999999999"};
    Compute("2000-01-01 CE");
    for (int i = 0; i < 600; ++i) {
        std::string entry;
        const int length = static_cast<int>(random() % 40);
        for (int k = 0; k < length; ++k)
            entry += random() % 3 ? std::string(1, alphabet[random() % alphabet.size()]) : pieces[random() % pieces.size()];
        const double moment = window->OnShow().ajd;
        const int calendar = window->OnShow().entryCalendar;
        const size_t messages = dialogs->messages.size();
        Compute(QString::fromStdString(entry), random() % 4 ? QString() : QString::fromStdString(pieces[random() % 4]));
        if (dialogs->messages.size() > messages) {
            EXPECT_EQ(window->OnShow().ajd, moment) << entry;
            EXPECT_EQ(window->OnShow().entryCalendar, calendar) << entry;
        } else {
            EXPECT_GE(window->OnShow().ajd, 552283.0) << entry;
            EXPECT_LE(window->OnShow().ajd, 3912515.0) << entry;
        }
    }
}
