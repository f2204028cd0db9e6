#include "PreviewSheet.h"

#include <GlyphRows.h>
#include <ImageConvert.h>

#include <QPainter>

#include <algorithm>

namespace glyphora {

QRect PreviewSheet::cellRect(std::size_t i) const {
    const int width = (kRenderedMaxWidth + 2) * scale_;
    const int height = (height_ + 2) * scale_;
    const auto per = static_cast<std::size_t>(perRow_);
    return {static_cast<int>(i % per) * width, static_cast<int>(i / per) * height, width, height};
}

void PreviewSheet::draw(QPainter& painter, std::size_t i, const Cell& cell) const {
    const QRect box = cellRect(i);
    painter.fillRect(box, Qt::white);
    if (cell.glyph < 0) return;
    const QPoint at = box.topLeft() + QPoint(scale_, scale_);
    const QImage glyph = toQImage(GlyphRowsToImage(cell.rows, cell.width, height_).copy(0, 0, cell.width, height_),
                                  QImage::Format_RGB32);
    painter.drawImage(QRect(at, glyph.size() * scale_), glyph);
    if (cell.cut || cell.failed) {
        painter.setPen(QPen(Qt::red, 1));
        const QRect frame(at - QPoint(1, 1), QSize(cell.width * scale_ + 1, height_ * scale_ + 1));
        painter.drawRect(frame);
        if (cell.failed) painter.drawLine(frame.topLeft(), frame.bottomRight());
    }
}

bool PreviewSheet::show(const GenerationPreview& preview, int height) {
    const std::vector<int>& which = preview.glyphs;
    const int rows = std::max(1, (static_cast<int>(which.size()) + perRow_ - 1) / perRow_);
    const QSize size(perRow_ * (kRenderedMaxWidth + 2) * scale_, rows * (height + 2) * scale_);
    bool changed = false;
    if (sheet_.size() != size || height != height_) {
        height_ = height;
        sheet_ = QImage(size, QImage::Format_RGB32);
        sheet_.fill(Qt::white);
        cells_.clear();
        changed = true;
    }
    QPainter painter(&sheet_);
    // Cells the range no longer reaches become blank.
    const std::size_t kept = std::min(cells_.size(), which.size());
    for (std::size_t i = kept; i < cells_.size(); ++i) draw(painter, i, Cell{});
    changed = changed || cells_.size() > which.size();
    cells_.resize(which.size());
    for (std::size_t i = 0; i < which.size(); ++i) {
        const int g = which[i];
        const Symbols& glyph = preview.shown[static_cast<std::size_t>(g)];
        Cell now{g, glyph.Width, glyph.Data, preview.cut(g), preview.failed(g)};
        if (now == cells_[i]) continue;
        draw(painter, i, now);
        cells_[i] = std::move(now);
        changed = true;
    }
    return changed;
}

}  // namespace glyphora
