#include <FileLayer.h>

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>

namespace glyphora {
namespace {

class FileLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/glyphora-fileio-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0700);
        const std::string command = "rm -rf '" + dir_ + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }

    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    void put(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
    }

    std::string contents(const std::string& name) const {
        const Result<std::vector<uint8_t>> f = ReadWholeFile(path(name));
        EXPECT_TRUE(f) << f.error().message;
        return f ? std::string(f->begin(), f->end()) : std::string();
    }

    std::vector<std::string> names() const {
        std::vector<std::string> found;
        if (DIR* d = ::opendir(dir_.c_str())) {
            while (dirent* e = ::readdir(d))
                if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") found.push_back(e->d_name);
            ::closedir(d);
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    static std::span<const uint8_t> Bytes(const std::string& text) {
        return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
    }

    // The message of a failed write, empty when it succeeded.
    static std::string Written(const Status& s) { return s ? std::string() : s.error().message; }

    std::string dir_;
};

TEST_F(FileLayerTest, ReadsWholeFilesAndNamesWhatFails) {
    put("a.smg", std::string("\0\1\2 langpack", 12));
    Result<std::vector<uint8_t>> f = ReadWholeFile(path("a.smg"));
    ASSERT_TRUE(f) << f.error().message;
    EXPECT_EQ(f->size(), 12u);

    f = ReadWholeFile(path("missing.smg"));
    ASSERT_FALSE(f);
    EXPECT_EQ(f.error().message, "cannot open '" + path("missing.smg") + "': No such file or directory");
    EXPECT_EQ(f.error().kind, ErrorKind::Missing);

    f = ReadWholeFile(dir_);
    ASSERT_FALSE(f);
    EXPECT_NE(f.error().message.find("Is a directory"), std::string::npos) << f.error().message;

    EXPECT_TRUE(ReadWholeFile(path("a.smg"), 12));
    f = ReadWholeFile(path("a.smg"), 11);
    ASSERT_FALSE(f);
    EXPECT_EQ(f.error().kind, ErrorKind::Unsupported);
    EXPECT_EQ(f.error().message,
              "cannot read '" + path("a.smg") + "': it is larger than the 11 bytes this program reads of such a file");
}

TEST_F(FileLayerTest, ReplacesTheFileAndKeepsItsPermissions) {
    put("a.smg", "old contents");
    ASSERT_EQ(::chmod(path("a.smg").c_str(), 0640), 0);
    ASSERT_EQ(Written(WriteFileAtomically(path("a.smg"), Bytes("new"))), "");
    EXPECT_EQ(contents("a.smg"), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path("a.smg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(names(), std::vector<std::string>{"a.smg"}) << "no temporary file is left";

    ASSERT_EQ(Written(WriteFileAtomically(path("new.smg"), Bytes("fresh"))), "");
    EXPECT_EQ(contents("new.smg"), "fresh");

    // Someone else's file, saved by one who may (here: root), stays theirs.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path("a.smg").c_str(), 4321, 4322), 0);
        ASSERT_EQ(Written(WriteFileAtomically(path("a.smg"), Bytes("again"))), "");
        ASSERT_EQ(::stat(path("a.smg").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
    }
}

TEST_F(FileLayerTest, ALinkStaysALink) {
    put("target.smg", "old");
    ASSERT_EQ(::symlink("target.smg", path("link.smg").c_str()), 0);
    ASSERT_EQ(Written(WriteFileAtomically(path("link.smg"), Bytes("new"))), "");
    struct stat st {};
    ASSERT_EQ(::lstat(path("link.smg").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(contents("target.smg"), "new");
}

TEST_F(FileLayerTest, FailuresLeaveTheOldFileIntact) {
    put("a.smg", "old contents");
    // A folder that is a file: nothing can be created in it.
    std::string error = Written(WriteFileAtomically(path("a.smg") + "/x.smg", Bytes("new")));
    EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;

    error = Written(WriteFileAtomically(dir_, Bytes("new")));
    EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
    EXPECT_EQ(contents("a.smg"), "old contents");
    EXPECT_EQ(names(), std::vector<std::string>{"a.smg"});
}

TEST_F(FileLayerTest, ReadOnlyFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root from writing";
    put("a.smg", "old contents");
    ASSERT_EQ(::chmod(dir_.c_str(), 0500), 0);
    const std::string error = Written(WriteFileAtomically(path("a.smg"), Bytes("new")));
    EXPECT_EQ(error, "cannot save '" + path("a.smg") + "': no temporary file can be made in '" + dir_ +
                         "': Permission denied");
    ::chmod(dir_.c_str(), 0700);
    EXPECT_EQ(contents("a.smg"), "old contents");
    EXPECT_EQ(names(), std::vector<std::string>{"a.smg"});
}

// A full disk, simulated by a limit on the file size in a child process: the
// write fails, the temporary file goes, the old file stays.
TEST_F(FileLayerTest, FullDisk) {
    put("a.smg", "old contents");
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string error = Written(WriteFileAtomically(path("a.smg"), Bytes(std::string(100000, 'x'))));
        (void)!::write(pipeEnds[1], error.data(), error.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string error;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        error.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));

    EXPECT_EQ(error, "cannot write '" + path("a.smg") + "': File too large");
    EXPECT_EQ(contents("a.smg"), "old contents");
    EXPECT_EQ(names(), std::vector<std::string>{"a.smg"});
}

// Should a read or a save wait on a FIFO again, the alarm ends the test
// program instead of letting it hang.
struct Watchdog {
    Watchdog() {
        std::signal(SIGALRM, SIG_DFL);
        ::alarm(10);
    }
    ~Watchdog() { ::alarm(0); }
};

TEST_F(FileLayerTest, RefusesToReplaceWhatIsNoWritableRegularFile) {
    const Watchdog watchdog;
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        std::string message;  // after the path
    };
    const Case cases[] = {
        {"fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
         "': it is a FIFO (named pipe), not a regular file"},
        {"device", [](const std::string& p) { ASSERT_EQ(::symlink("/dev/null", p.c_str()), 0); },
         "': it is a character device, not a regular file"},
        // No write bit at all: the user marked it read-only, and even root keeps off.
        {"read-only",
         [this](const std::string& p) {
             put("read-only", "old contents");
             ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
         },
         " is read-only"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string target = path(c.name);
        c.make(target);
        struct stat before {};
        ASSERT_EQ(::lstat(target.c_str(), &before), 0);
        const std::string error = Written(WriteFileAtomically(target, Bytes("new")));
        const bool quoted = c.message[0] == '\'';
        EXPECT_EQ(error, (quoted ? "cannot write '" : "") + target + c.message);
        struct stat after {};
        ASSERT_EQ(::lstat(target.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
    EXPECT_EQ(contents("read-only"), "old contents");
    EXPECT_EQ(names(), (std::vector<std::string>{"device", "fifo", "read-only"})) << "no temporary file is left";
}

// Hard links and extended attributes belong to the file's own inode: it is
// written in place, and its copy of the old bytes goes once that is done.
TEST_F(FileLayerTest, KeepsHardLinksAndAttributes) {
    put("linked.smg", "old contents");
    ASSERT_EQ(::link(path("linked.smg").c_str(), path("other-name.smg").c_str()), 0);
    put("marked.smg", "old contents");
    const bool attributes = ::setxattr(path("marked.smg").c_str(), "user.test", "1", 1, 0) == 0;
    if (!attributes) {
        EXPECT_TRUE(errno == ENOTSUP || errno == EPERM) << std::strerror(errno);
    }

    for (const char* name : {"linked.smg", "marked.smg"}) {
        SCOPED_TRACE(name);
        struct stat before {};
        ASSERT_EQ(::stat(path(name).c_str(), &before), 0);
        ASSERT_EQ(Written(WriteFileAtomically(path(name), Bytes("new"))), "");
        struct stat after {};
        ASSERT_EQ(::stat(path(name).c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(contents(name), "new");
    }
    EXPECT_EQ(contents("other-name.smg"), "new");
    if (attributes) {
        char value[4] = {};
        EXPECT_EQ(::getxattr(path("marked.smg").c_str(), "user.test", value, sizeof value), 1);
        EXPECT_EQ(value[0], '1');
    }
    EXPECT_EQ(names(), (std::vector<std::string>{"linked.smg", "marked.smg", "other-name.smg"}));
}

}  // namespace
}  // namespace glyphora
