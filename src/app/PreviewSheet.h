// The Generate window's picture of a range: each glyph in a cell of a grid,
// magnified, a red frame where its ink would be cut and a red cross where it
// could not be drawn. A new preview repaints only the cells that differ from
// the last one, so that a change of the sample text or of a few glyphs does
// not cost a thousand cells.
#pragma once

#include <GlyphGeneration.h>

#include <QImage>

#include <cstdint>
#include <vector>

namespace glyphora {

class PreviewSheet {
public:
    PreviewSheet(int scale, int perRow) : scale_(scale), perRow_(perRow) {}
    // True when the picture changed.
    bool show(const GenerationPreview& preview, int height);
    const QImage& image() const { return sheet_; }

private:
    struct Cell {
        int glyph = -1;
        uint8_t width = 0;
        std::vector<uint8_t> rows;
        bool cut = false;
        bool failed = false;
        bool operator==(const Cell&) const = default;
    };
    QRect cellRect(std::size_t i) const;
    void draw(QPainter& painter, std::size_t i, const Cell& cell) const;

    int scale_;
    int perRow_;
    int height_ = -1;
    QImage sheet_;
    std::vector<Cell> cells_;
};

}  // namespace glyphora
