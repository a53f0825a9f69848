// The lunation window: one lunation as a calendar page in the lunar calendar chosen in the main
// window, paged back and forth one lunation at a time.
#pragma once
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "core/lunation/LunationPage.h"
#include "lunation_calendar/LunationPainter.h"
#include "gui_support/DialogService.h"

class QComboBox;
class QPrinter;
class LunationDayCells;

// What the window takes from the main window and its surroundings.
struct LunationWindowServices {
    std::shared_ptr<DialogService> dialogs;
    // Today's day number (the computer's clock, a fixed day in tests).
    std::function<int32_t()> today;
    // Folder of the pictures day1.gif .. day32.gif.
    QString pictureFolder;
    // The name of a file to write, or the empty text when the user cancels: the desktop's file
    // dialog when unset (tests answer it).
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter)>
        saveFileName;
    // The print dialog for the printer, offering sheets 1 to `sheets`; false when the user
    // cancels. The desktop's print dialog when unset.
    std::function<bool(QWidget* parent, QPrinter& printer, int sheets)> choosePrinter;
};

class frmCalendar : public QWidget {
    Q_OBJECT
public:
    // mainWindow gives the background, the icon and the window's place; calendarList is the
    // main window's list of lunar calendars, read anew at every drawing.
    frmCalendar(QWidget* mainWindow, QComboBox* calendarList, LunationWindowServices services);
    ~frmCalendar() override;

    // --- state ---
    int32_t lngJDN1stOfMonth = 0;   // day number of the page's first day
    int32_t lngLunationNumber = 0;  // the lunation shown
    bool blnFormLoaded = false;     // the pictures have been loaded

    // Opens the page of the lunation holding the moment ajd, in the time frame given by its
    // offset from Greenwich (0 for Greenwich time), and shows the window.
    void Open(double ajd, int offsetMinutes);
    // Element 0 previous, element 1 next.
    void ShowPreviousOrNext(int index);
    void DrawLunationPage();
    // The page on show and the ones after it, spnPages in all (fewer at the last lunation):
    // printed, written into a PDF file, or the span of a calendar file.
    void PrintPages();
    void ExportPdf();
    void ExportCalendar();
    std::vector<LunationPage::Page> PagesFromThisOne() const;

    LunationWindowServices& Services() { return services_; }
    const LunationPage::Page& Page() const { return page_; }
    // The calendar of the page: the main window's list entry as a calendar-table index.
    int Calendar() const;

    // --- controls ---
    QLabel *lblTitle, *lblYearAndMonth;
    std::array<QPushButton*, 2> cmdShowPreviousOrNext;
    QPushButton* cmdClose;
    QLabel* lblPages;
    QSpinBox* spnPages;  // the pages to print or export: a lunar year by default
    QPushButton *cmdPrint, *cmdExportPdf, *cmdExportCalendar;
    QPointer<QLabel> loadingNotice;  // "Now loading images ..." until the first page is drawn

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Activate();
    void LayOut();
    void Place();
    void SetStart(int32_t lunation);

    QWidget* mainWindow_;
    QComboBox* calendarList_;
    LunationWindowServices services_;
    int offsetMinutes_ = 0;
    LunationPage::Page page_;
    LunationPainter::DayPictures pictures_;
    std::unique_ptr<LunationDayCells> cells_;  // its labels are the window's children
    QWidget* pagesBox_;
};
