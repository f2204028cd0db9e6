#include "ToolPrompts.h"

#include "ToolSupport.h"

#include <cstdio>

namespace glyphora::tool {

Prompts::Answer ToolPrompts::ask(const std::string& text, Icon icon, Buttons buttons) {
    // No changes nothing the command line did not ask for; the question is
    // kept so that the refusal it leads to can say why.
    (void)buttons;
    messages_.push_back({text, icon});
    return Answer::No;
}

void ToolPrompts::printKept(const std::string& file) {
    for (const Message& m : messages_) {
        if (m.icon == Icon::Error)
            std::fprintf(stderr, "%s\n", m.text.c_str());
        else
            PrintFileError(file, m.text);
    }
    messages_.clear();
}

}  // namespace glyphora::tool
