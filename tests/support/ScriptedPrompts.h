// Prompts for tests: records every message and question and gives the answers
// queued. A question or dialog without a queued answer fails the test and is
// cancelled, and so does any question or message while a long work runs.
#pragma once

#include <Prompts.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glyphora::testing {

class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        std::string text;
        Icon icon;
        bool question;
    };
    struct TextDialog {
        std::string title;
        std::string label;
        std::string initial;
    };

    Answer ask(const std::string& text, Icon icon, Buttons) override {
        expectIdle(text);
        shown.push_back({text, icon, true});
        return next(answers, Answer::Cancel, "question: " + text);
    }
    void tell(const std::string& text, Icon icon) override {
        expectIdle(text);
        shown.push_back({text, icon, false});
    }
    std::optional<std::string> chooseOpenFile(const FileDialog& dialog) override {
        fileDialogs.push_back(dialog);
        return next(openFiles, std::optional<std::string>(), "open dialog " + dialog.title);
    }
    std::optional<std::string> chooseSaveFile(const FileDialog& dialog) override {
        fileDialogs.push_back(dialog);
        return next(saveFiles, std::optional<std::string>(), "save dialog " + dialog.title);
    }
    // The number keeps its value unless `numbers` holds the user's.
    std::optional<std::string> chooseSaveFileAndNumber(const FileDialog& dialog, NumberField& number) override {
        numberFields.push_back(number);
        if (!numbers.empty()) {
            number.value = numbers.front();
            numbers.pop_front();
        }
        return chooseSaveFile(dialog);
    }
    std::optional<Font> chooseFont(const Font&) override { return next(fonts, std::optional<Font>(), "font dialog"); }
    std::optional<int> askSize(SizeMode, int, int) override { return next(sizes, std::optional<int>(), "size dialog"); }
    std::optional<std::string> askText(const std::string& title, const std::string& label,
                                       const std::string& initial) override {
        textDialogs.push_back({title, label, initial});
        return next(textAnswers, std::optional<std::string>(), "text dialog " + title);
    }

    // Records the steps; the user cancels once `cancelAfterSteps` glyphs are done.
    std::unique_ptr<LongWork> beginLongWork(const std::string& title) override {
        expectIdle(title);
        longWorks.push_back(title);
        steps.clear();
        return std::make_unique<Work>(*this);
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown) out.push_back(s.text);
        return out;
    }
    void clear() { shown.clear(); }

    std::vector<Shown> shown;
    std::vector<FileDialog> fileDialogs;
    std::vector<TextDialog> textDialogs;
    std::vector<NumberField> numberFields;
    std::deque<int> numbers;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> openFiles;
    std::deque<std::optional<std::string>> saveFiles;
    std::deque<std::optional<Font>> fonts;
    std::deque<std::optional<int>> sizes;
    std::deque<std::optional<std::string>> textAnswers;
    std::vector<std::string> longWorks;
    std::vector<int> steps;  // `done` of each step of the last long work
    std::optional<int> cancelAfterSteps;

private:
    struct Work : LongWork {
        explicit Work(ScriptedPrompts& p) : prompts(p) { prompts.working = true; }
        ~Work() override { prompts.working = false; }
        bool step(int done, int) override {
            prompts.steps.push_back(done);
            return !(prompts.cancelAfterSteps && done >= *prompts.cancelAfterSteps);
        }
        ScriptedPrompts& prompts;
    };
    void expectIdle(const std::string& what) const { EXPECT_FALSE(working) << "shown during a long work: " << what; }
    bool working = false;

    template <class T>
    static T next(std::deque<T>& queue, T cancelled, const std::string& what) {
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return cancelled;
        }
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

}  // namespace glyphora::testing
