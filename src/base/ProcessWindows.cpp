// Starting a program on Windows: CreateProcessW with the argument list quoted
// into one command line the way the C runtime (and CommandLineToArgvW) splits
// it again, the program's standard handles on the null device or on pipes,
// and no other handle inherited. The program starts suspended and is put into
// a job object of its own before it runs, so that whatever it starts is in
// the job too: a time limit, a cancel, StopRunningProcesses and the end of
// the ChildProcess end them all (the job is closed with KILL_ON_JOB_CLOSE).
// The program's stdout and stderr are read on threads of their own; the
// caller's waits are slices of at most kCancelPoll, so KeepGoing is asked
// that often.
#include "Process.h"

#include "ProcessNative.h"

#include "WideText.h"
#include "WindowsCommandLine.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace glyphora {

using process_native::Quoted;

namespace {

using Clock = std::chrono::steady_clock;

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

// The jobs of the programs not yet waited for, for StopRunningProcesses.
std::array<std::atomic<HANDLE>, 64> gRunning{};

void Register(HANDLE job) {
    for (std::atomic<HANDLE>& slot : gRunning) {
        HANDLE empty = nullptr;
        if (slot.compare_exchange_strong(empty, job)) return;
    }
}

void Unregister(HANDLE job) {
    for (std::atomic<HANDLE>& slot : gRunning) {
        HANDLE mine = job;
        if (slot.compare_exchange_strong(mine, nullptr)) return;
    }
}

// What the reading threads hand the caller.
struct Streams {
    std::mutex lock;
    std::condition_variable changed;
    std::string out, err;
    bool outEnded = false, errEnded = false;
};

// Reads a pipe to its end on a thread of its own, so the program never
// blocks on a full pipe while the caller waits. stdout is kept whole (the
// caller takes it); stderr keeps its first kKeptOutput bytes.
class PipeReader {
public:
    PipeReader(HANDLE pipe, Streams& streams, bool isOut)
        : pipe_(pipe), thread_([this, &streams, isOut] { run(streams, isOut); }) {}
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;
    // Called once the job has ended, which closes every writer of the pipe.
    ~PipeReader() { thread_.join(); }

private:
    void run(Streams& streams, bool isOut) {
        char buffer[4096];
        DWORD got = 0;
        while (::ReadFile(pipe_.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
            std::lock_guard<std::mutex> hold(streams.lock);
            std::string& kept = isOut ? streams.out : streams.err;
            const std::size_t room = isOut ? got : kKeptOutput - std::min(kKeptOutput, kept.size());
            kept.append(buffer, std::min<std::size_t>(got, room));
            streams.changed.notify_all();
        }
        std::lock_guard<std::mutex> hold(streams.lock);
        (isOut ? streams.outEnded : streams.errEnded) = true;
        streams.changed.notify_all();
    }
    Handle pipe_;
    std::thread thread_;
};

// A pipe one end of which the program inherits: the write end, or with
// childReads the read end.
bool MakePipe(Handle& readEnd, Handle& writeEnd, bool childReads = false) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE r = nullptr, w = nullptr;
    if (!::CreatePipe(&r, &w, &inherit, 64 * 1024)) return false;
    readEnd.reset(r);
    writeEnd.reset(w);
    return ::SetHandleInformation(childReads ? w : r, HANDLE_FLAG_INHERIT, 0) != 0;
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

struct WindowsChild {
    Handle process;
    Handle job;
    Handle input;
    bool inJob = false;
    Streams streams;
    std::optional<PipeReader> outReader, errReader;

    bool ended() const { return ::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }
    void end() {
        if (!process.open()) return;
        if (inJob) ::TerminateJobObject(job.get(), 1);
        ::TerminateProcess(process.get(), 1);
        ::WaitForSingleObject(process.get(), INFINITE);
    }
    ~WindowsChild() {
        end();
        input.reset();
        outReader.reset();
        errReader.reset();
        Unregister(job.get());
    }
};

void StopRunningProcesses() noexcept {
    for (std::atomic<HANDLE>& slot : gRunning)
        if (HANDLE job = slot.load()) ::TerminateJobObject(job, 1);
}

void process_native::RemoveQuietly(const wchar_t* path) noexcept {
    if (!::DeleteFileW(path)) (void)::RemoveDirectoryW(path);
}

Result<ChildProcess> ChildProcess::Spawn(const ProcessRequest& request, bool withInput, bool keepOutput) {
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
    Handle outRead, outWrite, errRead, errWrite, inRead, inWrite;
    if (keepOutput && (!MakePipe(outRead, outWrite) || !MakePipe(errRead, errWrite)))
        return StartError(program, ::GetLastError());
    if (withInput && !MakePipe(inRead, inWrite, /*childReads=*/true)) return StartError(program, ::GetLastError());

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = withInput ? inRead.get() : nul.get();
    startup.StartupInfo.hStdOutput = keepOutput ? outWrite.get() : nul.get();
    startup.StartupInfo.hStdError = keepOutput ? errWrite.get() : nul.get();
    std::vector<HANDLE> handles{nul.get()};
    if (keepOutput) handles.insert(handles.end(), {outWrite.get(), errWrite.get()});
    if (withInput) handles.push_back(inRead.get());
    InheritedHandles inherited(handles);
    if (!inherited.ok()) return StartError(program, ::GetLastError());
    startup.lpAttributeList = inherited.get();

    auto child = std::make_shared<WindowsChild>();
    Handle& job = child->job;
    job.reset(::CreateJobObjectW(nullptr, nullptr));
    if (!job.open()) return StartError(program, ::GetLastError());
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    ::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);

