// The repeated move: its Stop, Pause/Resume and refresh-period controls and its own timer, which
// asks for one step at each period while the move runs and is not paused (a paused move costs
// nothing: its timer is off).
#pragma once
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QTimer>

#include "core/MoveOnce.h"

class RepeatedMove : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QGroupBox* frame;
        QPushButton* stop;
        QPushButton* pauseResume;
        QLabel* periodTitle;
        QComboBox* period;
    };
    RepeatedMove(Controls controls, QObject* parent);

    // The move under way: its step, direction and whether it repeats.
    struct Move {
        MoveSteps::StepRule step;
        bool forward = true;
        bool repeatedly = false;
    };
    // A move begins; a repeated one shows its frame and starts its timer at the chosen period.
    void Begin(Move move);
    // The repetition ends (Stop, the range's end, Now, Quit): the frame hides, the timer stops.
    void EndRepetition();
    bool Repeating() const { return repeating_; }
    bool Paused() const { return paused_; }
    const Move& Current() const { return move_; }

signals:
    void stepDue();        // the next step of a running move
    void stopClicked();    // Stop, while the move repeats

private:
    void PauseResume();
    void PeriodChosen();
    int PeriodMilliseconds() const;

    Controls c_;
    QTimer timer_{this};
    Move move_;
    bool repeating_ = false, paused_ = false;
};
