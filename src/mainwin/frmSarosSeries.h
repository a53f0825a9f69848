// The saros series window: every eclipse of one series in the accepted range, with the shown
// eclipse selected; choosing a member shows it in the main window.
#pragma once
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <vector>

#include "astro/Listings.h"
#include "core/TimeFrame.h"

class frmSarosSeries : public QWidget {
    Q_OBJECT
public:
    explicit frmSarosSeries(QWidget* parent = nullptr);

    // Lists series `saros` of one kind (solar or lunar) in the frame, the member of `lunation`
    // selected.
    void ShowSeries(int32_t saros, bool solar, int32_t lunation, const TimeFrame& frame);
    const std::vector<Listings::EclipseRow>& Members() const { return members_; }

signals:
    // A member was chosen (double click, Enter or Show).
    void chosen(const Listings::EclipseRow& member);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChooseSelected();

    QTableWidget* tblMembers;
    QPushButton *cmdShow, *cmdClose;
    std::vector<Listings::EclipseRow> members_;
};
