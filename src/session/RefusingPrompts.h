// Prompts for a run with nobody to answer (the command-line tool, a
// benchmark): every question is answered No and every dialog cancelled, so
// nothing is changed that the caller did not ask for. What the kernel tells
// is left to the subclass.
#pragma once

#include "Prompts.h"

#include <optional>
#include <string>

namespace glyphora {

class RefusingPrompts : public Prompts {
public:
    Answer ask(const std::string&, Icon, Buttons) override { return Answer::No; }
    std::optional<std::string> chooseOpenFile(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const FileDialog&) override { return std::nullopt; }
    std::optional<Font> chooseFont(const Font&) override { return std::nullopt; }
    std::optional<int> askSize(SizeMode, int, int) override { return std::nullopt; }
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace glyphora
