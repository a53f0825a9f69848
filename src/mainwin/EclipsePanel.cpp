#include "mainwin/EclipsePanel.h"

#include <QMenu>

#include "mainwin/frmSarosSeries.h"

EclipsePanel::EclipsePanel(QLabel* data, QPushButton* sarosCommand, QWidget* mainWindow,
                           std::shared_ptr<DialogService> dialogs)
    : QObject(mainWindow), data_(data), sarosCommand_(sarosCommand), mainWindow_(mainWindow), dialogs_(std::move(dialogs)) {
    connect(sarosCommand_, &QPushButton::clicked, this, &EclipsePanel::ShowSeries);
    connect(data_, &QLabel::customContextMenuRequested, this, &EclipsePanel::ContextMenu);
}

void EclipsePanel::Show(const std::optional<EclipseOnShow>& eclipse, const std::string& text, const TimeFrame& frame) {
    eclipse_ = eclipse;
    frame_ = frame;
    const QString shown = QString::fromStdString(text);
    if (data_->text() != shown) data_->setText(shown);
    sarosCommand_->setVisible(eclipse && eclipse->Known());
}

void EclipsePanel::ShowSeries() {
    if (!eclipse_ || !eclipse_->Known()) {
        dialogs_->Show(mainWindow_, DialogService::Icon::Information, "Saros series",
                       "No eclipse is on show: search for one first.");
        return;
    }
    if (!saros_) {
        saros_ = new frmSarosSeries(mainWindow_);
        saros_->setWindowIcon(mainWindow_->windowIcon());
        connect(saros_, &frmSarosSeries::chosen, this, &EclipsePanel::memberChosen);
    }
    saros_->ShowSeries(eclipse_->record.saros, eclipse_->phase == 0, eclipse_->lunation, frame_);
}

void EclipsePanel::ContextMenu(const QPoint& position) {
    if (!eclipse_ || !eclipse_->Known()) return;
    QMenu menu(mainWindow_);
    menu.addAction("Saros series\u2026", this, &EclipsePanel::ShowSeries);
    menu.exec(data_->mapToGlobal(position));
}