    PROCESS_INFORMATION started{};
    const DWORD flags = CREATE_SUSPENDED | CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT | NORMAL_PRIORITY_CLASS;
    if (!::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup.StartupInfo, &started))
        return StartError(program, ::GetLastError());
    child->process.reset(started.hProcess);
    Handle thread(started.hThread);
    // Where the caller's own job forbids a nested one (before Windows 8) the
    // program still runs; a time limit then ends the program alone.
    child->inJob = ::AssignProcessToJobObject(job.get(), child->process.get()) != 0;
    if (child->inJob) Register(job.get());
    ::ResumeThread(thread.get());
    thread.reset();
    outWrite.reset();
    errWrite.reset();
    inRead.reset();
    child->input.reset(inWrite.release());
    // The readers end when the last writer is gone: the program and what it
    // started, which ending the job takes care of.
    if (keepOutput) {
        child->outReader.emplace(outRead.release(), child->streams, true);
        child->errReader.emplace(errRead.release(), child->streams, false);
    } else {
        child->streams.outEnded = child->streams.errEnded = true;
    }

    ChildProcess result(request);
    result.win_ = std::move(child);
    return result;
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : request_(std::move(other.request_)),
      win_(std::move(other.win_)),
      buffer_(std::move(other.buffer_)),
      err_(std::move(other.err_)),
      deadline_(other.deadline_),
      cancelled_(other.cancelled_),
      reaped_(other.reaped_),
      status_(other.status_) {
    other.reaped_ = true;
}

ChildProcess::~ChildProcess() { stop(); }

void ChildProcess::stop() {
    if (!win_) return;
    win_->end();
    reaped_ = true;
    takeErrors();
    win_.reset();
}

void ChildProcess::fillBuffer() {
    if (!win_) return;
    std::lock_guard<std::mutex> hold(win_->streams.lock);
    buffer_ += win_->streams.out;
    win_->streams.out.clear();
    err_ = win_->streams.err;
}

// Until stdout has something (or its end), or the program ended; in slices
// of at most kCancelPoll, asking keepGoing between them.
Status ChildProcess::waitFor(bool /*forWriting*/) {
    for (;;) {
        if (Status due = stopIfDue(); !due) return due;
        const Clock::time_point now = Clock::now();
        if (!win_) return {};
        std::unique_lock<std::mutex> hold(win_->streams.lock);
        if (!win_->streams.out.empty() || win_->streams.outEnded) return {};
        if (win_->ended()) return {};
        auto slice = std::chrono::duration_cast<Clock::duration>(kCancelPoll);
        if (deadline_ - now < slice) slice = deadline_ - now;
        win_->streams.changed.wait_for(hold, slice);
    }
}

Status ChildProcess::write(std::string_view bytes) {
    // The pipe holds a batch's requests; a program that stops reading ends
    // the write with its own end (the job's time limit is the caller's).
    while (!bytes.empty()) {
        if (!win_ || !win_->input.open())
            return MakeError(ErrorKind::Failed, Quoted(request_.program) + " takes no more requests");
        DWORD put = 0;
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!::WriteFile(win_->input.get(), bytes.data(), size, &put, nullptr)) {
            win_->input.reset();
            return MakeError(ErrorKind::Failed, Quoted(request_.program) + " ended before it took every request");
        }
        bytes.remove_prefix(put);
    }
    return {};
}

// stdout is at its end, or the program ended and what it wrote is taken (a
// grandchild may hold the pipe open: the program's end is the stream's end).
bool ChildProcess::outputEnded() {
    if (!win_) return true;
    {
        std::lock_guard<std::mutex> hold(win_->streams.lock);
        if (win_->streams.outEnded && win_->streams.out.empty()) return true;
        if (!win_->ended()) return false;
    }
    // Its last writes may still be on their way through the reader.
    std::this_thread::sleep_for(std::chrono::milliseconds{2});
    fillBuffer();
    std::lock_guard<std::mutex> hold(win_->streams.lock);
    return win_->streams.outEnded || win_->streams.out.empty();
}

void ChildProcess::takeErrors() {
    if (!win_) return;
    std::lock_guard<std::mutex> hold(win_->streams.lock);
    err_ = win_->streams.err;
}

Result<int> ChildProcess::finish() {
    if (!win_) return MakeError(ErrorKind::Failed, "cannot learn how " + Quoted(request_.program) + " ended");
    win_->input.reset();
    while (!win_->ended())
        if (Status waited = waitFor(false); !waited) return waited.error();
    DWORD code = 0;
    const bool known = ::GetExitCodeProcess(win_->process.get(), &code) != 0;
    // The rest of the job goes, and the readers see their pipes' ends.
    win_->end();
    win_->outReader.reset();
    win_->errReader.reset();
    fillBuffer();
    stop();
    const std::string& program = request_.program;
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
