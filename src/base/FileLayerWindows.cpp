// The file layer on Windows. Paths are UTF-8 and become wide paths for the
// system; the atomic replacement is MoveFileEx with write-through. The file
// being replaced is held open so no one else writes it meanwhile.
#include "FileLayer.h"
#include "FileLayerNative.h"
#include "WideText.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <utility>
// <windows.h> names ReplaceFileW so; ours is another function.
#undef ReplaceFile

#include <algorithm>
#include <atomic>
#include <cwchar>

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

constexpr const char* kSaveMarker = ".glyphora-save-";

// Temporary files of saves that were killed: those whose process is gone.
void RemoveStaleTemporaries(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(Wide(folder + "\\.*" + kSaveMarker + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        const std::wstring marker = Wide(kSaveMarker);
        const auto at = name.rfind(marker);
        if (at == std::wstring::npos) continue;
        const DWORD pid = static_cast<DWORD>(std::wcstoul(name.c_str() + at + marker.size(), nullptr, 10));
        if (pid == 0 || pid == ::GetCurrentProcessId()) continue;
        HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
        if (process != nullptr) {
            ::CloseHandle(process);
            continue;
        }
        if (::GetLastError() == ERROR_INVALID_PARAMETER) ::DeleteFileW((Wide(folder + "\\") + name).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

Result<std::vector<uint8_t>> ReadOpen(HANDLE file, const std::string& path, uint64_t size) {
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - total, 1u << 30));
        if (!::ReadFile(file, bytes.data() + total, chunk, &got, nullptr))
            return IoError("read", path, ::GetLastError());
        if (got == 0) break;
        total += got;
    }
    bytes.resize(total);
    return bytes;
}

// The file is held open while it is read and replaced: others may read it,
// and the replacement may take its name, but no one else writes it meanwhile.
}  // namespace

Status file_native::Replace(const std::string& path, const ReplaceBuilder* build, uint64_t maxCurrentBytes,
                            std::span<const uint8_t> bytes, Durability durability) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return IoError("write", path, ERROR_DIRECTORY);
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) return MakeError(ErrorKind::Io, path + " is read-only");
    HANDLE held = INVALID_HANDLE_VALUE;
    if (exists) {
        held = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE) return IoError("open", path, ::GetLastError());
        if (::GetFileType(held) != FILE_TYPE_DISK) {
            ::CloseHandle(held);
            return MakeError(ErrorKind::Io, FileError("write", path, "it is not a regular file"));
        }
    }
    struct Closer {
        HANDLE h;
        ~Closer() {
            if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
        }
    } closer{held};

    if (build != nullptr) {
        std::optional<std::vector<uint8_t>> current;
        if (exists) {
            LARGE_INTEGER size{};
            if (!::GetFileSizeEx(held, &size)) return IoError("read", path, ::GetLastError());
            if (static_cast<uint64_t>(size.QuadPart) > maxCurrentBytes)
                return MakeError(ErrorKind::Unsupported,
                                 FileError("save", path,
                                           "it is larger than the " + std::to_string(maxCurrentBytes) +
                                               " bytes this program reads of such a file"));
            Result<std::vector<uint8_t>> read = ReadOpen(held, path, static_cast<uint64_t>(size.QuadPart));
            if (!read) return read.error();
            current = std::move(*read);
        }
        Result<std::span<const uint8_t>> built = (*build)(current);
        if (!built) return built.error();
        bytes = *built;
    }

    const std::string folder = FolderOf(path);
    RemoveStaleTemporaries(folder);
    static std::atomic<unsigned> counter{0};
    std::string temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = folder + "\\." + NameOf(path).substr(0, 120) + kSaveMarker + std::to_string(::GetCurrentProcessId()) +
               "-" + std::to_string(counter++);
        file = ::CreateFileW(Wide(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return MakeError(ErrorKind::Io, FileError("save", path,
                                                  "no temporary file can be made in '" + folder +
                                                      "': " + SystemMessage(::GetLastError())));
    auto fail = [&](std::string_view what) -> Status {
        const DWORD code = ::GetLastError();
        ::CloseHandle(file);
        ::DeleteFileW(Wide(temp).c_str());
        return MakeError(ErrorKind::Io, FileError(what, path, SystemMessage(code)));
    };
    if (!WriteAll(file, bytes)) return fail("write");
    if (durability == Durability::Flushed && !::FlushFileBuffers(file)) return fail("flush");
    if (!::CloseHandle(file)) {
        const DWORD code = ::GetLastError();
        ::DeleteFileW(Wide(temp).c_str());
        return MakeError(ErrorKind::Io, FileError("write", path, SystemMessage(code)));
    }
    // Wine (and some file systems) refuse to rename over a file that is open,
    // whatever its sharing: the hold ends here, just before the rename.
    if (closer.h != INVALID_HANDLE_VALUE) ::CloseHandle(std::exchange(closer.h, INVALID_HANDLE_VALUE));
    if (!::MoveFileExW(Wide(temp).c_str(), Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = ::GetLastError();
        ::DeleteFileW(Wide(temp).c_str());
        return MakeError(ErrorKind::Io, FileError("replace", path, SystemMessage(code)));
    }
    return {};
}

bool SameFile(const std::string& a, const std::string& b) {
    const auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        HANDLE h = ::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        const BOOL ok = ::GetFileInformationByHandle(h, &info);
        ::CloseHandle(h);
        return ok != 0;
    };
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    return identity(a, ia) && identity(b, ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

Status RemoveFile(const std::string& path) {
    if (::DeleteFileW(Wide(path).c_str())) return {};
    const DWORD code = ::GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return {};
    return IoError("remove", path, code);
}

Result<ReadHandle> ReadHandle::Open(const std::string& path) {
    HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return IoError("open", path, ::GetLastError());
    // A pipe or a device (CON, NUL) may never end: only files on a disk are read.
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        return MakeError(ErrorKind::Io, FileError("read", path, "it is not a regular file"));
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
