// The child of the process tests: `args` prints each argument in brackets on
// a line of its own, `folder` its current folder, `exit N` ends with N,
// `hang` waits for ever, on Windows `parent` starts a `hang` of its own,
// prints its process id and waits for ever, `echo` answers each line of its input with the line
// in brackets as soon as it comes, `pid` prints its own process id and waits for ever.
#include <ProgramPlace.h>
#include <Utf8Path.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args = glyphora::ProgramArguments(argc, argv);
    if (args.empty()) return 2;
    if (args[0] == "args") {
        for (std::size_t i = 1; i < args.size(); ++i) std::printf("[%s]\n", args[i].c_str());
        return 0;
    }
    if (args[0] == "folder") {
        std::printf("%s\n", glyphora::Utf8FromPath(std::filesystem::current_path()).c_str());
        return 0;
    }
    if (args[0] == "exit" && args.size() == 2) return std::stoi(args[1]);
    if (args[0] == "echo") {
        char line[256];
        while (std::fgets(line, sizeof line, stdin)) {
            std::string text(line);
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            std::printf("[%s]\n", text.c_str());
            std::fflush(stdout);
        }
        return 0;
    }
#ifdef _WIN32
    if (args[0] == "parent") {
        wchar_t self[MAX_PATH];
        if (::GetModuleFileNameW(nullptr, self, MAX_PATH) == 0) return 1;
        std::wstring line = std::wstring(L"\"") + self + L"\" hang";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child{};
        if (!::CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
            return 1;
        std::printf("%lu\n", static_cast<unsigned long>(child.dwProcessId));
        std::fflush(stdout);
        for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
    }
#endif
    if (args[0] == "pid") {
#ifdef _WIN32
        std::printf("%lu\n", static_cast<unsigned long>(::GetCurrentProcessId()));
#else
        std::printf("%ld\n", static_cast<long>(::getpid()));
#endif
        std::fflush(stdout);
        for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    if (args[0] == "hang") {
        for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    return 2;
}
