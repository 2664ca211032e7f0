#pragma once

#include "windows/input_box.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace plotmere::testing_support {

// Answers prompts from a script, remembering what was asked; an empty script answers as if
// the user cancelled.
class ScriptedInputBox : public InputBox {
public:
    struct Question {
        QString prompt;
        QString title;
        QString proposed;
    };

    void answerNext(const QString& answer) { answers_.push_back(answer); }

    QString ask(QWidget*, const QString& prompt, const QString& title,
                const QString& proposed) override {
        questions.push_back({prompt, title, proposed});
        if (answers_.empty()) {
            return QString();
        }
        QString answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::vector<Question> questions;

private:
    std::deque<QString> answers_;
};

} // namespace plotmere::testing_support
