#include <WindowsCommandLine.h>

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(WindowsCommandLine, QuotesSoThatTheRuntimeSplitsTheSameArguments) {
    const struct {
        const char* argument;
        const char* quoted;
    } cases[] = {
        {"plain", "plain"},
        {"", "\"\""},
        {"two words", "\"two words\""},
        {"tab\there", "\"tab\there\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\no blank\\", "\"C:\\no blank\\\\\""},
        {"C:\\Fonts\\a.ttf", "C:\\Fonts\\a.ttf"},
        {"back\\\"quote", "\"back\\\\\\\"quote\""},
    };
    for (const auto& c : cases) EXPECT_EQ(QuoteWindowsArgument(c.argument), c.quoted) << c.argument;
    EXPECT_EQ(WindowsCommandLine("C:/Program Files/files/Runecast.exe", {"-11", "MS Sans Serif"}),
              "\"C:\\Program Files\\files\\Runecast.exe\" -11 \"MS Sans Serif\"");
}

}  // namespace
}  // namespace glyphora
