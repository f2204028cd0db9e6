#include "Comparing.h"

#include "FileNames.h"
#include "LangpackComparison.h"
#include "OtherLangpack.h"
#include "Session.h"

#include <Utf8Path.h>

#include <filesystem>

namespace glyphora {

namespace {

std::string FileNameOf(const std::string& path) { return Utf8FromPath(PathFromUtf8(path).filename()); }

}  // namespace

void Comparing::CompareCommand() {
    Session& s = session_;
    if (!s.LangFileOpen() || !s.langpack()) return;
    std::optional<OtherLangpack> other = ChooseOtherLangpack(s.prompts(), kTitle, FolderOf(s.CurrentFileName()));
    if (!other) return;
    const std::string name = FileNameOf(other->path);
    comparison_.open(std::move(*other));
    const LangpackComparison::Summary counts = comparison_.summary();
    if (counts.differing + counts.onlyHere + counts.onlyThere == 0) {
        s.prompts().information("The glyphs of every set are the same as in " + name + ".");
        return;
    }
    s.report().statusMessage("Compared with " + name + ": " + std::to_string(counts.differing) + " glyphs differ, " +
                             std::to_string(counts.onlyHere) + " codes only here, " + std::to_string(counts.onlyThere) +
                             " only there (F8: next difference)");
}

void Comparing::CloseCommand() { comparison_.close(); }

void Comparing::NextDifference() {
    Session& s = session_;
    if (!comparison_.active() || !s.langpack()) return;
    const std::optional<std::pair<int, int>> next = comparison_.next(s.CurrentSet(), s.CurrentSymbol());
    if (!next) {
        s.report().statusMessage("No glyph differs from " + FileNameOf(comparison_.path()));
        return;
    }
    if (next->first != s.CurrentSet() && !s.ChooseSet(next->first)) return;
    if (s.CurrentSet() == next->first) s.ChooseSymbol(next->second);
}

}  // namespace glyphora
