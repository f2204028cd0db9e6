// The file layer on Windows. Paths are UTF-8 and become wide paths for the
// system; the atomic replacement is MoveFileEx with write-through.
#include "FileLayer.h"
#include "FileLayerNative.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <random>

namespace glyphora {

namespace {

std::wstring Wide(const std::string& path) {
    if (path.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), out.data(), n);
    return out;
}

std::string Reason(DWORD code) {
    char* text = nullptr;
    const DWORD n =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string out = n && text ? std::string(text, n) : "error " + std::to_string(code);
    if (text) ::LocalFree(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.')) out.pop_back();
    return out;
}

Error IoError(std::string_view verb, const std::string& path, DWORD code) {
    const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
    return MakeError(missing ? ErrorKind::Missing : ErrorKind::Io, FileError(verb, path, Reason(code)));
}

HANDLE AsHandle(intptr_t native) { return reinterpret_cast<HANDLE>(native); }

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

int file_native::Close(intptr_t native) {
    if (native == kClosed) return 0;
    return ::CloseHandle(AsHandle(native)) ? 0 : -1;
}

Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, Durability durability) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return IoError("write", path, ERROR_DIRECTORY);
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string folder = FolderOf(path);
    std::string temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = folder + "\\.glyphora-save-" + std::to_string(random() % 10000000000ull);
        file = ::CreateFileW(Wide(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return MakeError(
            ErrorKind::Io,
            FileError("save", path, "no temporary file can be made in '" + folder + "': " + Reason(::GetLastError())));
    auto fail = [&](std::string_view what) -> Status {
        const DWORD code = ::GetLastError();
        ::CloseHandle(file);
        ::DeleteFileW(Wide(temp).c_str());
        return MakeError(ErrorKind::Io, FileError(what, path, Reason(code)));
    };
    if (!WriteAll(file, bytes)) return fail("write");
    if (durability == Durability::Flushed && !::FlushFileBuffers(file)) return fail("flush");
    if (!::CloseHandle(file)) {
        const DWORD code = ::GetLastError();
        ::DeleteFileW(Wide(temp).c_str());
        return MakeError(ErrorKind::Io, FileError("write", path, Reason(code)));
    }
    if (!::MoveFileExW(Wide(temp).c_str(), Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = ::GetLastError();
        ::DeleteFileW(Wide(temp).c_str());
        return MakeError(ErrorKind::Io, FileError("replace", path, Reason(code)));
    }
    return {};
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
