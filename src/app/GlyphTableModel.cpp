#include "GlyphTableModel.h"

#include "GlyphPreviewDelegate.h"

#include <HexText.h>

#include <algorithm>

namespace glyphora {

QString SymbolText(uint16_t code) {
    const QChar c(code);
    if (c.isSurrogate()) return {};
    return QString(c);
}

GlyphTableModel::GlyphTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void GlyphTableModel::showSet(const TLangpack* langpack, int setIndex) {
    beginResetModel();
    langpack_ = langpack;
    set_ = setIndex;
    const auto rows = static_cast<std::size_t>(rowCount());
    pictures_.assign(rows, QImage());
    decoded_.assign(rows, false);
    widest_ = 0;
    for (std::size_t i = 0; i < rows; ++i) widest_ = std::max(widest_, int{langpack_->glyphs(set_)[i].Width});
    endResetModel();
}

void GlyphTableModel::glyphsChanged(const std::vector<int>& glyphIndices) {
    int first = rowCount(), last = -1;
    for (int g : glyphIndices) {
        if (g < 0 || g >= rowCount()) continue;
        decoded_[static_cast<std::size_t>(g)] = false;
        widest_ = std::max(widest_, int{glyph(g)->Width});
        first = std::min(first, g);
        last = std::max(last, g);
    }
    // One signal for a batch: the views repaint the rows once.
    if (last >= first) emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

void GlyphTableModel::marksChanged() {
    if (rowCount() == 0) return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {ChangedRole, DifferentRole});
}

const Symbols* GlyphTableModel::glyph(int row) const {
    if (!langpack_ || set_ < 0 || set_ >= static_cast<int>(langpack_->SymbolTable.size())) return nullptr;
    const auto& glyphs = langpack_->glyphs(set_);
    if (row < 0 || row >= static_cast<int>(glyphs.size())) return nullptr;
    return &glyphs[static_cast<std::size_t>(row)];
}

const QImage& GlyphTableModel::picture(int row) const {
    static const QImage none;
    const Symbols* g = glyph(row);
    if (!g) return none;
    const auto at = static_cast<std::size_t>(row);
    if (!decoded_[at]) {
        pictures_[at] = PreviewImage(*g, setHeight());
        decoded_[at] = true;
    }
    return pictures_[at];
}

int GlyphTableModel::setHeight() const {
    if (!langpack_ || set_ < 0 || set_ >= static_cast<int>(langpack_->FontSetTable.size())) return 0;
    return langpack_->FontSetTable[static_cast<std::size_t>(set_)].Height;
}

int GlyphTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !langpack_ || set_ < 0 || set_ >= static_cast<int>(langpack_->SymbolTable.size())) return 0;
    return static_cast<int>(langpack_->glyphs(set_).size());
}

int GlyphTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant GlyphTableModel::data(const QModelIndex& index, int role) const {
    const Symbols* g = glyph(index.row());
    if (!g) return {};
    if (role == GlyphIndexRole) return index.row();
    const bool changed = changed_ && changed_->glyphChanged(set_, index.row());
    if (role == ChangedRole) return changed;
    const bool different = comparison_ && comparison_->glyphDiffers(set_, index.row());
    if (role == DifferentRole) return different;
    if (role == Qt::ToolTipRole && index.column() == CodeColumn && (changed || different)) {
        QStringList tips;
        if (changed) tips << QStringLiteral("Changed since the langpack was opened or saved");
        if (different) tips << QStringLiteral("Differs from ") + QString::fromStdString(comparison_->path());
        return tips.join(QLatin1Char('\n'));
    }
    if (role == Qt::TextAlignmentRole && index.column() != PreviewColumn)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case CodeColumn: return QString::fromStdString(UpperHex(g->Code, 4));
    case SymbolColumn: return SymbolText(g->Code);
    case WidthColumn: return QString::number(g->Width);
    default: return {};
    }
}

QVariant GlyphTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case PreviewColumn: return QString();
    case CodeColumn: return QStringLiteral("Unicod");
    case SymbolColumn: return QStringLiteral("Symbol");
    case WidthColumn: return QStringLiteral("Width");
    default: return {};
    }
}

}  // namespace glyphora
