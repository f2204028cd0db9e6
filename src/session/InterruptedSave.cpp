#include "InterruptedSave.h"

#include <FileLayer.h>
#include <FileLeftovers.h>

namespace glyphora {

Result<LangpackDocument> LoadAfterInterruptedSave(const std::string& path, Prompts& prompts) {
    Result<LangpackDocument> loaded = LangpackDocument::Load(path);
    const std::vector<std::string> copies = CopiesLeftByKilledSaves(path);
    if (copies.empty()) return loaded;
    // The newest copy holds what the file held before the last save that broke off.
    const std::string& copy = copies.front();
    const std::string interrupted = "An earlier save of " + path + " was interrupted.";
    if (loaded) {
        prompts.information(interrupted +
                            " The file reads as a langpack and is opened; its content from before "
                            "that save is kept in " +
                            copy + " until the file is saved again.");
        return loaded;
    }
    const std::string question = interrupted + " The file does not read as a langpack:\n" + loaded.error().message +
                                 "\n\nPut back its content from before that save, kept in " + copy + "?";
    if (prompts.ask(question, Prompts::Icon::Warning, Prompts::Buttons::YesNo) != Prompts::Answer::Yes) return loaded;
    Result<std::vector<uint8_t>> old = ReadWholeFile(copy, kMaxLangpackFileSize);
    Status restored = old ? WriteFileAtomically(path, *old) : Status(old.error());
    if (!restored) {
        prompts.error("The old content of " + path + " could not be put back:\n" + restored.error().message +
                      "\n\nIt is still kept in " + copy + ".");
        return loaded;
    }
    (void)RemoveFile(copy);
    return LangpackDocument::Load(path);
}

}  // namespace glyphora
