// The part of the process runner that is the same on every system: the
// time limit and the cancel, the messages that name the program, reading
// the answers out of what the program wrote, RunProcess over a ChildProcess
// without input, and the signal handler. ProcessPosix.cpp and
// ProcessWindows.cpp start, wait for, read and end the program.
#include "Process.h"

#include "ProcessNative.h"
#include "Utf8Path.h"

#include <array>
#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <memory>

namespace glyphora {

using process_native::Quoted;

namespace {

using Clock = std::chrono::steady_clock;

std::string Seconds(std::chrono::milliseconds span) {
    char text[32];
    const double s = static_cast<double>(span.count()) / 1000.0;
    if (s == std::floor(s))
        std::snprintf(text, sizeof text, "%.0f s", s);
    else
        std::snprintf(text, sizeof text, "%.1f s", s);
    return text;
}

// The paths of each live RemovedOnSignal, made before the handler may need
// them: it only reads them.
std::array<std::atomic<std::vector<std::filesystem::path>*>, 16> gRemovedOnSignal{};

extern "C" void StopOnSignal(int signal) {
    StopRunningProcesses();
    for (auto& slot : gRemovedOnSignal)
        if (const std::vector<std::filesystem::path>* paths = slot.load())
            for (const std::filesystem::path& path : *paths) process_native::RemoveQuietly(path.c_str());
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

RemovedOnSignal::RemovedOnSignal(const std::vector<std::string>& paths) {
    auto owned = std::make_unique<std::vector<std::filesystem::path>>();
    for (const std::string& path : paths) owned->push_back(PathFromUtf8(path));
    for (std::size_t i = 0; i < gRemovedOnSignal.size(); ++i) {
        std::vector<std::filesystem::path>* empty = nullptr;
        if (gRemovedOnSignal[i].compare_exchange_strong(empty, owned.get())) {
            (void)owned.release();  // the slot holds the list now
            slot_ = static_cast<int>(i);
            return;
        }
    }
}

RemovedOnSignal::~RemovedOnSignal() {
    if (slot_ >= 0) delete gRemovedOnSignal[static_cast<std::size_t>(slot_)].exchange(nullptr);
}

void StopRunningProcessesOnSignals() {
    std::signal(SIGINT, StopOnSignal);
    std::signal(SIGTERM, StopOnSignal);
}

std::string process_native::Quoted(const std::string& program) { return "'" + program + "'"; }

ChildProcess::ChildProcess(ProcessRequest request)
    : request_(std::move(request)),
      deadline_(request_.timeout.count() > 0 ? Clock::now() + request_.timeout : Clock::time_point::max()) {}

Result<ChildProcess> ChildProcess::Start(const ProcessRequest& request) { return Spawn(request, true, true); }

void ChildProcess::restartClock() {
    if (request_.timeout.count() > 0) deadline_ = Clock::now() + request_.timeout;
}

Error ChildProcess::stopWith(std::string message) {
    stop();
    return MakeError(ErrorKind::Failed, std::move(message));
}

Status ChildProcess::stopIfDue() {
    if (request_.keepGoing && !request_.keepGoing()) {
        cancelled_ = true;
        return stopWith(Quoted(request_.program) + " was stopped: the user cancelled");
    }
    if (Clock::now() >= deadline_)
        return stopWith(Quoted(request_.program) + " did not end within " + Seconds(request_.timeout) +
                        " and was stopped");
    return {};
}

Result<std::string> ChildProcess::take(const std::function<std::optional<Result<std::string>>()>& from) {
    // An answer read with an earlier one costs no read.
    if (std::optional<Result<std::string>> found = from()) return std::move(*found);
    for (;;) {
        fillBuffer();
        if (std::optional<Result<std::string>> found = from()) return std::move(*found);
        if (outputEnded()) return MakeError(ErrorKind::Missing, Quoted(request_.program) + " ended before it answered");
        if (Status waited = waitFor(false); !waited) return waited.error();
    }
}

Result<std::string> ChildProcess::readLine(std::size_t limit) {
    return take([&]() -> std::optional<Result<std::string>> {
        const std::size_t end = buffer_.find('\n');
        if (end != std::string::npos && end <= limit) {
            std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return line;
        }
        if (buffer_.size() > limit)
            return stopWith(Quoted(request_.program) + " answered with a line longer than " + std::to_string(limit) +
                            " bytes");
        return std::nullopt;
    });
}

Result<std::string> ChildProcess::read(std::size_t count) {
    return take([&]() -> std::optional<Result<std::string>> {
        if (buffer_.size() < count) return std::nullopt;
        std::string bytes = buffer_.substr(0, count);
        buffer_.erase(0, count);
        return bytes;
    });
}

Result<int> RunProcess(const ProcessRequest& request, ProcessOutput* output) {
    Result<ChildProcess> child = ChildProcess::Spawn(request, false, output != nullptr);
    if (!child) return child.error();
    Result<int> status = child->finish();
    if (output) {
        output->out = child->buffer_.substr(0, kKeptOutput);
        output->err = child->err_;
    }
    return status;
}

}  // namespace glyphora
