// extract FILE.shx [--overwrite]: writes every code group of a flash file
// beside it, as the editor's Open-file command does, and prints the code-group
// list: the grid's six columns separated by tabs, then the final status text.
// An extracted file the user changed since is replaced only with --overwrite;
// without it the extraction stops there and names the file.
#include "Commands.h"
#include "ShxExtractor.h"
#include "ToolSupport.h"

#include <cstdio>
#include <optional>
#include <string>

namespace glyphora::tool {

namespace {

void PrintRow(const shx::CodeGroupRow& row) {
    const auto cells = shx::CodeGroupRowCells(row);
    std::string line = cells[0];
    for (std::size_t column = 1; column < cells.size(); ++column) line += '\t' + cells[column];
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

int runExtract(const Words& args) {
    std::string path;
    const std::optional<ParsedArguments> parsed = ParseFileArguments(args, {{"overwrite", ""}}, path);
    if (!parsed) return kExitUsage;
    const bool overwrite = parsed->isSet("overwrite");

    std::string status;
    bool headerPrinted = false;
    shx::ExtractCallbacks callbacks;
    callbacks.status = [&status](const std::string& text) { status = text; };
    callbacks.codeGroupWritten = [&headerPrinted](const shx::CodeGroupRow& row) {
        if (!headerPrinted) {
            std::printf("CG\tFile name\tType CG\tStart address\tEnd address\tSize\n");
            headerPrinted = true;
        }
        PrintRow(row);
    };
    bool editedRefused = false;
    callbacks.askEdited = [overwrite, &editedRefused](const std::string&) {
        editedRefused = !overwrite;
        return overwrite ? shx::EditedFileChoice::Replace : shx::EditedFileChoice::Refuse;
    };

    const shx::ExtractResult result = shx::ShxExtractor(std::move(callbacks)).SplitSHX(path);
    std::printf("%s\n", status.c_str());
    if (result.error) {
        std::fprintf(stderr, "glyphora-tool: %s%s\n", result.error->message.c_str(),
                     editedRefused ? " (--overwrite replaces it)" : "");
        return kExitError;
    }
    return kExitOk;
}

}  // namespace glyphora::tool
