// The history: adding the result of each operation, and restoring a chosen entry.
#include "astro/Syzyg.h"
#include "core/EntryParser.h"
#include "core/History.h"
#include "core/search/EclipseDescription.h"
#include "mainwin/frmMain.h"

QString frmMain::AddHistoryEntry(const QString& strDate, int intEclipseType) {
    state_.blnAddingHistory = true;
    const std::string text = History::EntryText(
        strDate.toStdString(), CalendarRegistry::Calendar(state_.intEntryCalendar).julianDateCount,
        lblTime[1]->text().toStdString(), optGreenwich->isChecked(), cboTimeZone->currentText().toStdString());
    const std::string added = history_.Add(text, intEclipseType);
    if (!added.empty()) {
        if (cboHistory->count() >= state_.intHistorySize) cboHistory->removeItem(0);
        cboHistory->addItem(QString::fromStdString(added), intEclipseType);
        cboHistory->setCurrentIndex(cboHistory->count() - 1);
        state_.intHistoryIndex = cboHistory->count() - 1;
    }
    state_.blnAddingHistory = false;
    cmdViewLog->setEnabled(!LogTextEmpty());
    cmdSaveState->setEnabled(true);
    return QString::fromStdString(added);
}

void frmMain::HistoryChosen(int index) {
    if (state_.blnAddingHistory) {
        SetTheFocus();
        return;
    }
    if (index == state_.intHistoryIndex || index < 0) return;
    lblActualEclipseData->clear();
    UpdateSarosCommand();
    txbDate->clear();
    txbPlusMinus->clear();
    state_.blnRestoringHistory = true;
    picCheck->hide();
    Clock->stop();

    // The entry's frame first: its date and time are read in it.
    const QString entry = cboHistory->itemText(index);
    const History::EntryFrame frame = History::FrameOfEntry(entry.toStdString());
    (frame.greenwich ? optGreenwich : optLocal)->setChecked(true);
    ApplyOptionColours();
    cboTimeZone->setCurrentIndex(frame.ZoneIndex());

    EntryContext context;
    context.entryCalendar = state_.intEntryCalendar;
    context.restoringHistory = true;
    context.frame = CurrentFrame();
    const EntryResult parsed = ParseDateEntry(entry.toStdString(), context);
    if (parsed.error != EntryError::None) {
        Message(DialogService::Icon::Warning, "Error",
                QString("Error%1 when selecting from History.").arg(static_cast<int>(parsed.error)));
        state_.blnRestoringHistory = false;
        SetTheFocus();
        return;
    }
    state_.intEntryCalendar = parsed.calendarIndex;
    state_.dblCurrentAJDate = parsed.ajd;
    ShowMoment();

    QString eclipseText;
    if (!RestoreEclipseData(cboHistory->itemData(index).toInt(), eclipseText)) {
        state_.blnRestoringHistory = false;
        return;
    }
    AddLogEntry(entry, "Selection from history", eclipseText);
    state_.intHistoryIndex = index;
    MarkEntryCalendar();
    state_.blnRestoringHistory = false;
    SetTheFocus();
}

QString frmMain::ShowEclipseData(int32_t lunation, int phase) {
    EclipseData record{};
    Syzyg::PhaseTime(lunation, phase, record);
    if (record.type == EclipseTypes::None) return {};
    // The phases start at the greatest eclipse less their half-durations. The restored moment
    // is that of the entry, to the minute; the record's own greatest eclipse is exact, so the
    // data read as they did when the eclipse was found.
    const double greatest = record.greatest - Syzyg::DeltaTAt(record.greatest) / 1440.0;
    const ::Search::EclipseTexts texts = ::Search::EclipseDescription(record, greatest, CurrentFrame());
    lblActualEclipseData->setText(QString::fromStdString(texts.label));
    UpdateSarosCommand();
    return QString::fromStdString(texts.log);
}

bool frmMain::RestoreEclipseData(int eclipseType, QString& eclipseText) {
    int32_t lunation = Syzyg::LunationAt(state_.dblCurrentAJDate);
    int phase = Syzyg::GetPhase(lunation, state_.dblCurrentAJDate, state_.blnExact);
    if (phase < 0) {
        Message(DialogService::Icon::Warning, "Error",
                QString("Error%1 when calling GetPhase() in cboHistory_Click().").arg(phase));
        return false;
    }
    // An eclipse found by a search may lie minutes before its syzygy: its entry names the
    // syzygy's lunation and phase again.
    if (eclipseType > 0) {
        if (EclipseTypes::IsLunar(eclipseType) && phase == 1) phase = 2;
        if (!EclipseTypes::IsLunar(eclipseType) && phase == 3) {
            phase = 0;
            ++lunation;
        }
    }
    eclipseText = ShowEclipseData(lunation, phase);
    return true;
}
