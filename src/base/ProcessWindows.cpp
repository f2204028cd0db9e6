// Starting a program on Windows: CreateProcessW with the argument list quoted
// into one command line the way the C runtime (and CommandLineToArgvW) splits
// it again, the program's standard handles on the null device or on pipes,
// and no other handle inherited. The program starts suspended and is put into
// a job object of its own before it runs, so that whatever it starts is in
// the job too: a time limit ends them all, and so does the end of the call
// (the job is closed with KILL_ON_JOB_CLOSE).
#include "Process.h"

#include "WideText.h"
#include "WindowsCommandLine.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <thread>
#include <utility>

namespace glyphora {

namespace {

std::string Quoted(const std::string& program) { return "'" + program + "'"; }

std::string Seconds(std::chrono::milliseconds span) {
    char text[32];
    const long long ms = span.count();
    if (ms % 1000 == 0)
        std::snprintf(text, sizeof text, "%lld s", ms / 1000);
    else
        std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(ms) / 1000.0);
    return text;
}

Error StartError(const std::string& program, DWORD code) {
    const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
    return MakeError(missing ? ErrorKind::Missing : ErrorKind::Failed,
                     "cannot start " + Quoted(program) + ": " + SystemMessage(code));
}

// A handle closed when it goes.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE h) : handle_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { reset(); }
    HANDLE get() const { return handle_; }
    bool open() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE h = nullptr) {
        if (open()) ::CloseHandle(handle_);
        handle_ = h;
    }
    HANDLE release() { return std::exchange(handle_, nullptr); }

private:
    HANDLE handle_ = nullptr;
};

// Reads a pipe to its end on a thread of its own, keeping the first
// kKeptOutput bytes; so the program never blocks on a full pipe while the
// caller waits for its end.
class PipeReader {
public:
    PipeReader(HANDLE pipe, std::string* kept) : pipe_(pipe), thread_([this, kept] { run(kept); }) {}
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;
    ~PipeReader() { thread_.join(); }

private:
    void run(std::string* kept) {
        char buffer[4096];
        DWORD got = 0;
        while (::ReadFile(pipe_.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
            if (kept && kept->size() < kKeptOutput)
                kept->append(buffer, std::min<std::size_t>(got, kKeptOutput - kept->size()));
        }
    }
    Handle pipe_;
    std::thread thread_;
};

// A pipe whose write end the program inherits.
bool MakePipe(Handle& readEnd, Handle& writeEnd) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE r = nullptr, w = nullptr;
    if (!::CreatePipe(&r, &w, &inherit, 0)) return false;
    readEnd.reset(r);
    writeEnd.reset(w);
    return ::SetHandleInformation(r, HANDLE_FLAG_INHERIT, 0) != 0;
}

// The attribute list that limits inheritance to the given handles.
class InheritedHandles {
public:
    explicit InheritedHandles(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
        SIZE_T size = 0;
        ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        list_ = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        ok_ = ::InitializeProcThreadAttributeList(list_, 1, 0, &size) &&
              ::UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                          handles_.size() * sizeof(HANDLE), nullptr, nullptr);
    }
    InheritedHandles(const InheritedHandles&) = delete;
    InheritedHandles& operator=(const InheritedHandles&) = delete;
    ~InheritedHandles() {
        if (list_) ::DeleteProcThreadAttributeList(list_);
    }
    bool ok() const { return ok_; }
    LPPROC_THREAD_ATTRIBUTE_LIST get() const { return list_; }

private:
    std::vector<HANDLE> handles_;
    std::vector<char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
    bool ok_ = false;
};

