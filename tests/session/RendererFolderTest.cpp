// The renderer's scratch folders in the temporary folder: those of runs that
// ended are swept when the next one is made, and an interrupted run removes
// its own.
#include <FileLeftovers.h>
#include <ProgramFiles.h>
#include <TempFolder.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#endif

namespace glyphora::testing {
namespace {

namespace fs = std::filesystem;

// TMPDIR names the folder while it lives.
class TemporaryFolderIs {
public:
    explicit TemporaryFolderIs(const std::string& folder) {
        if (const char* was = std::getenv("TMPDIR")) was_ = was;
        Set(folder);
    }
    ~TemporaryFolderIs() { Set(was_); }

private:
    static void Set(const std::string& value) {
#ifdef _WIN32
        _putenv_s("TMPDIR", value.c_str());
#else
        if (value.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", value.c_str(), 1);
#endif
    }
    std::string was_;
};

TEST(RendererFolder, ThoseOfEndedRunsAreSweptAndAnInterruptedRunRemovesItsOwn) {
    const TempFolder tmp;
    const TemporaryFolderIs scoped(tmp.root().string());
    struct Case {
        std::string name;
        bool swept;
    };
    // No system gives a process the first id; the test's own run is alive.
    const Case cases[] = {
        {"glyphora-render-999999996-a1B2c3", true},
        {"glyphora-render-" + std::to_string(CurrentProcessId()) + "-d4E5f6", false},
        {"glyphora-render.g7H8i9", false},  // no process id in it: not ours to judge
        {"glyphora-render-999999996", false},
    };
    for (const Case& c : cases) {
        fs::create_directories(tmp.root() / c.name / "files");
        tmp.writeText(c.name + "/files/temp.bmp", "BM");
    }
    {
        const Result<RendererFolder> folder = RendererFolder::For("Runecast");
        ASSERT_TRUE(folder) << folder.error().message;
        EXPECT_EQ(RendererFolderOwner(fs::path(folder->folder()).parent_path().filename().string()),
                  static_cast<long>(CurrentProcessId()));
        for (const Case& c : cases) EXPECT_EQ(fs::exists(tmp.root() / c.name), !c.swept) << c.name;
    }
    EXPECT_EQ(tmp.entries().size(), 3u) << "the folder goes with its object";

#ifndef _WIN32
    // Ctrl-C during a batch: the handler removes the folder and its bitmap.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        StopRunningProcessesOnSignals();
        const Result<RendererFolder> folder = RendererFolder::For("Runecast");
        if (!folder) ::_exit(3);
        std::FILE* bitmap = std::fopen((folder->folder() + "/temp.bmp").c_str(), "wb");
        if (bitmap) std::fclose(bitmap);
        std::raise(SIGINT);
        ::_exit(4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_EQ(tmp.entries().size(), 3u) << "the interrupted run left its folder";
#endif
}

}  // namespace
}  // namespace glyphora::testing
