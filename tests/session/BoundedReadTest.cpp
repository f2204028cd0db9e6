// Every kind of file the programs read, named by a FIFO or a device, is
// refused at once with a message naming it: nothing waits for a writer that
// never comes or reads a stream that never ends.
#include "SessionFixture.h"

#include <BdfReader.h>
#include <ExtractStreams.h>
#include <GlyphExchange.h>
#include <LanguageLoader.h>
#include <Settings.h>

#include <sys/stat.h>
#include <unistd.h>
#include <csignal>
#include <functional>

namespace glyphora::testing {
namespace {

// A host whose only use here is its file reading.
struct ReadingHost : LanguageHost {
    UiStrings strings;
    std::string language;
    UiStrings& uiStrings() override { return strings; }
    std::string& UILanguage() override { return language; }
    void warn(const std::string&) override {}
    void SaveDefaultSetupLang() override {}
    void SaveSetup() override {}
    void applyTexts(const UiStrings&) override {}
};

template <class T>
std::string Refusal(const Result<T>& read) {
    return read ? std::string("read") : read.error().message;
}

class BoundedReadTest : public SessionTest {
protected:
    void SetUp() override {
        // A read that waits again ends the test program instead of hanging it.
        std::signal(SIGALRM, SIG_DFL);
        ::alarm(20);
    }
    void TearDown() override { ::alarm(0); }
};

TEST_F(BoundedReadTest, AFifoOrADeviceIsRefusedAtOnceAsAnyKindOfInput) {
    const std::string fifo = dir.path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ReadingHost host;
    const std::function<std::string(const std::string&)> readers[] = {
        [](const std::string& p) { return Refusal(LangpackDocument::Load(p)); },
        [](const std::string& p) { return Refusal(ReadBdfFile(p)); },
        [](const std::string& p) { return Refusal(ReadBmpPicture(p, 16, 16)); },
        [](const std::string& p) { return Refusal(shx::FileInput::open(p)); },
        [&host](const std::string& p) { return Refusal(host.readFile(p)); },
        [](const std::string& p) { return ReadSettingsFile(p).entries.empty() ? "nothing" : "read"; },
    };
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        for (const auto& read : readers) {
            const std::string refusal = read(path);
            EXPECT_NE(refusal, "read") << path;
            if (refusal != "nothing") {
                EXPECT_NE(refusal.find(path), std::string::npos) << refusal;
            }
        }
    }

    // Nor does the editor wait at start when the settings name the FIFO.
    dir.writeText("Glyphora.ini", "[Setup]\r\nBINFile=" + fifo + "\r\n");
    EXPECT_EQ(session().document(), nullptr);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.find("it is a FIFO (named pipe), not a regular file"), std::string::npos);
}

}  // namespace
}  // namespace glyphora::testing
