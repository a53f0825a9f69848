// The live clock after Now: a tick every five seconds while the moment follows the computer's
// clock, with the check mark beside Now showing that it does.
#pragma once
#include <QLabel>
#include <QObject>
#include <QTimer>

class LiveClock : public QObject {
    Q_OBJECT
public:
    LiveClock(QLabel* checkMark, QObject* parent);
    // Runs exactly while the shown moment follows the clock.
    void Follow(bool running);
    bool Running() const { return timer_.isActive(); }

signals:
    void tick();

private:
    QLabel* checkMark_;
    QTimer timer_{this};
};
