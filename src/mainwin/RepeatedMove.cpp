#include "mainwin/RepeatedMove.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/WindowLists.h"

RepeatedMove::RepeatedMove(Controls controls, QObject* parent) : QObject(parent), c_(controls) {
    timer_.setObjectName("MoveTimer");
    // The timer does not queue ticks: a step that outlasts the period delays the next one
    // instead of piling steps up.
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (repeating_ && !paused_) emit stepDue();
    });
    connect(c_.stop, &QPushButton::clicked, this, [this] {
        if (repeating_) emit stopClicked();
    });
    connect(c_.pauseResume, &QPushButton::clicked, this, &RepeatedMove::PauseResume);
    connect(c_.period, &QComboBox::activated, this, &RepeatedMove::PeriodChosen);
}

int RepeatedMove::PeriodMilliseconds() const {
    const int index = std::clamp(c_.period->currentIndex(), 0, static_cast<int>(RefreshPeriods::kSeconds.size()) - 1);
    return static_cast<int>(std::lround(std::stod(std::string(RefreshPeriods::kSeconds[static_cast<size_t>(index)])) * 1000));
}

void RepeatedMove::Begin(Move move) {
    move_ = std::move(move);
    repeating_ = move_.repeatedly;
    paused_ = false;
    if (!repeating_) return;
    c_.pauseResume->setText("&Pause");
    c_.periodTitle->setEnabled(false);
    c_.period->setEnabled(false);
    c_.frame->show();
    c_.stop->setFocus();
    timer_.start(PeriodMilliseconds());
}

void RepeatedMove::EndRepetition() {
    repeating_ = false;
    paused_ = false;
    c_.frame->hide();
    timer_.stop();  // no tick may reach a move that has ended (a message box lets events run)
}

void RepeatedMove::PauseResume() {
    if (!repeating_) return;
    paused_ = !paused_;
    c_.pauseResume->setText(paused_ ? "Res&ume" : "&Pause");
    c_.periodTitle->setEnabled(paused_);
    c_.period->setEnabled(paused_);
    if (paused_) {
        timer_.stop();
        c_.pauseResume->setFocus();
    } else {
        timer_.start(PeriodMilliseconds());
        c_.stop->setFocus();
    }
}

// A period chosen while paused takes effect at Resume; a choice while running does nothing.
void RepeatedMove::PeriodChosen() {
    if (!paused_) return;
    timer_.setInterval(PeriodMilliseconds());
    c_.pauseResume->setFocus();
}
