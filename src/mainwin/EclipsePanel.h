// The eclipse data on show, with the Saros series command beside them (and in their context
// menu) and the saros window it opens; a member chosen there is reported for the main window
// to show.
#pragma once
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <memory>
#include <optional>

#include "astro/Listings.h"
#include "core/shown/ShownMoment.h"
#include "gui_support/DialogService.h"

class frmSarosSeries;

class EclipsePanel : public QObject {
    Q_OBJECT
public:
    EclipsePanel(QLabel* data, QPushButton* sarosCommand, QWidget* mainWindow, std::shared_ptr<DialogService> dialogs);

    // The eclipse on show (none: no data) and its data as shown; the saros command is offered
    // for an eclipse the program knows.
    void Show(const std::optional<EclipseOnShow>& eclipse, const std::string& text, const TimeFrame& frame);

signals:
    void memberChosen(const Listings::EclipseRow& member);

private:
    void ShowSeries();
    void ContextMenu(const QPoint& position);

    QLabel* data_;
    QPushButton* sarosCommand_;
    QWidget* mainWindow_;
    std::shared_ptr<DialogService> dialogs_;
    QPointer<frmSarosSeries> saros_;
    std::optional<EclipseOnShow> eclipse_;
    TimeFrame frame_;
};
