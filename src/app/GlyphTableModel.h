// The glyph grid's rows: one per glyph of the current font set, read straight
// from the model so a set of 1001 glyphs shows at once.
#pragma once

#include <ChangedGlyphs.h>
#include <Langpack.h>
#include <LangpackComparison.h>

#include <QAbstractTableModel>
#include <QImage>

#include <vector>

namespace glyphora {

class GlyphTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { PreviewColumn, CodeColumn, SymbolColumn, WidthColumn, ColumnCount };
    // Role of the preview column: the glyph's index in its set (int).
    static constexpr int GlyphIndexRole = Qt::UserRole + 1;
    // The glyph was stored or resized since the langpack was opened or saved (bool).
    static constexpr int ChangedRole = Qt::UserRole + 2;
    // The glyph differs from the langpack compared with, or that one lacks its code (bool).
    static constexpr int DifferentRole = Qt::UserRole + 3;

    explicit GlyphTableModel(QObject* parent = nullptr);

    // Shows the glyphs of set `setIndex` of `langpack` (or nothing when null).
    void showSet(const TLangpack* langpack, int setIndex);
    // These glyphs were stored anew (their width, their rows).
    void glyphsChanged(const std::vector<int>& glyphIndices);
    // Where the marks of changed glyphs come from (none: no marks).
    void setChangedGlyphs(const ChangedGlyphs* changed) { changed_ = changed; }
    void setComparison(const LangpackComparison* comparison) { comparison_ = comparison; }
    // The marks moved: every view of the rows paints them anew.
    void marksChanged();
    const Symbols* glyph(int row) const;
    int setHeight() const;
    // The glyph as a picture of its width and the set's height, decoded once
    // and kept until the glyph or the set changes (null for a glyph of width 0).
    const QImage& picture(int row) const;
    // The widest glyph of the set, for views that give every glyph one cell.
    int widestGlyph() const { return widest_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TLangpack* langpack_ = nullptr;
    const ChangedGlyphs* changed_ = nullptr;
    const LangpackComparison* comparison_ = nullptr;
    int set_ = -1;
    int widest_ = 0;
    mutable std::vector<QImage> pictures_;
    mutable std::vector<bool> decoded_;
};

// What the "Symbol" column shows: the character itself (surrogate halves,
// which are no character on their own, show nothing).
QString SymbolText(uint16_t code);

}  // namespace glyphora
