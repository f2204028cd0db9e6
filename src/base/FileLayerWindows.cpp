// The file layer on Windows. Paths are UTF-8 and become wide paths for the
// system. A save locks the file (LockFileEx) from the read of its content to
// the end of its write, and writes it in place after a checked copy of its
// old bytes was put beside it; readers share the lock, so they wait for a
// save under way. A link is followed to its file.
#include "FileLayer.h"
#include "FileLayerNative.h"
#include "FileLeftovers.h"
#include "WideText.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <utility>
// <windows.h> names ReplaceFileW so; ours is another function.
#undef ReplaceFile

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

namespace glyphora {

using file_native::AsHandle;
using file_native::IoError;

namespace {

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return false;
        done += written;
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

Error file_native::IoError(std::string_view verb, const std::string& path, unsigned long code) {
    const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
    return MakeError(missing ? ErrorKind::Missing : ErrorKind::Io, FileError(verb, path, SystemMessage(code)));
}

int file_native::Close(intptr_t native) {
    if (native == kClosed) return 0;
    return ::CloseHandle(AsHandle(native)) ? 0 : -1;
}

namespace {

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// An open handle, closed when it goes.
class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { reset(); }
    HANDLE get() const { return h_; }
    bool open() const { return h_ != INVALID_HANDLE_VALUE; }
    // The handle, no longer closed by this object.
    HANDLE release() { return std::exchange(h_, INVALID_HANDLE_VALUE); }
    void reset(HANDLE h = INVALID_HANDLE_VALUE) {
        if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_;
};

struct FileIdentity {
    DWORD volume = 0, high = 0, low = 0;
    bool operator==(const FileIdentity& o) const { return volume == o.volume && high == o.high && low == o.low; }
};

std::optional<FileIdentity> IdentityOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info)) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    const Handle h(::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return h.open() ? IdentityOf(h.get()) : std::nullopt;
}

bool ReadAt(HANDLE file, uint64_t at, std::span<uint8_t> into, std::size_t& got) {
    got = 0;
    while (got < into.size()) {
        OVERLAPPED where{};
        const uint64_t from = at + got;
        where.Offset = static_cast<DWORD>(from);
        where.OffsetHigh = static_cast<DWORD>(from >> 32);
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(into.size() - got, 1u << 30));
        if (!::ReadFile(file, into.data() + got, chunk, &n, &where)) return ::GetLastError() == ERROR_HANDLE_EOF;
        if (n == 0) break;
        got += n;
    }
    return true;
}

Result<std::vector<uint8_t>> ReadOpen(HANDLE file, const std::string& path) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) return IoError("read", path, ::GetLastError());
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t got = 0;
    if (!ReadAt(file, 0, bytes, got)) return IoError("read", path, ::GetLastError());
    bytes.resize(got);
    return bytes;
}

// Puts `bytes` at the start of the file and cuts it after them.
bool Rewrite(HANDLE file, std::span<const uint8_t> bytes, Durability durability) {
    const LARGE_INTEGER start{};
    return ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && WriteAll(file, bytes) && ::SetEndOfFile(file) &&
           (durability == Durability::Quick || ::FlushFileBuffers(file));
}

