// The history list: the eight newest results, oldest first, each with the eclipse type it was
// added with; choosing an entry other than the one on show asks for it to be shown again.
#pragma once
#include <QComboBox>
#include <QObject>
#include <string>

#include "core/History.h"

class HistoryList : public QObject {
    Q_OBJECT
public:
    HistoryList(QComboBox* list, QObject* parent);

    // Adds the text unless it repeats the newest entry; the text added, or empty.
    std::string Add(const std::string& text, int eclipseType);
    // The entry now on show (after it was chosen and shown).
    void SetShown(int index) { shownIndex_ = index; }
    const History::List& Entries() const { return history_; }

signals:
    // An entry other than the one on show was chosen.
    void chosen(int index, const std::string& text, int eclipseType);

private:
    QComboBox* list_;
    History::List history_{History::kCapacity};
    int shownIndex_ = -1;
};
