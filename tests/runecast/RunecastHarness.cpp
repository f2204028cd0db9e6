#include "RunecastHarness.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace glyphora::testing {

namespace {

std::string Slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

uint32_t Le(const std::string& b, std::size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

}  // namespace

RenderRun RunRenderer(const std::filesystem::path& folder, const std::vector<std::string>& args,
                      const std::vector<std::string>& env, const std::string& input) {
    // The child's output goes to files beside its folder, not into it.
    const std::filesystem::path outFile = folder.string() + ".out";
    const std::filesystem::path errFile = folder.string() + ".err";
    int pipeFds[2] = {-1, -1};
    if (pipe(pipeFds) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[0], STDIN_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || chdir(folder.c_str()) != 0) _exit(126);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv{const_cast<char*>(RUNECAST)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(RUNECAST, argv.data());
        _exit(127);
    }
    close(pipeFds[0]);
    std::signal(SIGPIPE, SIG_IGN);  // a renderer that stops reading early
    for (std::size_t at = 0; at < input.size();) {
        const ssize_t n = write(pipeFds[1], input.data() + at, input.size() - at);
        if (n <= 0) break;
        at += static_cast<std::size_t>(n);
    }
    close(pipeFds[1]);
    RenderRun run;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    run.out = Slurp(outFile);
    run.err = Slurp(errFile);
    return run;
}

int Picture::ink() const {
    int n = 0;
    for (const std::string& r : rows) n += static_cast<int>(std::count(r.begin(), r.end(), '#'));
    return n;
}

int Picture::topInkRow() const {
    for (int y = 0; y < height(); ++y) {
        if (rows[static_cast<std::size_t>(y)].find('#') != std::string::npos) return y;
    }
    return -1;
}

int Picture::bottomInkRow() const {
    for (int y = height() - 1; y >= 0; --y) {
        if (rows[static_cast<std::size_t>(y)].find('#') != std::string::npos) return y;
    }
    return -1;
}

int Picture::leftInkColumn() const {
    int left = -1;
    for (const std::string& r : rows) {
        const auto x = r.find('#');
        if (x != std::string::npos && (left < 0 || static_cast<int>(x) < left)) left = static_cast<int>(x);
    }
    return left;
}

std::string Picture::text() const {
    std::string t;
    for (const std::string& r : rows) t += r + "\n";
    return t;
}

BmpRead ReadMonoBmp(const std::filesystem::path& file) {
    if (!std::filesystem::exists(file)) return {std::nullopt, "no " + file.filename().string()};
    const std::string b = Slurp(file);
    if (b.size() < 62 || b[0] != 'B' || b[1] != 'M') return {std::nullopt, "not a BMP file"};
    if (Le(b, 2, 4) != b.size()) return {std::nullopt, "file size field is " + std::to_string(Le(b, 2, 4))};
    const uint32_t offset = Le(b, 10, 4);
    const auto width = static_cast<int32_t>(Le(b, 18, 4));
    const auto height = static_cast<int32_t>(Le(b, 22, 4));
    if (Le(b, 14, 4) != 40) return {std::nullopt, "not a BITMAPINFOHEADER"};
    if (Le(b, 28, 2) != 1 || Le(b, 30, 4) != 0) return {std::nullopt, "not 1 bit per pixel, uncompressed"};
    if (width < 1 || height < 1) return {std::nullopt, "not a bottom-up bitmap of at least 1x1"};
    if (Le(b, 54, 4) != 0x000000 || Le(b, 58, 4) != 0xFFFFFF) return {std::nullopt, "colour table is not black, white"};
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    if (offset < 62 || offset + rowBytes * static_cast<std::size_t>(height) != b.size()) {
        return {std::nullopt, "pixel data does not fill the file"};
    }
    Picture picture;
    for (int y = height - 1; y >= 0; --y) {  // the file holds the bottom row first
        const std::size_t row = offset + static_cast<std::size_t>(y) * rowBytes;
        std::string line;
        for (int x = 0; x < width; ++x) {
            const auto byte = static_cast<uint8_t>(b[row + static_cast<std::size_t>(x / 8)]);
            line += (byte & (0x80 >> (x % 8))) ? '.' : '#';
        }
        picture.rows.push_back(line);
    }
    return {picture, ""};
}

}  // namespace glyphora::testing
