// Draws a glyph at the top-left corner of the glyph grid's first column, 1:1
// or scaled down to fit, from the model's picture of it (renewed when the glyph
// is stored, so a stored change shows at once); the other columns are drawn as usual.
#pragma once

#include <Langpack.h>

#include <QImage>
#include <QStyledItemDelegate>

namespace glyphora {

class GlyphTableModel;

// The glyph's rows (memory form, 0 = ink) as a 1-bit image of its width and
// the set's height, black on white.
QImage PreviewImage(const Symbols& glyph, int height);

class GlyphPreviewDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GlyphPreviewDelegate(const GlyphTableModel* model, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const GlyphTableModel* model_;
};

}  // namespace glyphora
