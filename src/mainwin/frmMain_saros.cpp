// The saros series of the eclipse on show: its window, and a member chosen there shown as a
// search would show it.
#include <QMenu>

#include "astro/Syzyg.h"
#include "core/search/EclipseDescription.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmSarosSeries.h"

namespace {
// The eclipse whose greatest phase is on show: of the syzygies around the moment, the eclipse
// nearest to it. false when none is within a day.
bool EclipseOnShow(double ajd, int32_t& lunation, int& phase, EclipseData& record) {
    const int32_t around = Syzyg::LunationAt(ajd);
    double best = 1.0;
    for (int32_t n = around - 1; n <= around + 1; ++n) {
        for (int k : {0, 2}) {
            EclipseData candidate{};
            Syzyg::PhaseTime(n, k, candidate);
            if (candidate.type == EclipseTypes::None) continue;
            const double greatest = candidate.greatest - Syzyg::DeltaTAt(candidate.greatest) / 1440.0;
            if (std::fabs(greatest - ajd) < best) {
                best = std::fabs(greatest - ajd);
                lunation = n;
                phase = k;
                record = candidate;
            }
        }
    }
    return best < 1.0;
}
}  // namespace

void frmMain::UpdateSarosCommand() { cmdSarosSeries->setVisible(!lblActualEclipseData->text().isEmpty()); }

void frmMain::ShowSarosSeries() {
    int32_t lunation = 0;
    int phase = 0;
    EclipseData record{};
    if (lblActualEclipseData->text().isEmpty() ||
        !EclipseOnShow(state_.dblCurrentAJDate, lunation, phase, record)) {
        Message(DialogService::Icon::Information, "Saros series", "No eclipse is on show: search for one first.");
        return;
    }
    if (!saros_) {
        saros_ = new frmSarosSeries(this);
        saros_->setWindowIcon(windowIcon());
        connect(saros_, &frmSarosSeries::chosen, this, &frmMain::SarosMemberChosen);
    }
    saros_->ShowSeries(record.saros, phase == 0, lunation, CurrentFrame());
}

void frmMain::SarosMemberChosen(const Listings::EclipseRow& member) {
    EclipseData record{};
    Syzyg::PhaseTime(member.lunation, member.phase, record);
    state_.blnLiveClock = false;
    picCheck->hide();
    Clock->stop();
    state_.lngEclipseLunation = member.lunation;
    state_.intEclipsePhase = member.phase;
    state_.blnLunarEclipse = EclipseTypes::IsLunar(member.type);
    state_.dblCurrentAJDate = member.jdUtGreatest;
    const ::Search::EclipseTexts texts = ::Search::EclipseDescription(record, member.jdUtGreatest, CurrentFrame());
    lblActualEclipseData->setText(QString::fromStdString(texts.label));
    const QString text = RefreshDisplay();
    const QString logText = AddHistoryEntry(text, member.type);
    AddLogEntry(logText, "Selection from saros series", QString::fromStdString(texts.log));
}

void frmMain::EclipseDataMenu(const QPoint& position) {
    if (lblActualEclipseData->text().isEmpty()) return;
    QMenu menu(this);
    menu.addAction("Saros series\u2026", this, &frmMain::ShowSarosSeries);
    menu.exec(lblActualEclipseData->mapToGlobal(position));
}