// A new file in `folder` for a save of `target`, ".NAME.glyphora-save-PID-N".
Result<HANDLE> CreateTemporary(const std::string& path, const std::string& target, const std::string& folder,
                               std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = file_native::InFolder(folder, file_native::TemporaryName(NameOf(target), file_native::kSaveMarker));
        HANDLE file = ::CreateFileW(Wide(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        if (::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    return MakeError(ErrorKind::Io, FileError("save", path,
                                              "no temporary file can be made in '" + folder +
                                                  "': " + SystemMessage(::GetLastError())));
}

// Saves that were killed leave their temporary files: those whose process is gone are removed.
void RemoveStaleTemporaries(const std::string& folder) {
    RemoveLeftoversOfEndedProcesses(folder, [](std::string_view name) -> long {
        return name.find(file_native::kSaveMarker) != std::string_view::npos ? file_native::SaverOf(name) : 0;
    });
}

// How long a save waits for another save of the same file to end.
constexpr auto kLockWait = std::chrono::seconds(10);

// Saves lock one byte far past the end of any langpack: Windows keeps
// everyone else from reading and writing a locked range, and the bytes of the
// file must stay readable to others while it is saved.
constexpr uint64_t kLockOffset = uint64_t{1} << 62;

// A file where there was none: written under a temporary name and then
// given the file's, which fails rather than replace a file another program
// made there meanwhile.
Status CreateWhole(const std::string& path, const std::string& folder, std::span<const uint8_t> bytes,
                   Durability durability) {
    std::string temp;
    const Result<HANDLE> made = CreateTemporary(path, path, folder, temp);
    if (!made) return made.error();
    Handle file(*made);
    auto fail = [&](std::string_view what, DWORD code) -> Error {
        file.reset();
        ::DeleteFileW(Wide(temp).c_str());
        return MakeError(ErrorKind::Io, FileError(what, path, SystemMessage(code)));
    };
    if (!WriteAll(file.get(), bytes)) return fail("write", ::GetLastError());
    if (durability == Durability::Flushed && !::FlushFileBuffers(file.get())) return fail("flush", ::GetLastError());
    if (!::CloseHandle(file.release())) return fail("write", ::GetLastError());
    if (!::MoveFileExW(Wide(temp).c_str(), Wide(path).c_str(), MOVEFILE_WRITE_THROUGH))
        return fail("replace", ::GetLastError());
    return {};
}

// Waits for the lock byte, shared by readers or held by one save.
bool TakeLock(HANDLE file, bool exclusive, std::chrono::steady_clock::time_point until) {
    for (;;) {
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(kLockOffset);
        where.OffsetHigh = static_cast<DWORD>(kLockOffset >> 32);
        const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
        if (::LockFileEx(file, flags, 0, 1, 0, &where)) return true;
        const DWORD code = ::GetLastError();
        if (code != ERROR_LOCK_VIOLATION && code != ERROR_IO_PENDING) return true;  // no locks here: go on without
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// The existing file at `path`, open for reading and writing and locked
// against other saves, or Missing when there is none. Others may go on
// reading it. A save that replaced it meanwhile made a new file: the lock
// counts only on the file the path still names once it is held.
Result<HANDLE> OpenLocked(const std::string& path) {
    const auto until = std::chrono::steady_clock::now() + kLockWait;
    const auto busy = [&] { return MakeError(ErrorKind::Io, FileError("save", path, "another program is saving it")); };
    for (int round = 0; round < 100; ++round) {
        Handle file(::CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.open()) {
            const DWORD code = ::GetLastError();
            // Open by a program that keeps others from writing it: for a while, that is a save's wait too.
            if (code != ERROR_SHARING_VIOLATION) return IoError("open", path, code);
            if (std::chrono::steady_clock::now() > until) return IoError("open", path, code);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            --round;
            continue;
        }
        if (::GetFileType(file.get()) != FILE_TYPE_DISK)
            return MakeError(ErrorKind::Io, FileError("write", path, "it is not a regular file"));
        if (!TakeLock(file.get(), true, until)) return busy();
        const std::optional<FileIdentity> held = IdentityOf(file.get());
        if (held && IdentityOf(path) == held) return file.release();
    }
    return MakeError(ErrorKind::Io, FileError("save", path, "it is replaced again and again by another program"));
}

// The name the system knows the open file by: through a link, the file the
// link points at.
std::string FinalPath(HANDLE held, const std::string& path) {
    std::wstring name(1024, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(held, name.data(), static_cast<DWORD>(name.size()), FILE_NAME_NORMALIZED);
    if (n >= name.size()) {
        name.resize(n + 1);
        n = ::GetFinalPathNameByHandleW(held, name.data(), static_cast<DWORD>(name.size()), FILE_NAME_NORMALIZED);
    }
    if (n == 0 || n >= name.size()) return path;
    name.resize(n);
    // "\\?\C:\..." names what "C:\..." does, and reads better in a message.
    if (name.starts_with(L"\\\\?\\") && name.size() > 6 && name[5] == L':') name.erase(0, 4);
    return Utf8(name);
}

// Writes the file's own bytes, so its other names stay: a checked copy of the
// old bytes is put beside it first, the file is rewritten, and the copy goes.
// Should the rewrite fail, the old bytes are written back; only when that
// fails too does the copy stay, and the message names it.
Status WriteInPlace(const std::string& path, const std::string& target, const std::string& folder, HANDLE held,
                    std::span<const uint8_t> bytes, Durability durability) {
    const Result<std::vector<uint8_t>> old = ReadOpen(held, path);
    if (!old) return old.error();
    std::string temp;
    const Result<HANDLE> made = CreateTemporary(path, target, folder, temp);
    if (!made) return made.error();
    Handle copy(*made);
    std::vector<uint8_t> back(old->size());
    std::size_t got = 0;
    const bool copied = WriteAll(copy.get(), *old) && ::FlushFileBuffers(copy.get()) &&
                        ReadAt(copy.get(), 0, back, got) && got == back.size() && back == *old;
    const DWORD copyError = copied ? 0 : ::GetLastError();
    copy.reset();
    const std::string oldName =
        file_native::InFolder(folder, file_native::TemporaryName(NameOf(target), file_native::kOldMarker));
    if (!copied || !::MoveFileExW(Wide(temp).c_str(), Wide(oldName).c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = copied ? ::GetLastError() : copyError;
        ::DeleteFileW(Wide(temp).c_str());
        return MakeError(ErrorKind::Io,
                         FileError("save", path,
                                   "no copy of its old content can be made: " +
                                       (code == 0 ? std::string("it reads back otherwise") : SystemMessage(code))));
    }
    if (Rewrite(held, bytes, durability)) {
        ::DeleteFileW(Wide(oldName).c_str());
        return {};
    }
    const DWORD code = ::GetLastError();
    if (Rewrite(held, *old, durability)) {
        ::DeleteFileW(Wide(oldName).c_str());
        return MakeError(ErrorKind::Io, FileError("write", path, SystemMessage(code)));
    }
    return MakeError(ErrorKind::Io,
                     FileError("write", path, SystemMessage(code) + "; its old content is kept in '" + oldName + "'"));
}

}  // namespace

Status file_native::Replace(const std::string& path, const ReplaceBuilder* build, uint64_t maxCurrentBytes,
                            std::span<const uint8_t> bytes, Durability durability) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return IoError("write", path, ERROR_DIRECTORY);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return MakeError(ErrorKind::Io, path + " is read-only");
    const Result<HANDLE> opened = OpenLocked(path);
    if (!opened && opened.error().kind != ErrorKind::Missing) return opened.error();
    const bool exists = opened.has_value();
    const Handle held(exists ? *opened : INVALID_HANDLE_VALUE);
    const std::string target = exists ? FinalPath(held.get(), path) : path;
    const std::string folder = FolderOf(target);
    RemoveStaleTemporaries(folder);

    if (build != nullptr) {
        std::optional<std::vector<uint8_t>> current;
        if (exists) {
            LARGE_INTEGER size{};
            if (!::GetFileSizeEx(held.get(), &size)) return IoError("read", path, ::GetLastError());
            if (static_cast<uint64_t>(size.QuadPart) > maxCurrentBytes)
                return MakeError(ErrorKind::Unsupported,
                                 FileError("save", path,
                                           "it is larger than the " + std::to_string(maxCurrentBytes) +
                                               " bytes this program reads of such a file"));
            Result<std::vector<uint8_t>> read = ReadOpen(held.get(), path);
            if (!read) return read.error();
            current = std::move(*read);
        }
        Result<std::span<const uint8_t>> built = (*build)(current);
        if (!built) return built.error();
        bytes = *built;
    }

    // Windows renames nothing over a file that is open, and the lock must
    // stay until the new bytes are in: the file is written in place, which
    // keeps its other names, its attributes and its permissions too.
    Status written = exists ? WriteInPlace(path, target, folder, held.get(), bytes, durability)
                            : CreateWhole(path, folder, bytes, durability);
    if (written) RemoveOldCopiesOfEndedSaves(folder, NameOf(target));
    return written;
}

unsigned long CurrentProcessId() { return ::GetCurrentProcessId(); }

std::vector<std::string> file_native::EntriesOfEndedProcesses(const std::string& folder,
                                                              const std::function<long(std::string_view)>& ownerOf) {
    std::vector<std::string> ended;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(Wide(InFolder(folder, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return ended;
    do {
        std::string name = Utf8(found.cFileName);
        const long owner = ownerOf(name);
        if (owner <= 0 || static_cast<DWORD>(owner) == ::GetCurrentProcessId()) continue;
        // A process that ended lives on as long as someone holds a handle of
        // it; any refusal but "no such process" is one alive, not ours to look at.
        const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(owner));
        DWORD status = STILL_ACTIVE;
        const bool gone = process == nullptr ? ::GetLastError() == ERROR_INVALID_PARAMETER
                                             : ::GetExitCodeProcess(process, &status) && status != STILL_ACTIVE;
        if (process != nullptr) ::CloseHandle(process);
        if (gone) ended.push_back(std::move(name));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return ended;
}

// Opening follows a link, and the open file knows its own name.
std::string file_native::SaveTarget(const std::string& path) {
    const Handle file(::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.open() ? FinalPath(file.get(), path) : path;
}

std::string file_native::InFolder(const std::string& folder, const std::string& name) {
    return folder.ends_with('\\') || folder.ends_with('/') ? folder + name : folder + "\\" + name;
}

bool SameFile(const std::string& a, const std::string& b) {
    const std::optional<FileIdentity> ia = IdentityOf(a);
    return ia && IdentityOf(b) == ia;
}

Status RemoveFile(const std::string& path) {
    if (::DeleteFileW(Wide(path).c_str())) return {};
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return {};
    return IoError("remove", path, code);
}

Result<ReadHandle> ReadHandle::Open(const std::string& path) {
    // Others may go on writing and replacing it (a save holds it open for writing while others read it).
    HANDLE file =
        ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return IoError("open", path, ::GetLastError());
    // A pipe or a device (CON, NUL) may never end: only files on a disk are read.
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        return MakeError(ErrorKind::Io, FileError("read", path, "it is not a regular file"));
    }
    // A save writes the file in place: what is read is the file before or after it, never half of each.
    if (!TakeLock(file, false, std::chrono::steady_clock::now() + kLockWait)) {
        ::CloseHandle(file);
        return MakeError(ErrorKind::Io, FileError("read", path, "another program is saving it"));
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) {
        const DWORD code = ::GetLastError();
        ::CloseHandle(file);
        return IoError("read", path, code);
    }
    return ReadHandle(path, reinterpret_cast<intptr_t>(file), static_cast<uint64_t>(size.QuadPart));
}

Result<std::size_t> ReadHandle::read(std::span<uint8_t> into) {
    std::size_t total = 0;
    while (total < into.size()) {
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(into.size() - total, 1u << 30));
        if (!::ReadFile(AsHandle(native_), into.data() + total, chunk, &got, nullptr))
            return IoError("read", path_, ::GetLastError());
        if (got == 0) break;
        total += got;
    }
    return total;
}

Result<WriteHandle> WriteHandle::Create(const std::string& path) {
    HANDLE file =
        ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return IoError("create", path, ::GetLastError());
    return WriteHandle(path, reinterpret_cast<intptr_t>(file));
}

Status WriteHandle::write(std::span<const uint8_t> bytes) {
    if (native_ == file_native::kClosed)
        return MakeError(ErrorKind::Io, FileError("write", path_, "the file is closed"));
    if (!WriteAll(AsHandle(native_), bytes)) return IoError("write", path_, ::GetLastError());
    return {};
}

Status WriteHandle::close() {
    if (native_ == file_native::kClosed) return {};
    const BOOL ok = ::CloseHandle(AsHandle(native_));
    native_ = file_native::kClosed;
    if (!ok) return IoError("write", path_, ::GetLastError());
    return {};
}

}  // namespace glyphora
