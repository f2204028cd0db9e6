#include "GlyphPreviewDelegate.h"

#include "GlyphTableModel.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace glyphora {

QImage PreviewImage(const TGlyphPreview& preview) {
    const int width = preview.Width, height = preview.Height;
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const std::size_t bytesPerRow = static_cast<std::size_t>(BytesPerRow(width));
    for (int r = 0; r < height; ++r) {
        uchar* line = image.scanLine(r);
        std::memset(line, 0xFF, static_cast<std::size_t>(image.bytesPerLine()));
        const std::size_t start = static_cast<std::size_t>(r) * bytesPerRow;
        if (start >= preview.Rows.size()) continue;
        std::memcpy(line, preview.Rows.data() + start, std::min(bytesPerRow, preview.Rows.size() - start));
    }
    return image;
}

GlyphPreviewDelegate::GlyphPreviewDelegate(const GlyphTableModel* model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void GlyphPreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    if (index.column() != GlyphTableModel::PreviewColumn) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->fillRect(option.rect, option.palette.base());
    const Symbols* g = model_->glyph(index.row());
    if (!g) return;
    const QImage image = PreviewImage(g->Preview);
    if (image.isNull()) return;
    painter->save();
    painter->setClipRect(option.rect);
    painter->drawImage(option.rect.topLeft(), image);
    painter->restore();
}

}  // namespace glyphora
