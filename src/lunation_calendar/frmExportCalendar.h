// "Export calendar...": a calendar file (iCalendar) of a lunar calendar's months over a span,
// with the principal phases and the eclipses if chosen, for the user's calendar program.
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "gui_support/DialogService.h"

struct ExportCalendarServices {
    std::shared_ptr<DialogService> dialogs;
    // The name of the file to write, or the empty text when the user cancels.
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter)>
        saveFileName;
};

class frmExportCalendar : public QDialog {
    Q_OBJECT
public:
    frmExportCalendar(QWidget* parent, ExportCalendarServices services);

    // The calendar (a calendar-table index) and the span (day numbers of the first and last
    // day) offered first; entries are read in the time frame offsetMinutes east of Greenwich.
    void Prefill(int calendar, int32_t firstDay, int32_t lastDay, int offsetMinutes);
    // Writes the file; false (with the reason shown) when an entry is refused or the file
    // cannot be written.
    bool Export();

    QComboBox* cboCalendar;
    QLineEdit *txbFrom, *txbTo, *txbFile;
    QCheckBox *chkPhases, *chkEclipses;
    QPushButton *cmdBrowse, *cmdExport, *cmdCancel;

private:
    void Browse();
    void Tell(DialogService::Icon icon, const QString& text);
    int ChosenCalendar() const;  // the chosen calendar's index in the calendar table

    ExportCalendarServices services_;
    int offsetMinutes_ = 0;
};
