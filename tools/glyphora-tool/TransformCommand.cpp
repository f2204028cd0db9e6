// transform FILE --set N --from I --to J --op OP: one of Edit -> "Transform"
// over glyphs I to J of set N as one step, then saved. Oblique leans about
// the last row (the tool knows no guides); the glyphs that lost ink are
// named on stderr.
#include "Commands.h"
#include "GlyphRangeArguments.h"
#include "ToolSession.h"
#include "ToolSupport.h"

#include <GlyphTransforming.h>

#include <cstdio>

namespace glyphora::tool {

namespace {

std::string OperationNames() {
    std::string names;
    for (const GlyphTransformInfo& t : GlyphTransformTable())
        names += (names.empty() ? "" : "|") + std::string(t.toolName);
    return names;
}

}  // namespace

int runTransform(const Words& args) {
    std::string file;
    SetRange range;
    const auto parsed = ParseFileArguments(args, {{"set", "N"}, {"from", "I"}, {"to", "J"}, {"op", "OP"}}, file);
    if (!parsed || !ReadSetRange(*parsed, range)) return kExitUsage;
    std::string op;
    if (!RequiredOption(*parsed, "op", op)) return kExitUsage;
    const std::optional<GlyphTransform> transform = TransformByToolName(op);
    if (!transform) {
        std::fprintf(stderr, "glyphora-tool: --op must be one of %s, not '%s'\n", OperationNames().c_str(), op.c_str());
        return kExitUsage;
    }

    std::optional<LangpackDocument> doc;
    if (const int status = OpenRangeForEdit(file, range, doc); status != kExitOk) return status;
    ToolSession tool;
    if (const int status = tool.open(file, range.setNumber); status != kExitOk) return status;
    Session& s = tool.session();
    const BatchResult result = GlyphTransforming(s).TransformGlyphs(*transform, range.glyphs, std::nullopt);
    if (result.changed > 0)
        if (const int status = tool.save(); status != kExitOk) return status;
    if (!result.cut.empty()) PrintFileError(file, InkDroppedText(*transform, *s.langpack(), s.CurrentSet(), result));
    std::printf("%d of %d glyphs changed\n", result.changed, result.total);
    return kExitOk;
}

}  // namespace glyphora::tool
