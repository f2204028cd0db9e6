// copy-glyphs FILE --set N --source OTHER --source-set M [--from CODE --to
// CODE] [--add-missing]: the glyphs of set N whose codes set M of OTHER has
// take that glyph's width and rows (aligned at the top), then saves; with
// --add-missing the codes set N lacks are added first. OTHER is a langpack or
// a flash file, only read.
#include "Commands.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <LangpackCopy.h>
#include <OtherLangpack.h>

#include <cstdio>

namespace glyphora::tool {

int runCopyGlyphs(const Words& args) {
    std::string file;
    int setNumber = 0, sourceSet = 0;
    std::string source;
    const auto parsed = ParseFileArguments(
        args,
        {{"set", "N"}, {"source", "OTHER"}, {"source-set", "M"}, {"from", "CODE"}, {"to", "CODE"}, {"add-missing", ""}},
        file);
    if (!parsed || !IntegerOption(*parsed, "set", 1, kMaxSets, setNumber) ||
        !RequiredOption(*parsed, "source", source) || !IntegerOption(*parsed, "source-set", 1, kMaxSets, sourceSet))
        return kExitUsage;
    CopyOptions options;
    options.sourceSet = sourceSet - 1;
    options.addMissing = parsed->isSet("add-missing");
    if (parsed->isSet("from") || parsed->isSet("to")) {
        CodeSpan span;
        if (!CodeOption(*parsed, "from", span.first) || !CodeOption(*parsed, "to", span.last)) return kExitUsage;
        if (const Status ok = CheckCodeSpan(span); !ok) {
            std::fprintf(stderr, "glyphora-tool: %s\n", ok.error().message.c_str());
            return kExitUsage;
        }
        options.range = span;
    }
    std::optional<LangpackDocument> doc;
    if (const int status = OpenSetForEdit(file, setNumber, doc); status != kExitOk) return status;
    const Result<OtherLangpack> other = ReadOtherLangpack(source);
    if (!other) return Report(other.error());
    if (sourceSet > other->langpack.SetCount()) {
        PrintFileError(source, "there is no set " + std::to_string(sourceSet) + "; the langpack has " +
                                   std::to_string(other->langpack.SetCount()));
        return kExitError;
    }

    ToolSession tool;
    if (const int status = tool.open(file, setNumber); status != kExitOk) return status;
    const Result<CopyPreview> done = LangpackCopy(tool.session()).Apply(other->langpack, options);
    if (!done) {
        PrintFileError(file, done.error().message);
        return kExitError;
    }
    if (done->changing() > 0)
        if (const int status = tool.save(); status != kExitOk) return status;
    if (done->inkCut() > 0)
        PrintFileError(file, std::to_string(done->inkCut()) + " glyphs lost ink outside the set's " +
                                 std::to_string(tool.session().setHeight(setNumber - 1)) + " rows");
    std::printf("copied %d, added %d, skipped %d\n", done->copied, done->added, done->skipped);
    return kExitOk;
}

}  // namespace glyphora::tool
