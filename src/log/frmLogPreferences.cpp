#include "log/frmLogPreferences.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "calendars/registry/CalendarRegistry.h"

namespace {
QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QCheckBox* BoldBox(const QString& caption, const QString& name, QWidget* parent) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    QFont bold = check->font();
    bold.setBold(true);
    check->setFont(bold);
    return check;
}
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
    // The calendars in the date frame's order, each caption with its own Alt+letter, then the Moon.
    for (const CalendarDescriptor* calendar : CalendarRegistry::DisplayOrder()) {
        QCheckBox* check = BoldBox(Text(calendar->logCaption), Text(calendar->logCheckBox), include);
        calendarBoxes_.emplace_back(calendar->index, check);
        allBoxes_.push_back(check);
    }
    chkIncludePhaseOfMoonAndIllumination =
        BoldBox("&Phase of Moon and illumination", "chkIncludePhaseOfMoonAndIllumination", include);
    chkIncludeLunationAndAgeOfMoon = BoldBox("Lunation and a&ge of Moon", "chkIncludeLunationAndAgeOfMoon", include);
    allBoxes_.push_back(chkIncludePhaseOfMoonAndIllumination);
    allBoxes_.push_back(chkIncludeLunationAndAgeOfMoon);
    for (QCheckBox* check : allBoxes_) {
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
        for (QCheckBox* check : allBoxes_) check->setChecked(ticked);
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
    for (const auto& [calendar, check] : calendarBoxes_) preferences.SetIncluded(calendar, check->isChecked());
    preferences.phaseOfMoon = chkIncludePhaseOfMoonAndIllumination->isChecked();
    preferences.lunationAndAge = chkIncludeLunationAndAgeOfMoon->isChecked();
    return preferences;
}

void frmLogPreferences::SetPreferences(const LogPreferences& preferences) {
    (preferences.calendarEqualsDate ? optLogFormat[0] : optLogFormat[1])->setChecked(true);
    for (const auto& [calendar, check] : calendarBoxes_) check->setChecked(preferences.Includes(calendar));
    chkIncludePhaseOfMoonAndIllumination->setChecked(preferences.phaseOfMoon);
    chkIncludeLunationAndAgeOfMoon->setChecked(preferences.lunationAndAge);
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
