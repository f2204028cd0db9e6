// Files put in place on Windows: the temporary file is made with CREATE_NEW
// and takes its name with MoveFileEx and write-through.
#include "FileLayer.h"
#include "FileLayerNative.h"
#include "FilePlacement.h"
#include "WideText.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <utility>

namespace glyphora {

using file_native::AsHandle;
using file_native::IoError;

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

Result<PathInfo> InspectPath(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return PathInfo{};
        return IoError("inspect", path, code);
    }
    PathInfo info;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        info.kind = PathKind::Link;
    else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        info.kind = PathKind::Folder;
    else if (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)
        info.kind = PathKind::Other;
    else
        info.kind = PathKind::Regular;
    info.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    // 100-nanosecond steps since 1601.
    const uint64_t ticks =
        (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    info.modified = static_cast<int64_t>(ticks) * 100;
    return info;
}

Result<PendingFile> PendingFile::Create(const std::string& target) {
    const std::string stem = FolderOf(target) + "\\.glyphora-part-" + std::to_string(::GetCurrentProcessId()) + "-";
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        std::string temporary = stem + std::to_string(attempt);
        HANDLE file = ::CreateFileW(Wide(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return PendingFile(target, std::move(temporary), reinterpret_cast<intptr_t>(file));
        const DWORD code = ::GetLastError();
        if (code != ERROR_FILE_EXISTS) return IoError("create", target, code);
    }
    return IoError("create", target, ERROR_FILE_EXISTS);
}

Status PendingFile::write(std::span<const uint8_t> bytes) {
    if (native_ == file_native::kClosed)
        return MakeError(ErrorKind::Io, FileError("write", target_, "the file is closed"));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(AsHandle(native_), bytes.data() + done, chunk, &written, nullptr))
            return IoError("write", target_, ::GetLastError());
        done += written;
    }
    return {};
}

// MOVEFILE_WRITE_THROUGH puts the new name on the disk with the move itself.
Status PendingFile::place(FolderFlush) {
    if (native_ == file_native::kClosed)
        return MakeError(ErrorKind::Io, FileError("write", target_, "the file is closed"));
    const HANDLE file = AsHandle(native_);
    native_ = file_native::kClosed;
    DWORD code = ::FlushFileBuffers(file) ? 0 : ::GetLastError();
    if (!::CloseHandle(file) && code == 0) code = ::GetLastError();
    if (code == 0 && !::MoveFileExW(Wide(temporary_).c_str(), Wide(target_).c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        code = ::GetLastError();
    if (code != 0) {
        ::DeleteFileW(Wide(temporary_).c_str());
        return IoError("write", target_, code);
    }
    return {};
}

void SyncFolderOf(const std::string&) {}

void PendingFile::discard() {
    if (native_ == file_native::kClosed) return;
    file_native::Close(native_);
    native_ = file_native::kClosed;
    ::DeleteFileW(Wide(temporary_).c_str());
}

}  // namespace glyphora
