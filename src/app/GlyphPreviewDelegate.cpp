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
        return;
    }
    painter->fillRect(option.rect, option.palette.base());
    const Symbols* g = model_->glyph(index.row());
    if (!g) return;
    const QImage image = PreviewImage(*g, model_->setHeight());
    if (image.isNull()) return;
    painter->save();
    painter->setClipRect(option.rect);
    painter->drawImage(option.rect.topLeft(), image);
    painter->restore();
}

}  // namespace glyphora
