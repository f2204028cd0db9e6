// Message boxes for tests: records every text and gives the answers queued.
#pragma once

#include <MessageBoxes.h>

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace glyphora::testing {

class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString text;
        Icon icon;
        bool question;
    };

    Answer ask(const QString& text, Icon icon) override {
        shown.push_back({text, icon, true});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void tell(const QString& text, Icon icon) override { shown.push_back({text, icon, false}); }

    void clear() { shown.clear(); }
    QStringList texts() const {
        QStringList out;
        for (const Shown& s : shown) out << s.text;
        return out;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
};

}  // namespace glyphora::testing
