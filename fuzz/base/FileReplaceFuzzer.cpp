// Saves through the file layer over whatever stands at the path: nothing,
// a file (through a link, with a second name, with an attribute, read-only),
// a FIFO or a folder, with temporary files of ended saves beside it. A save
// either writes exactly the new bytes into the file the path names, keeping
// its links, or fails and leaves everything as it was; it never waits, and
// it leaves no file of its own behind.
//
// Input: [state] [mode] [leftovers] [operation] then the old and the new
// content, split in the middle.
#include "FileLayer.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace glyphora;
namespace fs = std::filesystem;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_file_replace: %s\n", what);
    std::abort();
}

enum State { Missing, Regular, Link, HardLinked, Fifo, Folder, ReadOnly, Attributed, kStates };

// The id of a process that has ended, for leftovers that are stale.
pid_t EndedProcess() {
    static const pid_t ended = [] {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }();
    return ended;
}

std::vector<uint8_t> Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? "/dev/shm" : fs::temp_directory_path();
        folder_ = (base / "fuzz-replace-XXXXXX").string();
        if (!::mkdtemp(folder_.data())) Fail("no scratch folder");
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string path(const std::string& name) const { return folder_ + "/" + name; }

private:
    std::string folder_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto state = static_cast<State>(data[0] % kStates);
    const auto mode = static_cast<mode_t>(0600 | ((data[1] & 0x3F) & ~0222));
    const uint8_t leftovers = data[2];
    const int operation = data[3] % 3;  // write, replace, replace refused by the builder
    const std::vector<uint8_t> old(data + 4, data + 4 + (size - 4) / 2);
    const std::vector<uint8_t> fresh(data + 4 + (size - 4) / 2, data + size);

    const ScratchFolder scratch;
    const std::string path = scratch.path("lang.smg");
    const std::string file = state == Link ? scratch.path("target.smg") : path;
    bool attributed = false;
    switch (state) {
    case Missing: break;
    case Fifo:
        if (::mkfifo(path.c_str(), 0600) != 0) Fail("no FIFO");
        break;
    case Folder: fs::create_directory(path); break;
    default:
        Write(file, old);
        ::chmod(file.c_str(), state == ReadOnly ? 0444 : mode);
        if (state == Link) fs::create_symlink("target.smg", path);
        if (state == HardLinked) fs::create_hard_link(path, scratch.path("other.smg"));
        if (state == Attributed) attributed = ::setxattr(file.c_str(), "user.test", "1", 1, 0) == 0;
    }
    const std::string ended = std::to_string(EndedProcess());
    if (leftovers & 1) Write(scratch.path(".lang.smg.glyphora-save-" + ended + "-1"), old);
    if (leftovers & 2) Write(scratch.path(".lang.smg.glyphora-old-" + ended + "-2"), old);
    struct stat before {};
    const bool existed = ::stat(file.c_str(), &before) == 0;

    bool sawOld = true;
    Status saved;
    if (operation == 0) {
        saved = WriteFileAtomically(path, fresh, Durability::Quick);
    } else {
        saved = ReplaceFile(
            path, 1 << 20,
            [&](const std::optional<std::vector<uint8_t>>& current) -> Result<std::span<const uint8_t>> {
                sawOld = current ? *current == old : state == Missing;
                if (operation == 2) return MakeError(ErrorKind::Changed, "refused");
                return std::span<const uint8_t>(fresh);
            },
            Durability::Quick);
    }
    if (!sawOld) Fail("the builder was not given the file as it was");

    const bool writable =
        state == Missing || state == Regular || state == Link || state == HardLinked || state == Attributed;
    if (bool(saved) != (writable && operation != 2)) Fail("a save succeeded or failed against the file's state");
    if (!saved && saved.error().message.find(writable ? "refused" : path) == std::string::npos)
        Fail("the message does not name the file");
    const std::vector<uint8_t> expected = saved ? fresh : old;
    if (state == Fifo && !fs::is_fifo(path)) Fail("the FIFO was replaced");
    if (state == Folder && !fs::is_directory(path)) Fail("the folder was replaced");
    if (state != Fifo && state != Folder && (saved || existed) && Read(file) != expected)
        Fail("the file holds neither the old nor exactly the new bytes");
    if (state == Link && !fs::is_symlink(path)) Fail("the link was replaced by a file");
    if (state == HardLinked && Read(scratch.path("other.smg")) != expected) Fail("the second name lost the file");
    struct stat after {};
    if (existed && (state == HardLinked || attributed) &&
        (::stat(file.c_str(), &after) != 0 || after.st_ino != before.st_ino))
        Fail("a file with other names or attributes got a new inode");
    if (attributed && ::getxattr(file.c_str(), "user.test", nullptr, 0) != 1) Fail("the attribute was lost");
    if (existed && saved && ::stat(file.c_str(), &after) == 0 && (after.st_mode & 07777) != (before.st_mode & 07777))
        Fail("the permissions changed");

    const std::string mine = "-" + std::to_string(::getpid()) + "-";
    bool staleLeft = false, copyLeft = false;
    for (const auto& entry : fs::directory_iterator(scratch.path(""))) {
        const std::string name = entry.path().filename().string();
        if (name.find(".glyphora-") != std::string::npos && name.find(mine) != std::string::npos)
            Fail("the save left a file of its own");
        staleLeft |= name.find(".glyphora-save-" + ended) != std::string::npos;
        copyLeft |= name.find(".glyphora-old-" + ended) != std::string::npos;
    }
    // A save removes the copies of old content that killed saves of the same
    // file left; a link's save writes the link's target, not this name.
    const bool copyGoes = saved && state != Link;
    if ((leftovers & 2) && copyLeft == copyGoes)
        Fail(copyGoes ? "a killed save's copy of old content outlived the next save"
                      : "the copy of an old content was removed");
    if ((leftovers & 1) && saved && staleLeft) Fail("a stale temporary file was kept");
    return 0;
}
