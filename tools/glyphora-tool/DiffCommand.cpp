// diff A B [--set N]: one line for each set and code in which the two
// langpacks (or flash files) differ; exit status 0 when they are the same,
// 1 when they differ, 2 when one cannot be read or the words are wrong, as
// diff(1) has it.
#include "Commands.h"
#include "ToolSupport.h"

#include <LangpackDiff.h>
#include <OtherLangpack.h>

#include <cstdio>

namespace glyphora::tool {

namespace {
constexpr int kExitTrouble = 2;
constexpr const char* kUsage = "usage: glyphora-tool diff A B [--set N]\n";
}  // namespace

int runDiff(const Words& args) {
    const Result<ParsedArguments> parsed = ParseArguments(args, {{"set", "N"}});
    if (!parsed || parsed->positional().size() != 2) {
        std::fprintf(stderr, "glyphora-tool: %s\n%s",
                     parsed ? "expected two files, A and B" : parsed.error().message.c_str(), kUsage);
        return kExitTrouble;
    }
    std::optional<int> onlySet;
    if (parsed->isSet("set")) {
        int set = 0;
        if (!IntegerOption(*parsed, "set", 1, kMaxSets, set)) {
            std::fputs(kUsage, stderr);
            return kExitTrouble;
        }
        onlySet = set - 1;
    }
    const Result<OtherLangpack> a = ReadOtherLangpack(parsed->positional()[0]);
    const Result<OtherLangpack> b = a ? ReadOtherLangpack(parsed->positional()[1]) : a;
    if (!b) {
        Report(b.error());
        return kExitTrouble;
    }
    const LangpackDiff diff = DiffLangpacks(a->langpack, b->langpack, onlySet);
    for (const std::string& line : DiffLines(diff)) std::printf("%s\n", line.c_str());
    return diff.same() ? kExitOk : kExitError;
}

}  // namespace glyphora::tool
