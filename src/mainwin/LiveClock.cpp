#include "mainwin/LiveClock.h"

namespace {
// The live clock refreshes the moment every five seconds: the time line shows minutes.
constexpr int kIntervalMilliseconds = 5000;
}  // namespace

LiveClock::LiveClock(QLabel* checkMark, QObject* parent) : QObject(parent), checkMark_(checkMark) {
    timer_.setObjectName("Clock");
    timer_.setInterval(kIntervalMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &LiveClock::tick);
}

void LiveClock::Follow(bool running) {
    checkMark_->setVisible(running);
    if (running && !timer_.isActive()) timer_.start();
    if (!running) timer_.stop();
}
