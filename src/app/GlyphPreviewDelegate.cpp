#include "GlyphPreviewDelegate.h"

#include "ChangedMarks.h"
#include "GlyphTableModel.h"

#include <GlyphRows.h>
#include <ImageConvert.h>

#include <QPainter>

namespace glyphora {

QImage PreviewImage(const Symbols& glyph, int height) {
    if (glyph.Width == 0 || height <= 0) return {};
    return toQImage(GlyphRowsToImage(glyph.Data, glyph.Width, height).copy(0, 0, glyph.Width, height));
}

GlyphPreviewDelegate::GlyphPreviewDelegate(const GlyphTableModel* model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void GlyphPreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    if (index.column() != GlyphTableModel::PreviewColumn) {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.column() == GlyphTableModel::CodeColumn && index.data(GlyphTableModel::ChangedRole).toBool())
            PaintChangedMark(painter, option.rect);
        if (index.column() == GlyphTableModel::CodeColumn && index.data(GlyphTableModel::DifferentRole).toBool())
            PaintDifferenceMark(painter, option.rect);
        return;
    }
    painter->fillRect(option.rect, option.palette.base());
    const QImage& image = model_->picture(index.row());
    if (image.isNull()) return;
    // 1:1 when it fits; a glyph wider or taller than the cell is shown whole,
    // scaled down.
    QSize shown = image.size();
    if (shown.width() > option.rect.width() || shown.height() > option.rect.height())
        shown.scale(option.rect.size(), Qt::KeepAspectRatio);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, shown != image.size());
    painter->drawImage(QRect(option.rect.topLeft(), shown), image);
    painter->restore();
}

}  // namespace glyphora
