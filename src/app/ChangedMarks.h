// The marks of glyphs changed since the langpack was opened or last saved: a
// corner mark on the glyph's row in the glyph grid and on the row of every set
// that holds such a glyph in the set grid. The session keeps which glyphs
// changed; this repaints the grids when that moves. The glyphs that differ
// from a langpack compared with get a mark in the opposite corner.
#pragma once

#include <SessionObserver.h>

#include <QStyledItemDelegate>

#include <cstdint>
#include <functional>

class QPainter;
class QRect;

namespace glyphora {

class FontPage;
class LangpackComparison;
class Session;

// The mark: a small filled triangle in the cell's top-right corner.
void PaintChangedMark(QPainter* painter, const QRect& cell);
// The mark of a difference: a blue triangle in the bottom-left corner.
void PaintDifferenceMark(QPainter* painter, const QRect& cell);

// The set grid's first column with the mark on changed sets.
class ChangedSetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChangedSetDelegate(std::function<bool(int row)> changed, std::function<bool(int row)> differs,
                       QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::function<bool(int row)> changed_;
    std::function<bool(int row)> differs_;
};

class ChangedMarks : public SessionObserver {
public:
    // Gives both grids of the page their marks.
    ChangedMarks(Session& session, const LangpackComparison& comparison, FontPage* page);

private:
    void glyphsChanged(const std::vector<int>& sets, const std::vector<int>& glyphs) override;
    void setHeightsChanged(const std::vector<int>& sets) override;
    void documentReplaced() override;
    void stateChanged() override;
    void repaintIfMoved();

    Session& session_;
    const LangpackComparison& comparison_;
    FontPage* page_;
    uint64_t shown_ = 0;
    uint64_t shownComparison_ = 0;
};

}  // namespace glyphora
