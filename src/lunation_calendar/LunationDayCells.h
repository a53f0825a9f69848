// What a screen reader reads of a lunation page: one label over each day's cell, without
// drawing anything, named with the day of the lunation, its dates and "today".
#pragma once
#include <QLabel>
#include <QWidget>
#include <array>

#include "core/lunation/LunationPage.h"

class LunationDayCells {
public:
    explicit LunationDayCells(QWidget* page);
    // Places and names a label over every cell of the page; the others are hidden.
    void Show(const LunationPage::Page& page);
    const QLabel* Cell(int dayOfLunation) const;

    // "Day 26: 2000-01-01 CE (Saturday, January 1, 2000), Dionysus 25, today"
    static QString NameOf(const LunationPage::Day& day);

private:
    std::array<QLabel*, 30> labels_;
};
