// Starting a program on POSIX systems: posix_spawn (glibc spawns with a
// shared-memory clone, cheaper than fork for a large parent such as the
// editor), the child in a process group of its own so that a time limit can
// stop whatever it started too, and a pidfd to wait on its end and its output
// at once. Where the kernel has no pidfd the wait polls.
#include "Process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>

extern char** environ;

namespace glyphora {

namespace {

using Clock = std::chrono::steady_clock;

// A descriptor closed when it goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }
    int get() const { return fd_; }
    bool open() const { return fd_ >= 0; }
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    void adopt(int fd) {
        reset();
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

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

std::string Quoted(const std::string& program) { return "'" + program + "'"; }

std::string Seconds(std::chrono::milliseconds span) {
    char text[32];
    const double s = static_cast<double>(span.count()) / 1000.0;
    if (s == std::floor(s))
        std::snprintf(text, sizeof text, "%.0f s", s);
    else
        std::snprintf(text, sizeof text, "%.1f s", s);
    return text;
}

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

bool ReapBlocking(pid_t pid, int& status) {
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

// Reads what is there; closes the descriptor at the end of the stream.
void Drain(Descriptor& fd, std::string* kept) {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n > 0) {
            if (kept && kept->size() < kKeptOutput)
                kept->append(buffer, std::min(static_cast<std::size_t>(n), kKeptOutput - kept->size()));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) fd.reset();
        return;
    }
}

}  // namespace

Result<int> RunProcess(const ProcessRequest& request, ProcessOutput* output) {
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

    Descriptor outRead, errRead, outWrite, errWrite;
    if (output) {
        int out[2], err[2];
        if (::pipe2(out, O_CLOEXEC) != 0) return StartError(program, errno);
        outRead.adopt(out[0]);
        outWrite.adopt(out[1]);
        if (::pipe2(err, O_CLOEXEC) != 0) return StartError(program, errno);
        errRead.adopt(err[0]);
        errWrite.adopt(err[1]);
        ::fcntl(outRead.get(), F_SETFL, O_NONBLOCK);
        ::fcntl(errRead.get(), F_SETFL, O_NONBLOCK);
    }

    SpawnSetup setup;
    int setupError = 0;
    auto check = [&setupError](int rc) {
        if (rc != 0 && setupError == 0) setupError = rc;
    };
    check(posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0));
    if (output) {
        check(posix_spawn_file_actions_adddup2(&setup.actions, outWrite.get(), 1));
        check(posix_spawn_file_actions_adddup2(&setup.actions, errWrite.get(), 2));
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
    outWrite.reset();
    errWrite.reset();

    int status = 0;
    bool ended = false;
    // The whole group: a script's children go too, and with them the last
    // writers of the pipes.
    auto stop = [pid, &status] {
        ::kill(-pid, SIGKILL);
        ::kill(pid, SIGKILL);
        ReapBlocking(pid, status);
    };
    const bool limited = request.timeout.count() > 0;
    if (!output && !limited) {
        if (!ReapBlocking(pid, status))
            return MakeError(ErrorKind::Failed,
                             "cannot learn how " + Quoted(program) + " ended: " + std::strerror(errno));
        ended = true;
    }

    const Clock::time_point deadline = Clock::now() + request.timeout;
    Descriptor pidfd(ended ? -1 : PidfdOpen(pid));
    while (!ended) {
        pollfd watched[3];
        nfds_t count = 0;
        if (pidfd.open()) watched[count++] = {pidfd.get(), POLLIN, 0};
        if (outRead.open()) watched[count++] = {outRead.get(), POLLIN, 0};
        if (errRead.open()) watched[count++] = {errRead.get(), POLLIN, 0};

        int wait = -1;
        if (limited) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            wait = static_cast<int>(std::max<long long>(0, left));
        }
        // Without a pidfd nothing wakes us at the child's end: look every few milliseconds.
        if (!pidfd.open()) wait = wait < 0 ? 2 : std::min(wait, 2);

        const int ready = count ? ::poll(watched, count, wait) : (::usleep(static_cast<useconds_t>(wait) * 1000), 0);
        if (ready < 0 && errno != EINTR) {
            const int err = errno;
            stop();
            return MakeError(ErrorKind::Failed, "cannot wait for " + Quoted(program) + ": " + std::strerror(err));
        }
        if (outRead.open()) Drain(outRead, output ? &output->out : nullptr);
        if (errRead.open()) Drain(errRead, output ? &output->err : nullptr);

        const pid_t reaped = ::waitpid(pid, &status, WNOHANG);
        if (reaped == pid) {
            ended = true;
        } else if (reaped < 0 && errno != EINTR) {
            return MakeError(ErrorKind::Failed,
                             "cannot learn how " + Quoted(program) + " ended: " + std::strerror(errno));
        } else if (limited && Clock::now() >= deadline) {
            stop();
            return MakeError(ErrorKind::Failed,
                             Quoted(program) + " did not end within " + Seconds(request.timeout) + " and was stopped");
        }
    }
    // What the child wrote before it ended is in the pipes now; a grandchild
    // that still holds them is not waited for.
    if (outRead.open()) Drain(outRead, output ? &output->out : nullptr);
    if (errRead.open()) Drain(errRead, output ? &output->err : nullptr);

    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        const char* name = ::strsignal(signal);
        return MakeError(ErrorKind::Failed, Quoted(program) + " was ended by signal " + std::to_string(signal) +
                                                (name ? std::string(" (") + name + ")" : std::string()));
    }
    return MakeError(ErrorKind::Failed, "cannot learn how " + Quoted(program) + " ended");
}

}  // namespace glyphora