std::wstring WindowsPath(const std::string& path) {
    std::wstring wide = Wide(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

}  // namespace

Result<int> RunProcess(const ProcessRequest& request, ProcessOutput* output) {
    const std::string& program = request.program;
    std::wstring folder;
    if (!request.currentFolder.empty()) {
        folder = WindowsPath(request.currentFolder);
        const DWORD attributes = ::GetFileAttributesW(folder.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return MakeError(ErrorKind::Missing, "cannot start " + Quoted(program) + ": its folder " +
                                                     Quoted(request.currentFolder) + " does not exist");
    }
    // A relative path is the caller's, not the new current folder's.
    std::wstring application = WindowsPath(program);
    {
        const DWORD n = ::GetFullPathNameW(application.c_str(), 0, nullptr, nullptr);
        std::wstring full(n, L'\0');
        if (n && ::GetFullPathNameW(application.c_str(), n, full.data(), nullptr) < n) {
            full.resize(full.find(L'\0'));
            application = full;
        }
    }
    std::wstring commandLine = Wide(WindowsCommandLine(program, request.arguments));
    if (commandLine.size() >= 32767)
        return MakeError(ErrorKind::Failed, "cannot start " + Quoted(program) + ": its command line is too long");

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    Handle nul(::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr));
    if (!nul.open()) return StartError(program, ::GetLastError());
    Handle outRead, outWrite, errRead, errWrite;
    if (output && (!MakePipe(outRead, outWrite) || !MakePipe(errRead, errWrite)))
        return StartError(program, ::GetLastError());

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = nul.get();
    startup.StartupInfo.hStdOutput = output ? outWrite.get() : nul.get();
    startup.StartupInfo.hStdError = output ? errWrite.get() : nul.get();
    std::vector<HANDLE> handles{nul.get()};
    if (output) handles.insert(handles.end(), {outWrite.get(), errWrite.get()});
    InheritedHandles inherited(handles);
    if (!inherited.ok()) return StartError(program, ::GetLastError());
    startup.lpAttributeList = inherited.get();

    Handle job(::CreateJobObjectW(nullptr, nullptr));
    if (!job.open()) return StartError(program, ::GetLastError());
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);

    PROCESS_INFORMATION started{};
    const DWORD flags = CREATE_SUSPENDED | CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT | NORMAL_PRIORITY_CLASS;
    if (!::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup.StartupInfo, &started))
        return StartError(program, ::GetLastError());
    Handle process(started.hProcess);
    Handle thread(started.hThread);
    // Where the caller's own job forbids a nested one (before Windows 8) the
    // program still runs; a time limit then ends the program alone.
    const bool inJob = ::AssignProcessToJobObject(job.get(), process.get()) != 0;
    ::ResumeThread(thread.get());
    thread.reset();
    outWrite.reset();
    errWrite.reset();

    // The readers end when the last writer is gone: the program and what it
    // started, which ending the job takes care of.
    auto stopAll = [&] {
        if (inJob) ::TerminateJobObject(job.get(), 1);
        ::TerminateProcess(process.get(), 1);
        ::WaitForSingleObject(process.get(), INFINITE);
    };
    std::optional<PipeReader> outReader, errReader;
    if (output) {
        outReader.emplace(outRead.release(), &output->out);
        errReader.emplace(errRead.release(), &output->err);
    }
    const DWORD limit = request.timeout.count() > 0 ? static_cast<DWORD>(request.timeout.count()) : INFINITE;
    const DWORD waited = ::WaitForSingleObject(process.get(), limit);
    DWORD code = 0;
    const bool known = waited == WAIT_OBJECT_0 && ::GetExitCodeProcess(process.get(), &code);
    stopAll();
    outReader.reset();
    errReader.reset();

    if (waited == WAIT_TIMEOUT)
        return MakeError(ErrorKind::Failed,
                         Quoted(program) + " did not end within " + Seconds(request.timeout) + " and was stopped");
    if (!known) return MakeError(ErrorKind::Failed, "cannot learn how " + Quoted(program) + " ended");
    // An exception status (0xC0000005 and the like), not a code of the program's.
    if ((code & 0xF0000000u) == 0xC0000000u) {
        char text[64];
        std::snprintf(text, sizeof text, " ended with exception 0x%08lX", static_cast<unsigned long>(code));
        return MakeError(ErrorKind::Failed, Quoted(program) + text);
    }
    return static_cast<int>(code);
}

}  // namespace glyphora
