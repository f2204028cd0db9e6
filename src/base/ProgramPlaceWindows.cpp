#include "ProgramPlace.h"

#include "WideText.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace glyphora {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Utf8(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

Result<std::string> ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return MakeError(ErrorKind::Missing,
                             "cannot tell where this program lies (" + SystemMessage(::GetLastError()) + ")");
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::string utf8 = Utf8(path);
    return utf8.substr(0, utf8.find_last_of("\\/") + 1);
}

}  // namespace glyphora
