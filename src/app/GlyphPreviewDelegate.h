// Draws a glyph's preview 1:1 at the top-left corner of the glyph grid's
// first column; the other columns are drawn as usual.
#pragma once

#include <Langpack.h>

#include <QImage>
#include <QStyledItemDelegate>

namespace glyphora {

class GlyphTableModel;

// The preview rows (memory form, 0 = ink) as a 1-bit image, black on white.
QImage PreviewImage(const TGlyphPreview& preview);

class GlyphPreviewDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GlyphPreviewDelegate(const GlyphTableModel* model, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const GlyphTableModel* model_;
};

}  // namespace glyphora
