// A session on a temporary folder: its own settings file, langpacks written
// there from fixture descriptions, scripted prompts and the real extraction.
#pragma once

#include <LangpackBuilder.h>
#include <ScriptedPrompts.h>
#include <Session.h>
#include <TempFolder.h>

#include <gtest/gtest.h>

#include <FileOpening.h>
#include <memory>

namespace glyphora::testing {

class SessionTest : public ::testing::Test {
protected:
    using Answer = Prompts::Answer;
    using Icon = Prompts::Icon;

    std::string settingsPath() const { return dir.path("Glyphora.ini"); }
    std::string writeLangpack(const std::string& name, const fixtures::LangpackSpec& spec) const {
        return dir.write(name, fixtures::BuildLangpack(spec).Bytes);
    }

    // The session as the window makes it at start: the settings are read.
    Session& session() {
        if (!session_) {
            session_ =
                std::make_unique<Session>(SessionPaths{dir.root().string() + "/", settingsPath(), settingsReadPath},
                                          prompts, extraction ? *extraction : core);
            session_->LoadSettings();
        }
        return *session_;
    }
    const TLangpack& lp() { return *session().langpack(); }
    const Symbols& glyph(int set, int index) { return lp().SymbolTable[set][index]; }

    // "Open file" with the dialog answering `path`.
    void open(const std::string& path) {
        prompts.openFiles.push_back(path);
        FileOpening(session()).OpenFileCommand();
    }
    // A pencil click that turns glyph pixel (0, 0) over (ink with the left
    // button, paper with the right), at zoom 1.
    void drawPixel() {
        GlyphEditor& e = session().editor();
        const MouseButton b = e.CanvasImage().isInk(0, 0) ? MouseButton::Right : MouseButton::Left;
        e.mouseDown(b, 0, 0);
        e.mouseUp(b, 0, 0);
    }
    bool enabled(Command c) { return Enabled(EnabledCommands(session().commandInputs()), c); }

    TempFolder dir;
    // Where the settings are read, when not at settingsPath().
    std::string settingsReadPath;
    ScriptedPrompts prompts;
    CoreFlashExtraction core;
    FlashExtraction* extraction = nullptr;
    std::unique_ptr<Session> session_;
};

}  // namespace glyphora::testing
