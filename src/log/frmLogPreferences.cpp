#include "log/frmLogPreferences.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {
struct Box {
    LogPreferences::Item item;
    const char* name;
    const char* caption;
};
// In the window's order; QLW stands after DVG as in the date frame. Each caption carries its
// own Alt+letter.
constexpr Box kBoxes[] = {
    {LogPreferences::CE, "chkIncludeCE", "&CE (Common Era Calendar)"},
    {LogPreferences::JC, "chkIncludeJC", "&JC (Julian Calendar)"},
    {LogPreferences::ARC, "chkIncludeARC", "&ARC (Archetypes Calendar)"},
    {LogPreferences::VO, "chkIncludeVO", "&VO (Varnel-Ostrik Solilunar Calendar)"},
    {LogPreferences::LLT, "chkIncludeLLT", "&LLT (Lunar Liberalia Triday Calendar)"},
    {LogPreferences::DVG, "chkIncludeDVG", "&DVG (Dunhale-Varnel Goddess Calendar)"},
    {LogPreferences::QLW, "chkIncludeQLWC", "&QLW (Quillon Lunar Week Calendar)"},
    {LogPreferences::CJD, "chkIncludeCJD", "CJD (C&hronological Julian Date)"},
    {LogPreferences::AJD, "chkIncludeAJD", "AJD (Astro&nomical Julian Date)"},
    {LogPreferences::PhaseOfMoon, "chkIncludePhaseOfMoonAndIllumination", "&Phase of Moon and illumination"},
    {LogPreferences::LunationAndAge, "chkIncludeLunationAndAgeOfMoon", "Lunation and a&ge of Moon"},
};
}  // namespace

frmLogPreferences::frmLogPreferences(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmLogPreferences");
    setWindowTitle("Log preferences");
    auto* format = new QGroupBox("Format of calendar items", this);
    format->setObjectName("fraLogFormat");
    optLogFormat = {new QRadioButton("calendar=da&te", format), new QRadioButton("date calenda&r,", format)};
    auto* formatRow = new QHBoxLayout(format);
    for (size_t i = 0; i < optLogFormat.size(); ++i) {
        optLogFormat[i]->setObjectName(QString("optLogFormat_%1").arg(i));
        formatRow->addWidget(optLogFormat[i]);
        connect(optLogFormat[i], &QRadioButton::clicked, this, [this] { emit changed(Preferences()); });
    }
    auto* include = new QGroupBox("Include in each entry", this);
    include->setObjectName("fraInclude");
    auto* boxes = new QVBoxLayout(include);
    for (const Box& box : kBoxes) {
        auto* check = new QCheckBox(box.caption, include);
        check->setObjectName(box.name);
        QFont bold = check->font();
        bold.setBold(true);
        check->setFont(bold);
        include_[box.item] = check;
        boxes->addWidget(check);
        connect(check, &QCheckBox::clicked, this, [this] { emit changed(Preferences()); });
    }
    cmdSetALL = new QPushButton("&Set all", this);
    cmdSetALL->setObjectName("cmdSetALL");
    cmdClearAll = new QPushButton("Cl&ear all", this);
    cmdClearAll->setObjectName("cmdClearAll");
    cmdClose = new QPushButton("Cl&ose", this);
    cmdClose->setObjectName("cmdClose");
    const auto setAll = [this](bool ticked) {
        for (QCheckBox* check : include_) check->setChecked(ticked);
        emit changed(Preferences());
    };
    connect(cmdSetALL, &QPushButton::clicked, this, [setAll] { setAll(true); });
    connect(cmdClearAll, &QPushButton::clicked, this, [setAll] { setAll(false); });
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        hide();
        emit closed();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSetALL);
    buttons->addWidget(cmdClearAll);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(format);
    layout->addWidget(include);
    layout->addLayout(buttons);
    SetPreferences(LogPreferences{});
}

LogPreferences frmLogPreferences::Preferences() const {
    LogPreferences preferences;
    preferences.calendarEqualsDate = optLogFormat[0]->isChecked();
    for (size_t i = 0; i < include_.size(); ++i) preferences.include[i] = include_[i]->isChecked();
    return preferences;
}

void frmLogPreferences::SetPreferences(const LogPreferences& preferences) {
    (preferences.calendarEqualsDate ? optLogFormat[0] : optLogFormat[1])->setChecked(true);
    for (size_t i = 0; i < include_.size(); ++i) include_[i]->setChecked(preferences.include[i]);
}

void frmLogPreferences::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    cmdClose->setFocus();
}

void frmLogPreferences::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdClose->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
