#include "mainwin/frmSarosSeries.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <cmath>

#include "astro/Syzyg.h"
#include "core/DateDisplay.h"
#include "support/StrProc.h"

namespace {
QString Duration(double halfMinutes) {
    return halfMinutes > 0 ? QString::fromStdString(StrProc::DurationText(std::lround(2 * halfMinutes), false))
                           : QString();
}

QString When(double ajd, const TimeFrame& frame) { return QString::fromStdString(CommonEraMomentText(ajd, frame)); }
}  // namespace

frmSarosSeries::frmSarosSeries(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmSarosSeries");
    tblMembers = new QTableWidget(0, 6, this);
    tblMembers->setObjectName("tblMembers");
    tblMembers->setAccessibleName("Members of the saros series");
    tblMembers->setHorizontalHeaderLabels({"Member", "Greatest eclipse", "Type", "Penumbral", "Umbral", "Total"});
    tblMembers->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMembers->setSelectionMode(QAbstractItemView::SingleSelection);
    tblMembers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMembers->verticalHeader()->hide();
    tblMembers->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    cmdShow = new QPushButton("&Show this eclipse", this);
    cmdShow->setObjectName("cmdShow");
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdShow, &QPushButton::clicked, this, &frmSarosSeries::ChooseSelected);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(tblMembers, &QTableWidget::cellDoubleClicked, this, [this] { ChooseSelected(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdShow);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tblMembers, 1);
    layout->addLayout(buttons);
    resize(720, 480);
}

void frmSarosSeries::ShowSeries(int32_t saros, bool solar, int32_t lunation, const TimeFrame& frame) {
    members_.clear();
    for (const Listings::EclipseRow& row : Listings::ListSarosSeries(saros))
        if ((row.phase == 0) == solar) members_.push_back(row);
    setWindowTitle(QString("Saros series %1 (%2 eclipses)").arg(saros).arg(solar ? "solar" : "lunar"));
    tblMembers->setRowCount(static_cast<int>(members_.size()));
    int selected = 0;
    for (size_t i = 0; i < members_.size(); ++i) {
        const Listings::EclipseRow& row = members_[i];
        const QStringList cells = {QString::number(i + 1), When(row.jdUtGreatest, frame),
                                   QString::fromStdString(Syzyg::EclipseTypeText(row.type)), Duration(row.halfPenumbral),
                                   Duration(row.halfUmbral), Duration(row.halfTotal)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            // An empty duration is read as what it means: the eclipse has no such phase.
            if (cells[c].isEmpty()) item->setData(Qt::AccessibleTextRole, QStringLiteral("none"));
            tblMembers->setItem(static_cast<int>(i), c, item);
        }
        if (row.lunation == lunation) selected = static_cast<int>(i);
    }
    if (!members_.empty()) {
        tblMembers->selectRow(selected);
        tblMembers->scrollToItem(tblMembers->item(selected, 0), QAbstractItemView::PositionAtCenter);
    }
    show();
    raise();
    activateWindow();
    tblMembers->setFocus();
}

void frmSarosSeries::ChooseSelected() {
    const int row = tblMembers->currentRow();
    if (row >= 0 && row < static_cast<int>(members_.size())) emit chosen(members_[static_cast<size_t>(row)]);
}

void frmSarosSeries::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ChooseSelected();
        return;
    }
    QWidget::keyPressEvent(event);
}
