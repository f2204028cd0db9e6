#include "ChangedMarks.h"

#include "FontPage.h"
#include "GlyphTableModel.h"

#include <LangpackComparison.h>
#include <Session.h>

#include <QPainter>
#include <QPolygon>
#include <QTableView>
#include <QTableWidget>

namespace glyphora {

namespace {
constexpr int kMarkSize = 7;
const QColor kMarkColour(230, 120, 0);
const QColor kDifferenceColour(30, 90, 220);
}  // namespace

void PaintChangedMark(QPainter* painter, const QRect& cell) {
    const int size = std::min({kMarkSize, cell.width(), cell.height()});
    const QPoint corner = cell.topRight();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(kMarkColour);
    painter->drawPolygon(QPolygon({corner, corner - QPoint(size, 0), corner + QPoint(0, size)}));
    painter->restore();
}

void PaintDifferenceMark(QPainter* painter, const QRect& cell) {
    const int size = std::min({kMarkSize, cell.width(), cell.height()});
    const QPoint corner = cell.bottomLeft();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(kDifferenceColour);
    painter->drawPolygon(QPolygon({corner, corner + QPoint(size, 0), corner - QPoint(0, size)}));
    painter->restore();
}

ChangedSetDelegate::ChangedSetDelegate(std::function<bool(int row)> changed, std::function<bool(int row)> differs,
                                       QObject* parent)
    : QStyledItemDelegate(parent), changed_(std::move(changed)), differs_(std::move(differs)) {}

void ChangedSetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (changed_ && changed_(index.row())) PaintChangedMark(painter, option.rect);
    if (differs_ && differs_(index.row())) PaintDifferenceMark(painter, option.rect);
}

ChangedMarks::ChangedMarks(Session& session, const LangpackComparison& comparison, FontPage* page)
    : session_(session), comparison_(comparison), page_(page) {
    if (auto* glyphs = qobject_cast<GlyphTableModel*>(page_->glyphGrid()->model())) {
        glyphs->setChangedGlyphs(&session_.changedGlyphs());
        glyphs->setComparison(&comparison_);
    }
    QTableWidget* sets = page_->setGrid();
    sets->setItemDelegateForColumn(
        0, new ChangedSetDelegate([this](int row) { return session_.changedGlyphs().setChanged(row); },
                                  [this](int row) { return comparison_.setDiffers(row); }, sets));
}

void ChangedMarks::repaintIfMoved() {
    const uint64_t now = session_.changedGlyphs().revision();
    const uint64_t compared = comparison_.revision();
    if (now == shown_ && compared == shownComparison_) return;
    shown_ = now;
    if (compared != shownComparison_)
        if (auto* glyphs = qobject_cast<GlyphTableModel*>(page_->glyphGrid()->model())) glyphs->marksChanged();
    shownComparison_ = compared;
    page_->glyphGrid()->viewport()->update();
    page_->setGrid()->viewport()->update();
}

void ChangedMarks::glyphsChanged(const std::vector<int>&, const std::vector<int>&) { repaintIfMoved(); }
void ChangedMarks::setHeightsChanged(const std::vector<int>&) { repaintIfMoved(); }
void ChangedMarks::documentReplaced() { repaintIfMoved(); }
void ChangedMarks::stateChanged() { repaintIfMoved(); }

}  // namespace glyphora
