// The kernel's questions and dialogs answered without a user: every question
// is answered No, every dialog cancelled, and what the kernel tells is kept
// for the command to print after the file's name.
#pragma once

#include <RefusingPrompts.h>

#include <string>
#include <vector>

namespace glyphora::tool {

class ToolPrompts : public RefusingPrompts {
public:
    struct Message {
        std::string text;
        Icon icon = Icon::Information;
    };

    Answer ask(const std::string& text, Icon icon, Buttons buttons) override;
    void tell(const std::string& text, Icon icon) override { messages_.push_back({text, icon}); }

    const std::vector<Message>& messages() const { return messages_; }
    // Prints the kept messages on stderr and forgets them. The kernel's
    // errors name the file themselves; its other messages (the writer's
    // refusals among them) say what is wrong but not where, so `file` comes first.
    void printKept(const std::string& file);
    void forget() { messages_.clear(); }

private:
    std::vector<Message> messages_;
};

}  // namespace glyphora::tool
