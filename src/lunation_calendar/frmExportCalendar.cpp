#include "lunation_calendar/frmExportCalendar.h"

#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/SafeFile.h"
#include "calendars/registry/CalendarRegistry.h"
#include "core/ics/IcsRequest.h"
#include "core/ics/IcsText.h"
#include "support/Version.h"

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString CommonEraEntry(int32_t dayNumber) {
    return QString::fromStdString(CalendarRegistry::Calendar(CalendarTable::CE).labelOfDay(dayNumber).shortText);
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

frmExportCalendar::frmExportCalendar(QWidget* parent, ExportCalendarServices services)
    : QDialog(parent), services_(std::move(services)) {
    setObjectName("frmExportCalendar");
    setWindowTitle("Export calendar");
    cboCalendar = new QComboBox(this);
    cboCalendar->setObjectName("cboCalendar");
    for (const CalendarDescriptor* calendar : CalendarRegistry::LunationPageCalendars())
        cboCalendar->addItem(Text(calendar->lunationPage->listText), calendar->index);
    txbFrom = new QLineEdit(this);
    txbFrom->setObjectName("txbFrom");
    txbTo = new QLineEdit(this);
    txbTo->setObjectName("txbTo");
    chkPhases = new QCheckBox("Principal &phases of the Moon", this);
    chkPhases->setObjectName("chkPhases");
    chkPhases->setChecked(true);
    chkEclipses = new QCheckBox("&Eclipses", this);
    chkEclipses->setObjectName("chkEclipses");
    chkEclipses->setChecked(true);
    txbFile = new QLineEdit(this);
    txbFile->setObjectName("txbFile");
    txbFile->setMinimumWidth(txbFile->fontMetrics().horizontalAdvance(QString(32, QChar('x'))));
    cmdBrowse = new QPushButton("&Browse\u2026", this);
    cmdBrowse->setObjectName("cmdBrowse");
    cmdBrowse->setAccessibleDescription("Chooses the file to write");
    cmdExport = new QPushButton("E&xport", this);
    cmdExport->setObjectName("cmdExport");
    cmdExport->setDefault(true);
    cmdCancel = new QPushButton("Ca&ncel", this);
    cmdCancel->setObjectName("cmdCancel");
    // The entries' own names: the labels say what they hold, the descriptions how to fill them.
    txbFrom->setAccessibleName("From");
    txbFrom->setAccessibleDescription("The first month's first day lies on this day or after it");
    txbTo->setAccessibleName("To");
    txbTo->setAccessibleDescription("The last month's first day lies on this day or before it");
    txbFile->setAccessibleName("File");
    cboCalendar->setAccessibleName("Calendar");

    auto* form = new QFormLayout;
    form->addRow(Label("&Calendar:", cboCalendar, this), cboCalendar);
    form->addRow(Label("&From:", txbFrom, this), txbFrom);
    form->addRow(Label("&To:", txbTo, this), txbTo);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txbFile, 1);
    fileRow->addWidget(cmdBrowse);
    form->addRow(Label("F&ile:", txbFile, this), fileRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(chkPhases);
    layout->addWidget(chkEclipses);
    layout->addLayout(buttons);
    setTabOrder(chkPhases, chkEclipses);
    setTabOrder(chkEclipses, txbFile);
    setTabOrder(txbFile, cmdBrowse);
    setTabOrder(cmdBrowse, cmdExport);
    setTabOrder(cmdExport, cmdCancel);
    setTabOrder(txbTo, chkPhases);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmExportCalendar::Browse);
    connect(cmdExport, &QPushButton::clicked, this, [this] {
        if (Export()) accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmExportCalendar::Prefill(int calendar, int32_t firstDay, int32_t lastDay, int offsetMinutes) {
    const int row = cboCalendar->findData(calendar);
    if (row >= 0) cboCalendar->setCurrentIndex(row);
    txbFrom->setText(CommonEraEntry(firstDay));
    txbTo->setText(CommonEraEntry(lastDay));
    offsetMinutes_ = offsetMinutes;
}

int frmExportCalendar::ChosenCalendar() const { return cboCalendar->currentData().toInt(); }

void frmExportCalendar::Browse() {
    const QString code = Text(CalendarRegistry::Calendar(ChosenCalendar()).code).toLower();
    const QString suggested = txbFile->text().isEmpty() ? code + "-months.ics" : txbFile->text();
    if (!services_.saveFileName) return;
    const QString file = services_.saveFileName(this, "Export calendar", suggested, "Calendar files (*.ics)");
    if (!file.isEmpty()) txbFile->setText(file);
}

void frmExportCalendar::Tell(DialogService::Icon icon, const QString& text) {
    if (services_.dialogs) services_.dialogs->Show(this, icon, "Export calendar", text);
}

bool frmExportCalendar::Export() {
    TimeFrame frame;
    frame.zoneOffsetMinutes = offsetMinutes_;
    Ics::RequestResult asked = Ics::RequestOf(ChosenCalendar(), txbFrom->text().trimmed().toStdString(),
                                              txbTo->text().trimmed().toStdString(), frame, chkPhases->isChecked(),
                                              chkEclipses->isChecked());
    if (!asked.error.empty()) {
        Tell(DialogService::Icon::Warning, QString::fromStdString(asked.error));
        return false;
    }
    if (txbFile->text().trimmed().isEmpty()) Browse();
    const QString file = txbFile->text().trimmed();
    if (file.isEmpty()) return false;
    asked.request.stampJulianDate = Ics::JulianDateOfUnixSeconds(QDateTime::currentSecsSinceEpoch());
    asked.request.product = std::string("Selvanor ") + SELVANOR_VERSION;
    const Ics::CalendarFile written = Ics::WriteCalendar(asked.request);
    const std::string failure = SafeFile::WriteAtomically(file.toStdString(), written.text);
    if (!failure.empty()) {
        Tell(DialogService::Icon::Warning, "Cannot write " + file + ": " + QString::fromStdString(failure));
        return false;
    }
    Tell(DialogService::Icon::Information, QStringLiteral("Wrote %1 months, %2 phases and %3 eclipses to %4.")
                                               .arg(written.months)
                                               .arg(written.phases)
                                               .arg(written.eclipses)
                                               .arg(file));
    return true;
}
