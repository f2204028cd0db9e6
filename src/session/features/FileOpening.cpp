#include "FileOpening.h"

#include "FileNames.h"

#include <Utf8Path.h>

#include <filesystem>

namespace glyphora {

void FileOpening::OpenFileCommand() {
    Prompts::FileDialog dialog;
    dialog.title = "Open";
    dialog.filters = {"Binary langpack (*.smg;*.bin) (*.smg *.bin *.SMG *.BIN)",
                      "Motorola SHX files (*.shx) (*.shx *.SHX)", "All files (*)"};
    dialog.folder = FolderOf(session_.CurrentFileName());
    const std::optional<std::string> path = session_.prompts().chooseOpenFile(dialog);
    if (!path || path->empty()) return;
    session_.OpenFile(*path);
}

void FileOpening::OpenNamedFile(const std::string& path) {
    // A path typed on the command line may name nothing; the open dialog never does.
    std::error_code ec;
    if (!std::filesystem::exists(PathFromUtf8(path), ec)) {
        session_.prompts().error("The file " + path + " does not exist.");
        return;
    }
    session_.OpenFile(path);
}

bool FileOpening::OpenRecentFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(PathFromUtf8(path), ec)) {
        session_.prompts().warning("The file " + path + " is no longer there; it was removed from the recent files.");
        return false;
    }
    session_.OpenFile(path);
    return true;
}

}  // namespace glyphora
