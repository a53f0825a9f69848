// Search: the next or previous phase, eclipse or coincidence of month starts from the moment on show.
#include <cmath>

#include "core/ComputeMoment.h"
#include "core/search/EclipseDescription.h"
#include "core/search/SearchEngine.h"
#include "mainwin/frmMain.h"

namespace {

// A typed moment this close to the one on show is the one on show: the date box holds it to the
// minute, and searching again must not move it back to the whole minute.
constexpr double kSameMomentDays = 0.0007;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

bool frmMain::TakeSearchStart() {
    const QString typed = txbDate->text().trimmed();
    txbDate->setText(typed);
    if (typed.isEmpty()) return true;
    ComputeRequest request;
    request.dateBox = typed.toStdString();
    request.entryCalendar = state_.intEntryCalendar;
    request.restoringHistory = state_.blnRestoringHistory;
    request.frame = CurrentFrame();
    const ComputeResult entry = ComputeMoment(request);
    txbDate->setText(Qs(entry.dateBox));
    if (!entry.Ok()) {
        Message(DialogService::Icon::Warning, Qs(entry.title), Qs(entry.message));
        SetTheFocus();
        return false;
    }
    if (entry.entryCalendar >= 0) {
        state_.intEntryCalendar = entry.entryCalendar;
        MarkEntryCalendar();
    }
    if (std::fabs(entry.ajd - state_.dblCurrentAJDate) >= kSameMomentDays) state_.dblCurrentAJDate = entry.ajd;
    return true;
}

void frmMain::SearchForTarget() {
    // A search that finds nothing leaves the moment on show, also when a typed start replaced it.
    const double shownMoment = state_.dblCurrentAJDate;
    if (!TakeSearchStart()) return;
    const int target = cboTarget->currentIndex();
    ::Search::Request request;
    request.target = target;
    request.next = optNext->isChecked();
    request.ajd = state_.dblCurrentAJDate;
    request.frame = CurrentFrame();
    request.eclipse = {!lblActualEclipseData->text().isEmpty(), state_.blnLunarEclipse};
    if (request.target < 0 || SearchTargets::kTargets[static_cast<size_t>(target)].text.empty()) {
        state_.dblCurrentAJDate = shownMoment;
        Message(DialogService::Icon::Warning, ::Search::kSearchTitle, ::Search::kBlankTargetMessage);
        return;
    }
    // Kept to be put back when the search meets the range end and the moment stays.
    const QString shownEclipse = lblActualEclipseData->text(), shownDate = txbDate->text();
    lblActualEclipseData->clear();
    txbDate->clear();
    const QString operation = Qs(::Search::OperationText(target, request.next));
    state_.blnLiveClock = false;
    picCheck->hide();
    Clock->stop();

    lblSearching->setVisible(target == SearchTargets::kCoincidence);
    if (target == SearchTargets::kCoincidence) lblSearching->repaint();
    const ::Search::Result result = ::Search::RunSearch(request);
    lblSearching->hide();
    state_.blnExact = result.startExact;
    if (!result.Found()) {
        state_.dblCurrentAJDate = shownMoment;
        if (result.outcome == ::Search::Result::Outcome::RangeEnd) {
            lblActualEclipseData->setText(shownEclipse);
            txbDate->setText(shownDate);
        }
        // The saros message only asks for an eclipse on display; the others warn.
        const bool ask = result.outcome == ::Search::Result::Outcome::NoEclipseDisplayed;
        const auto icon = ask ? DialogService::Icon::Information : DialogService::Icon::Warning;
        Message(icon, Qs(result.title), Qs(result.message));
        return;
    }
    // A saros search runs as a search for the eclipse kind on show, and shows so in the list.
    if (result.searchedTarget != target) cboTarget->setCurrentIndex(result.searchedTarget);
    QString eclipseText;
    if (result.eclipseFound) {
        state_.lngEclipseLunation = result.lunation;
        state_.intEclipsePhase = result.phase;
        state_.blnLunarEclipse = EclipseTypes::IsLunar(result.record.type);
        const ::Search::EclipseTexts texts = ::Search::EclipseDescription(result.record, result.ajd, CurrentFrame());
        lblActualEclipseData->setText(Qs(texts.label));
        eclipseText = Qs(texts.log);
    }
    state_.dblCurrentAJDate = result.ajd;
    const QString text = RefreshDisplay();
    const QString logText = AddHistoryEntry(text, result.record.type);
    AddLogEntry(logText, operation, target > SearchTargets::kQuarter + 1 ? eclipseText : QString());
    if (cboTarget->currentIndex() != target) cboTarget->setCurrentIndex(target);
    FocusSearchOrQuit();
}
