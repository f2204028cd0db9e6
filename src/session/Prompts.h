// Everything the session asks of the user or tells the user goes through this
// one interface: the Qt layer shows real message boxes and dialogs, tests give
// scripted answers. Every message box is captioned "Glyphora".
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// A long operation that the user waits for (a batch over glyphs): while it
// lives no other input reaches the window; step() lets the window repaint
// and tells whether the user asked to stop. Nothing may be asked or told
// while it lives: end it first.
class LongWork {
public:
    virtual ~LongWork() = default;
    // `done` of `total` steps are finished; false when the user cancelled.
    virtual bool step(int done, int total) = 0;
    // Asked every few milliseconds while a step is under way (a renderer at
    // work): lets the window show itself and repaint; false when the user
    // cancelled.
    virtual bool poll(int done, int total) {
        (void)done;
        (void)total;
        return true;
    }
};

class Prompts {
public:
    enum class Icon { Information, Warning, Error, Question };
    enum class Buttons { YesNoCancel, YesNo, OkCancel };
    enum class Answer { Yes, No, Cancel, Ok };

    // A file dialog: filters as "Caption (*.a *.b)", the folder it starts in.
    struct FileDialog {
        std::string title;
        std::vector<std::string> filters;
        std::string folder;
        std::string suggestedName;
        // Dialogs of one kind ("pictures", "bdf", "png") may open where the
        // last of that kind was accepted instead of `folder`; empty: always `folder`.
        std::string kind;
    };

    // A desktop font as the renderer and the text tool take it: the height in
    // the logical-font convention (negative: pixel height of the characters).
    struct Font {
        std::string name;
        int height = -11;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        int measuredHeight = 0;  // pixel height of the text "Test" in the font, filled by the chooser
        // The face's own name for its style ("Book", "Oblique"), so the
        // chooser reopens on that face; empty for a font file or the default.
        std::string styleName;
    };

    enum class SizeMode { Width, Height };

    virtual ~Prompts() = default;

    virtual Answer ask(const std::string& text, Icon icon, Buttons buttons = Buttons::YesNoCancel) = 0;
    // One OK button.
    virtual void tell(const std::string& text, Icon icon) = 0;
    // Nothing when the user cancels.
    virtual std::optional<std::string> chooseOpenFile(const FileDialog& dialog) = 0;
    virtual std::optional<std::string> chooseSaveFile(const FileDialog& dialog) = 0;
    // A whole number asked in a save dialog's own window, below the name.
    struct NumberField {
        std::string label;
        int value = 0;  // shown first; the answer when the dialog is accepted
        int min = 0;
        int max = 0;
    };
    // The save dialog with the number beside the name. The default asks the
    // name alone and leaves the number as it was shown.
    virtual std::optional<std::string> chooseSaveFileAndNumber(const FileDialog& dialog, NumberField& number);
    virtual std::optional<Font> chooseFont(const Font& current) = 0;
    // The set-size dialog: the new width or height.
    virtual std::optional<int> askSize(SizeMode mode, int width, int height) = 0;
    // A line of text (or a number as text) with a label.
    virtual std::optional<std::string> askText(const std::string& title, const std::string& label,
                                               const std::string& initial) = 0;

    // The long operation begins; it ends when the result goes. The default
    // shows nothing and is never cancelled.
    virtual std::unique_ptr<LongWork> beginLongWork(const std::string& title);

    void information(const std::string& text) { tell(text, Icon::Information); }
    void warning(const std::string& text) { tell(text, Icon::Warning); }
    void error(const std::string& text) { tell(text, Icon::Error); }
};

inline std::optional<std::string> Prompts::chooseSaveFileAndNumber(const FileDialog& dialog, NumberField&) {
    return chooseSaveFile(dialog);
}

inline std::unique_ptr<LongWork> Prompts::beginLongWork(const std::string&) {
    struct Unseen : LongWork {
        bool step(int, int) override { return true; }
    };
    return std::make_unique<Unseen>();
}

}  // namespace glyphora
