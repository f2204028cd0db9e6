// GUI tests need one QApplication for the whole run. Offscreen unless the
// caller chose a platform, so test discovery works without a display too.
#include <GlyphoraApplication.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    glyphora::GlyphoraApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
