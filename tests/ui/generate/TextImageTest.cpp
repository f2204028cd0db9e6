#include "InsertTextDialog.h"
#include "Picture.h"
#include "QtApp.h"
#include "TextImage.h"

#include <gtest/gtest.h>
#include <QFontMetrics>

namespace glyphora {
namespace {

class TextImageTest : public testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureApplication(); }
    const QFont font = InsertTextDialog::DefaultFont();
};

int InkCount(const MonoImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.isInk(x, y);
    return n;
}

TEST_F(TextImageTest, DrawsTheTextInItsExtent) {
    const MonoImage i = RenderTextImage(QStringLiteral("I"), font, 100, 100);
    const QFontMetrics metrics(font);
    EXPECT_EQ(i.width(), metrics.horizontalAdvance(QStringLiteral("I")));
    EXPECT_EQ(i.height(), metrics.height());
    // Without smoothing an "I" is one clean bar: every row with ink has the
    // same columns, and it is several rows tall.
    int rows = 0;
    std::string bar;
    for (int y = 0; y < i.height(); ++y) {
        std::string row;
        for (int x = 0; x < i.width(); ++x) row += i.isInk(x, y) ? '#' : '.';
        if (row.find('#') == std::string::npos) continue;
        if (bar.empty()) bar = row;
        EXPECT_EQ(row, bar) << "row " << y << "\n" << test::show(i);
        ++rows;
    }
    EXPECT_GE(rows, 6) << test::show(i);
    EXPECT_TRUE(RenderTextImage(QString(), font, 100, 100).isEmpty());
}

TEST_F(TextImageTest, ClipsWithoutScaling) {
    const QString word = QStringLiteral("Привет");
    const MonoImage whole = RenderTextImage(word, font, 1000, 1000);
    ASSERT_GT(whole.width(), 10);
    EXPECT_GT(InkCount(whole), 20) << test::show(whole);
    const MonoImage clipped = RenderTextImage(word, font, 10, 5);
    EXPECT_EQ(clipped.width(), 10);
    EXPECT_EQ(clipped.height(), 5);
    EXPECT_EQ(clipped, whole.copy(0, 0, 10, 5));
}

}  // namespace
}  // namespace glyphora
