// The operations on the moment on show: each reads its inputs, calls the core and applies what
// comes back.
#include "core/place/PlaceChoice.h"
#include "dates/ClockService.h"
#include "dates/DatePr2.h"
#include "mainwin/HistoryList.h"
#include "mainwin/RepeatedMove.h"
#include "mainwin/frmMain.h"

namespace {
std::string Std(const QString& text) { return text.toStdString(); }
}  // namespace

void frmMain::Compute() {
    Apply(Shown::Compute(shown_, Std(ui_.txbDate->text()), Std(ui_.txbPlusMinus->text()), ui_.optPlus->isChecked()),
          Focus::DateEntry);
}

void frmMain::Now() {
    EndRepeatedMove();
    Apply(Shown::Now(shown_, DatePr2::CurrentAjd(*services_.clock)), Focus::None);
    // The saros search needs an eclipse found since; any eclipse is offered instead.
    if (SearchTargets::TargetOfRow(ui_.cboTarget->currentIndex()) == SearchTargets::kSameSaros)
        ui_.cboTarget->setCurrentIndex(SearchTargets::RowOf(SearchTargets::kAnyEclipse));
    ui_.cmdSaveState->setEnabled(true);
    SetTheFocus();
}

void frmMain::Search() {
    const int target = SearchTargets::TargetOfRow(ui_.cboTarget->currentIndex());
    const bool coincidence = target == SearchTargets::kCoincidence;
    ui_.lblSearching->setVisible(coincidence);
    if (coincidence) ui_.lblSearching->repaint();
    const Shown::Outcome outcome = Shown::Search(shown_, Std(ui_.txbDate->text()), target, ui_.optNext->isChecked(),
                                                 ui_.chkSeenFromPlace->isChecked());
    ui_.lblSearching->hide();
    Apply(outcome, outcome.report ? Focus::Search : Focus::None);
}

void frmMain::HistoryChosen(int index, const std::string& entry, int eclipseType) {
    const Shown::Outcome outcome = Shown::ChooseHistoryEntry(shown_, entry, eclipseType);
    Apply(outcome, Focus::DateEntry);
    // A failed phase lookup leaves the entry on show unrecorded.
    if (outcome.report) history_->SetShown(index);
}

void frmMain::SarosMemberChosen(const Listings::EclipseRow& member) {
    EndRepeatedMove();
    Apply(Shown::ChooseSarosMember(shown_, member), Focus::DateEntry);
}

// The zone list shows the frame's zone; only a zone other than the frame's is a change.
void frmMain::ZoneChosen(int index) {
    const int offset = TimeZones::ZoneOffsetOfIndex(index);
    if (!isVisible() || offset == shown_.frame.zoneOffsetMinutes) return;
    Apply(Shown::ChangeZone(shown_, offset), Focus::DateEntry);
}

// The place list's text as the place: a city, typed coordinates, or none when empty. A text that
// names no place is refused and the list shows the place on show again.
void frmMain::PlaceChosen() {
    const QString shownName = shown_.place ? QString::fromStdString(shown_.place->name) : QString();
    const QString text = ui_.cboPlace->currentText().trimmed();
    if (text == shownName) return;
    const Shown::Outcome outcome = Shown::ChoosePlace(shown_, ChoosePlace(Std(text), cities_));
    // The list shows the place in effect before a refusal's message takes the focus away.
    const auto& place = outcome.next ? outcome.next->place : shown_.place;
    ui_.cboPlace->setCurrentText(place ? QString::fromStdString(place->name) : QString());
    Apply(outcome, Focus::None);
}

void frmMain::TimeSystemChosen() {
    ApplyOptionColours();
    const bool greenwich = ui_.optGreenwich->isChecked();
    if (!isVisible() || greenwich == shown_.frame.greenwich) return;
    shown_ = Shown::ChooseTimeSystem(shown_, greenwich);
    Render();
    SetTheFocus();
}

// A title makes its calendar the entry calendar; a value also copies its date into the box.
void frmMain::DateLabelClicked(int calendar, bool value) {
    shown_ = Shown::ChooseEntryCalendar(shown_, calendar);
    Render();
    if (value) ui_.txbDate->setText(QString::fromStdString(shown_.EntryDateBoxText()));
    SetTheFocus();
}

void frmMain::TimeLineClicked() {
    ui_.txbDate->setText(QString::fromStdString(TimeZones::WithTimeOfDay(
        Std(ui_.txbDate->text()), shown_.ajd, shown_.frame, CalendarRegistry::Calendar(shown_.entryCalendar))));
}
