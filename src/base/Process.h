// Starting another program, the one way the project does it: the renderer
// once per glyph, or once per batch with requests on its stdin. The program
// is given by its path and an argument list, never through a shell, so no
// character of a font name means anything to anybody but the program. It
// runs in a current folder of the caller's choice, with nothing inherited
// from the caller but its environment: no open files, stdin on the null
// device or a pipe of the caller's, its output thrown away or kept for the
// caller. It runs in a process group of its own, and that whole group is
// ended when the caller is done with it (a script's children included), when
// a time limit passes, when the caller cancels, and when the caller is
// interrupted (StopRunningProcesses from a signal handler).
//
// ProcessPosix.cpp holds the POSIX back end (posix_spawn, a process group of
// its own, a pidfd to wait on), ProcessWindows.cpp the Windows one
// (CreateProcessW with a quoted command line, a job object, waits in slices
// with the time limit), chosen in CMakeLists.txt as the file layer's is. On
// Windows the job object plays the process group's part, and an exception
// status (0xC0000005 ...) is an Error as a signal is.
#pragma once

#include "Error.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glyphora {

// Asked every few milliseconds while the caller waits on a program; false
// stops the program at once (the caller cancelled).
using KeepGoing = std::function<bool()>;

struct ProcessRequest {
    std::string program;                 // a path (a relative one from the caller's folder); PATH is not searched
    std::vector<std::string> arguments;  // after the program's own name
    std::string currentFolder;           // empty: the caller's
    // Zero: wait as long as it takes.
    std::chrono::milliseconds timeout{0};
    KeepGoing keepGoing;  // empty: never cancelled
};

// What the program wrote, when the caller keeps it (each up to kKeptOutput
// bytes; the rest is read and dropped, so the program never blocks on it).
struct ProcessOutput {
    std::string out;
    std::string err;
};

inline constexpr std::size_t kKeptOutput = std::size_t{64} * 1024;
// How often a wait looks at KeepGoing: a cancel takes effect within this.
inline constexpr std::chrono::milliseconds kCancelPoll{10};

// The program's exit status once it has ended. An Error when it could not be
// started (Missing when nothing is at its path), when a signal ended it, when
// it ran past the time limit or the caller cancelled (Failed: it was killed
// and waited for). Without `output` the program's stdout and stderr go to the
// null device.
Result<int> RunProcess(const ProcessRequest& request, ProcessOutput* output = nullptr);

struct WindowsChild;

// A program the caller talks to: requests on its stdin, answers read from its
// stdout, its stderr kept (the last kKeptOutput bytes). Every wait ends at the
// request's time limit counted from the start (the reading included), or
// when keepGoing says so; either way the program's group is ended first.
// The group is also ended when the object goes.
class ChildProcess {
public:
    static Result<ChildProcess> Start(const ProcessRequest& request);
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&&) = delete;
    ChildProcess(const ChildProcess&) = delete;
    ~ChildProcess();

    // All of `bytes` to its stdin.
    Status write(std::string_view bytes);
    // One line of its stdout without the '\n' (at most `limit` bytes), or
    // exactly `count` bytes. Missing when the program closed its stdout first.
    Result<std::string> readLine(std::size_t limit);
    Result<std::string> read(std::size_t count);
    // Closes its stdin and waits for its end: its exit status, or an error as
    // RunProcess gives one.
    Result<int> finish();
    // Ends its group at once and waits for it.
    void stop();
    // The time limit counts again from now (for the next answer).
    void restartClock();
    // Who is asked from now on whether to go on (a program kept for several
    // jobs serves a caller of each).
    void setKeepGoing(KeepGoing keepGoing) { request_.keepGoing = std::move(keepGoing); }

    bool cancelled() const { return cancelled_; }
    const std::string& errorOutput() const { return err_; }
    const std::string& program() const { return request_.program; }

private:
    // The time limit counts from here.
    explicit ChildProcess(ProcessRequest request);
    // Waits until stdout has data, stdin has room, or the program ended.
    Status waitFor(bool forWriting);
    // Takes what the program wrote to stdout so far into buffer_.
    void fillBuffer();
    // Whether stdout is at its end, with all it held in buffer_.
    bool outputEnded();
    // What `from` finds in buffer_ (an answer, or an error), waiting for more
    // output until it finds something or the output ends.
    Result<std::string> take(const std::function<std::optional<Result<std::string>>()>& from);
    Error stopWith(std::string message);
    // Stops the program when the caller cancelled or the time limit passed.
    Status stopIfDue();
#ifdef _WIN32
    void takeErrors();
#endif

    ProcessRequest request_;
#ifdef _WIN32
    // The process, its job, its pipes and the threads that read them.
    std::shared_ptr<WindowsChild> win_;
#endif
    int pid_ = -1;
    int in_ = -1, out_ = -1, err_fd_ = -1, pidfd_ = -1;
    std::string buffer_;  // read from stdout, not yet taken
    std::string err_;
    std::chrono::steady_clock::time_point deadline_{};
    bool cancelled_ = false;
    bool reaped_ = false;
    int status_ = 0;
    friend Result<int> RunProcess(const ProcessRequest&, ProcessOutput*);
    static Result<ChildProcess> Spawn(const ProcessRequest& request, bool withInput, bool keepOutput);
};

// Ends the group of every program started here that has not been waited for
// yet. Safe to call from a signal handler; for the handlers of SIGINT and
// SIGTERM, so an interrupted caller leaves no renderer running.
void StopRunningProcesses() noexcept;

// Makes SIGINT and SIGTERM (Ctrl-C, a kill) end the running programs' groups
// first, remove what RemovedOnSignal names, then end this process as the
// signal would have ended it.
void StopRunningProcessesOnSignals();

// While it lives, an interrupted run removes these paths once its programs
// are ended, in the order given: the files a program leaves in a scratch
// folder of this run, then the folders, each only when empty by then. What
// is left (a kill that no handler sees, a file of another name) goes with
// the next run's sweep of what ended processes left.
class RemovedOnSignal {
public:
    explicit RemovedOnSignal(const std::vector<std::string>& paths);
    ~RemovedOnSignal();
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

private:
    int slot_ = -1;  // none: more scratch folders at once than there are places for
};

}  // namespace glyphora
