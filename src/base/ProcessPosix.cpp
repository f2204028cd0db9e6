// Starting a program on POSIX systems: posix_spawn (glibc spawns with a
// shared-memory clone, cheaper than fork for a large parent such as the
// editor), the child in a process group of its own so that the end of a
// batch, a time limit or a cancel stops whatever it started too, and a pidfd
// to wait on its end and its output at once. Where the kernel has no pidfd
// the wait polls.
//
// The group is ended before the program is reaped: while the ended program
// is a zombie its process-group id cannot be handed to anybody else, so the
// kill can never reach a stranger.
#include "Process.h"

#include "ProcessNative.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>

extern char** environ;

namespace glyphora {

using process_native::Quoted;

namespace {

using Clock = std::chrono::steady_clock;

// The groups of the programs not yet reaped, for StopRunningProcesses.
std::array<std::atomic<pid_t>, 64> gRunning{};

void Register(pid_t pid) {
    for (std::atomic<pid_t>& slot : gRunning) {
        pid_t empty = 0;
        if (slot.compare_exchange_strong(empty, pid)) return;
    }
}

void Unregister(pid_t pid) {
    for (std::atomic<pid_t>& slot : gRunning) {
        pid_t mine = pid;
        if (slot.compare_exchange_strong(mine, 0)) return;
    }
}

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// The spawn's attributes and file actions, destroyed on every way out.
struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
};

// Both ends of a pipe, closed when it goes unless taken.
struct Pipe {
    int read = -1, write = -1;
    Pipe() = default;
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe() {
        CloseFd(read);
        CloseFd(write);
    }
    bool open() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return false;
        read = fds[0];
        write = fds[1];
        return true;
    }
    int take(int& end) {
        const int fd = end;
        end = -1;
        return fd;
    }
};

Error StartError(const std::string& program, int err) {
    return MakeError(err == ENOENT ? ErrorKind::Missing : ErrorKind::Failed,
                     "cannot start " + Quoted(program) + ": " + std::strerror(err));
}

int PidfdOpen(pid_t pid) {
#ifdef SYS_pidfd_open
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    return fd < 0 ? -1 : static_cast<int>(fd);
#else
    (void)pid;
    return -1;
#endif
}

// Whether the program has ended, without reaping it.
bool HasEnded(pid_t pid) {
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) return errno == ECHILD;
    return info.si_pid != 0;
}

// Reads what is there into `kept` (up to kKeptOutput bytes, or without limit
// when `unbounded`); closes the descriptor at the end of the stream.
void Drain(int& fd, std::string* kept, bool unbounded = false) {
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            if (kept) {
                const std::size_t room =
                    unbounded ? static_cast<std::size_t>(n) : kKeptOutput - std::min(kKeptOutput, kept->size());
                kept->append(buffer, std::min(static_cast<std::size_t>(n), room));
            }
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) CloseFd(fd);
        return;
    }
}

// write() on a pipe whose reader is gone raises SIGPIPE, which would end the
// caller: blocked for this thread meanwhile, and a pending one taken back.
ssize_t WriteNoSignal(int fd, const char* data, std::size_t size, int& err) {
    sigset_t pipeOnly, old;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeOnly, &old);
    const ssize_t n = ::write(fd, data, size);
    err = errno;
    if (n < 0 && err == EPIPE) {
        const timespec none{0, 0};
        while (::sigtimedwait(&pipeOnly, nullptr, &none) == SIGPIPE) {}
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return n;
}

}  // namespace

void StopRunningProcesses() noexcept {
    for (std::atomic<pid_t>& slot : gRunning) {
        const pid_t pid = slot.load();
        if (pid > 0) {
            ::kill(-pid, SIGKILL);
            ::kill(pid, SIGKILL);
        }
    }
}

void process_native::RemoveQuietly(const char* path) noexcept {
    if (::unlink(path) != 0) (void)::rmdir(path);
}

