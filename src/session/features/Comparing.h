// "Compare with…", "Close comparison" and "Next difference": the langpack
// chosen is read once and compared with the open one, whose grids then mark
// every glyph that differs; the marks go when the comparison is closed.
#pragma once

namespace glyphora {

class LangpackComparison;
class Session;

class Comparing {
public:
    static constexpr const char* kTitle = "Compare with";

    Comparing(Session& session, LangpackComparison& comparison) : session_(session), comparison_(comparison) {}

    // The open dialog, the file read, and the counts in the status bar.
    void CompareCommand();
    void CloseCommand();
    // The next marked glyph after the working one is chosen.
    void NextDifference();

private:
    Session& session_;
    LangpackComparison& comparison_;
};

}  // namespace glyphora
