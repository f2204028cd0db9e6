// The picture of the sample text: the line set in the current set's glyphs
// (the working glyph as the editor holds it, saved or not), magnified 1, 2 or
// 3 times like a phone's pixels, broken into rows that fit the width. A click
// on a character names its glyph.
#pragma once

#include <SampleLine.h>

#include <QImage>
#include <QWidget>

#include <optional>
#include <string>

namespace glyphora {

class Session;

class SampleView : public QWidget {
    Q_OBJECT
public:
    explicit SampleView(Session& session, QWidget* parent = nullptr);

    void setText(const QString& text);
    void setScale(int scale);
    // The set's baseline and cap-height rows (0-based), drawn faintly in
    // every row of text: the baseline under its row, the cap height over its own.
    void setGuides(std::optional<int> baseline, std::optional<int> capHeight);
    int scale() const { return scale_; }
    // The langpack, the set or a glyph changed: lay the line out again.
    void relayOut();

    const SampleLine& line() const { return line_; }
    // The first character of each row, as laid out for the present width.
    const std::vector<std::size_t>& rowStarts() const { return rows_; }
    // The glyph under a point of the widget, -1 for none or a missing character.
    int glyphAt(const QPoint& point) const;
    // The widget point at the middle of character `index` (for tests and tips).
    QPoint characterCentre(std::size_t index) const;

    QSize sizeHint() const override;
    // The height of one row of text with its margins: the least the panel shows.
    int oneRowHeight() const;

signals:
    void glyphClicked(int glyph);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    int characterAt(const QPoint& point) const;
    int rowHeight() const;
    void breakRows();

    Session& session_;
    std::u16string text_;
    int scale_ = 2;
    std::optional<int> baseline_;
    std::optional<int> capHeight_;
    SampleLine line_;
    QImage picture_;
    std::vector<std::size_t> rows_{0};
};

}  // namespace glyphora