Result<ChildProcess> ChildProcess::Spawn(const ProcessRequest& request, bool withInput, bool keepOutput) {
    const std::string& program = request.program;
    if (!request.currentFolder.empty()) {
        struct stat folder {};
        if (::stat(request.currentFolder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
            return MakeError(ErrorKind::Missing, "cannot start " + Quoted(program) + ": its folder " +
                                                     Quoted(request.currentFolder) + " does not exist");
    }

    // The child changes folder before it starts the program: a relative path
    // is the caller's, so it is made whole first.
    std::string path = program;
    if (!request.currentFolder.empty() && !path.empty() && path.front() != '/') {
        char here[4096];
        if (::getcwd(here, sizeof here)) path = std::string(here) + "/" + path;
    }

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : request.arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    Pipe in, out, err;
    if (withInput && !in.open()) return StartError(program, errno);
    if (keepOutput && (!out.open() || !err.open())) return StartError(program, errno);

    SpawnSetup setup;
    int setupError = 0;
    auto check = [&setupError](int rc) {
        if (rc != 0 && setupError == 0) setupError = rc;
    };
    if (withInput)
        check(posix_spawn_file_actions_adddup2(&setup.actions, in.read, 0));
    else
        check(posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0));
    if (keepOutput) {
        check(posix_spawn_file_actions_adddup2(&setup.actions, out.write, 1));
        check(posix_spawn_file_actions_adddup2(&setup.actions, err.write, 2));
    } else {
        check(posix_spawn_file_actions_addopen(&setup.actions, 1, "/dev/null", O_WRONLY, 0));
        check(posix_spawn_file_actions_addopen(&setup.actions, 2, "/dev/null", O_WRONLY, 0));
    }
    if (!request.currentFolder.empty())
        check(posix_spawn_file_actions_addchdir_np(&setup.actions, request.currentFolder.c_str()));
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
    // No descriptor of the caller's reaches the child, marked close-on-exec or not.
    check(posix_spawn_file_actions_addclosefrom_np(&setup.actions, 3));
#endif

    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int s : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD}) sigaddset(&defaults, s);
    check(posix_spawnattr_setsigmask(&setup.attributes, &none));
    check(posix_spawnattr_setsigdefault(&setup.attributes, &defaults));
    check(posix_spawnattr_setpgroup(&setup.attributes, 0));
    check(posix_spawnattr_setflags(
        &setup.attributes, static_cast<short>(POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF)));
    if (setupError != 0) return StartError(program, setupError);

    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, path.c_str(), &setup.actions, &setup.attributes, argv.data(), environ);
    if (spawned != 0) return StartError(program, spawned);
    Register(pid);

    ChildProcess child(request);
    child.pid_ = pid;
    child.in_ = in.take(in.write);
    child.out_ = out.take(out.read);
    child.err_fd_ = err.take(err.read);
    for (int fd : {child.in_, child.out_, child.err_fd_})
        if (fd >= 0) ::fcntl(fd, F_SETFL, O_NONBLOCK);
    child.pidfd_ = PidfdOpen(pid);
    return child;
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : request_(std::move(other.request_)),
      pid_(other.pid_),
      in_(other.in_),
      out_(other.out_),
      err_fd_(other.err_fd_),
      pidfd_(other.pidfd_),
      buffer_(std::move(other.buffer_)),
      err_(std::move(other.err_)),
      deadline_(other.deadline_),
      cancelled_(other.cancelled_),
      reaped_(other.reaped_),
      status_(other.status_) {
    other.pid_ = other.in_ = other.out_ = other.err_fd_ = other.pidfd_ = -1;
    other.reaped_ = true;
}

ChildProcess::~ChildProcess() { stop(); }

void ChildProcess::stop() {
    if (pid_ > 0 && !reaped_) {
        ::kill(-pid_, SIGKILL);
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {}
        reaped_ = true;
        Unregister(pid_);
    }
    CloseFd(in_);
    CloseFd(out_);
    CloseFd(err_fd_);
    CloseFd(pidfd_);
}

