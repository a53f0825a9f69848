#include "mainwin/HistoryList.h"

HistoryList::HistoryList(QComboBox* list, QObject* parent) : QObject(parent), list_(list) {
    // Only the user's choices: the list's own changes (an entry added and selected) are none.
    connect(list_, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index == shownIndex_ || index >= static_cast<int>(history_.Items().size())) return;
        const History::List::Item& item = history_.Items()[static_cast<size_t>(index)];
        emit chosen(index, item.text, item.eclipseType);
    });
}

std::string HistoryList::Add(const std::string& text, int eclipseType) {
    const std::string added = history_.Add(text, eclipseType);
    if (added.empty()) return added;
    list_->clear();
    for (const History::List::Item& item : history_.Items())
        list_->addItem(QString::fromStdString(item.text), item.eclipseType);
    shownIndex_ = list_->count() - 1;
    list_->setCurrentIndex(shownIndex_);
    return added;
}
