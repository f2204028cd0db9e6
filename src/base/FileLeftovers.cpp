// The names that saves leave beside their files, and removing what ended
// processes left; the back ends walk the folder (EntriesOfEndedProcesses).
#include "FileLeftovers.h"

#include "FileLayerNative.h"
#include "FilePlacement.h"
#include "Utf8Path.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <utility>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

long ProcessIdAfter(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) return 0;
    const std::string_view rest = name.substr(prefix.size());
    const auto dash = rest.find('-');
    // Nine digits at most: every system's process ids fit, and so does a long.
    if (dash == std::string_view::npos || dash > 9 || !AllDigits(rest.substr(0, dash))) return 0;
    return std::stol(std::string(rest.substr(0, dash)));
}

void RemoveLeftoversOfEndedProcesses(const std::string& folder,
                                     const std::function<long(std::string_view name)>& ownerOf) {
    for (const std::string& name : file_native::EntriesOfEndedProcesses(folder, ownerOf)) {
        std::error_code ec;
        // A link is removed itself, never what it points at.
        fs::remove_all(PathFromUtf8(file_native::InFolder(folder, name)), ec);
    }
}

void RemoveStalePendingFiles(const std::string& folder) {
    RemoveLeftoversOfEndedProcesses(folder,
                                    [](std::string_view name) { return ProcessIdAfter(name, ".glyphora-part-"); });
}

std::string file_native::TemporaryName(const std::string& name, std::string_view marker) {
    static std::atomic<unsigned> counter{0};
    // A long name is shortened so the temporary name stays within what a folder entry holds.
    return "." + name.substr(0, 120) + std::string(marker) + std::to_string(CurrentProcessId()) + "-" +
           std::to_string(counter.fetch_add(1));
}

long file_native::SaverOf(std::string_view name) {
    if (name.empty() || name[0] != '.') return 0;
    for (const std::string_view marker : {kSaveMarker, kOldMarker}) {
        const auto at = name.rfind(marker);
        if (at == std::string_view::npos) continue;
        const std::string_view tail = name.substr(at);
        const long pid = ProcessIdAfter(tail, marker);
        if (pid > 0 && AllDigits(tail.substr(tail.find('-', marker.size()) + 1))) return pid;
    }
    return 0;
}

std::string file_native::OldCopyPrefix(const std::string& name) {
    return "." + name.substr(0, 120) + std::string(kOldMarker);
}

void file_native::RemoveOldCopiesOfEndedSaves(const std::string& folder, const std::string& name) {
    const std::string prefix = OldCopyPrefix(name);
    RemoveLeftoversOfEndedProcesses(
        folder, [&](std::string_view entry) -> long { return entry.starts_with(prefix) ? SaverOf(entry) : 0; });
}

std::vector<std::string> CopiesLeftByKilledSaves(const std::string& path) {
    const fs::path target = PathFromUtf8(file_native::SaveTarget(path));
    const std::string folder = target.has_parent_path() ? Utf8FromPath(target.parent_path()) : std::string(".");
    const std::string prefix = file_native::OldCopyPrefix(Utf8FromPath(target.filename()));
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    for (const std::string& name : file_native::EntriesOfEndedProcesses(folder, [&](std::string_view entry) -> long {
             return entry.starts_with(prefix) ? file_native::SaverOf(entry) : 0;
         })) {
        std::string copy = file_native::InFolder(folder, name);
        std::error_code ec;
        const fs::file_time_type written = fs::last_write_time(PathFromUtf8(copy), ec);
        if (!ec) found.emplace_back(written, std::move(copy));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::string> copies;
    copies.reserve(found.size());
    for (auto& [written, copy] : found) copies.push_back(std::move(copy));
    return copies;
}

}  // namespace glyphora