Status ChildProcess::waitFor(bool forWriting) {
    for (;;) {
        if (Status due = stopIfDue(); !due) return due;
        const Clock::time_point now = Clock::now();

        pollfd watched[4];
        nfds_t count = 0;
        if (pidfd_ >= 0) watched[count++] = {pidfd_, POLLIN, 0};
        const nfds_t outIndex = count;
        if (out_ >= 0) watched[count++] = {out_, POLLIN, 0};
        if (err_fd_ >= 0) watched[count++] = {err_fd_, POLLIN, 0};
        const nfds_t inIndex = count;
        if (forWriting && in_ >= 0) watched[count++] = {in_, POLLOUT, 0};

        long long wait = 1000;
        if (deadline_ != Clock::time_point::max())
            wait = std::chrono::ceil<std::chrono::milliseconds>(deadline_ - now).count();
        if (request_.keepGoing) wait = std::min<long long>(wait, kCancelPoll.count());
        // Without a pidfd nothing wakes us at the child's end: look every few milliseconds.
        if (pidfd_ < 0) wait = std::min<long long>(wait, 2);
        const int ready = ::poll(watched, count, static_cast<int>(std::max<long long>(0, wait)));
        if (ready < 0 && errno != EINTR) {
            const int err = errno;
            return stopWith("cannot wait for " + Quoted(request_.program) + ": " + std::strerror(err));
        }
        if (err_fd_ >= 0) Drain(err_fd_, &err_);
        if (ready <= 0) {
            if (pidfd_ < 0 && HasEnded(pid_)) return {};
            continue;
        }
        if (out_ >= 0 && outIndex < count && watched[outIndex].revents) return {};
        if (forWriting && inIndex < count && watched[inIndex].revents) return {};
        if (pidfd_ >= 0 && watched[0].revents) return {};
    }
}

void ChildProcess::fillBuffer() {
    if (out_ >= 0) Drain(out_, &buffer_, /*unbounded=*/true);
}

Status ChildProcess::write(std::string_view bytes) {
    while (!bytes.empty()) {
        if (in_ < 0) return MakeError(ErrorKind::Failed, Quoted(request_.program) + " takes no more requests");
        int err = 0;
        const ssize_t n = WriteNoSignal(in_, bytes.data(), bytes.size(), err);
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && err == EINTR) continue;
        if (n < 0 && err != EAGAIN && err != EWOULDBLOCK) {
            CloseFd(in_);
            return MakeError(ErrorKind::Failed, Quoted(request_.program) + " ended before it took every request");
        }
        if (Status waited = waitFor(true); !waited) return waited;
        if (HasEnded(pid_) && in_ >= 0) {
            // Room may never come: a program that ended reads nothing more.
            pollfd room{in_, POLLOUT, 0};
            if (::poll(&room, 1, 0) <= 0) {
                CloseFd(in_);
                return MakeError(ErrorKind::Failed, Quoted(request_.program) + " ended before it took every request");
            }
        }
    }
    return {};
}

// A grandchild may hold the pipe open: once the program has ended, what it
// wrote is taken and its end is the stream's end. What was left may still
// complete the answer, so the end is told at the next look.
bool ChildProcess::outputEnded() {
    if (out_ < 0) return true;
    if (!HasEnded(pid_)) return false;
    fillBuffer();
    CloseFd(out_);
    return false;
}

Result<int> ChildProcess::finish() {
    CloseFd(in_);
    while (!reaped_ && !HasEnded(pid_)) {
        if (Status waited = waitFor(false); !waited) return waited.error();
        if (out_ >= 0) Drain(out_, &buffer_);
    }
    if (out_ >= 0) Drain(out_, &buffer_);
    if (err_fd_ >= 0) Drain(err_fd_, &err_);
    if (!reaped_) stop();  // the rest of the group goes with the reaping
    const std::string& program = request_.program;
    if (WIFEXITED(status_)) return WEXITSTATUS(status_);
    if (WIFSIGNALED(status_)) {
        const int signal = WTERMSIG(status_);
        const char* name = ::strsignal(signal);
        return MakeError(ErrorKind::Failed, Quoted(program) + " was ended by signal " + std::to_string(signal) +
                                                (name ? std::string(" (") + name + ")" : std::string()));
    }
    return MakeError(ErrorKind::Failed, "cannot learn how " + Quoted(program) + " ended");
}

}  // namespace glyphora
