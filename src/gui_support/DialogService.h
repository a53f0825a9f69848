// Message boxes go through this service so that tests can answer them and nothing modal ever
// blocks a test or a scripted run.
#pragma once
#include <QString>
#include <QWidget>
#include <vector>

class DialogService {
public:
    enum class Icon { Warning, Information, Question };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };
    virtual ~DialogService() = default;
    virtual Answer Show(QWidget* parent, Icon icon, const QString& title, const QString& text,
                        Buttons buttons = Buttons::Ok) = 0;
};

// The desktop's own message boxes.
class QtDialogService final : public DialogService {
public:
    Answer Show(QWidget* parent, Icon icon, const QString& title, const QString& text,
                Buttons buttons) override;
};

// Records every message and answers with a preset answer (tests).
class RecordingDialogService final : public DialogService {
public:
    struct Message {
        Icon icon;
        QString title, text;
    };
    Answer Show(QWidget*, Icon icon, const QString& title, const QString& text, Buttons buttons) override {
        messages.push_back({icon, title, text});
        if (buttons == Buttons::YesNo) return answerYes ? Answer::Yes : Answer::No;
        if (buttons == Buttons::OkCancel) return answerOk ? Answer::Ok : Answer::Cancel;
        return Answer::Ok;
    }
    std::vector<Message> messages;
    bool answerYes = true;
    bool answerOk = true;
};
