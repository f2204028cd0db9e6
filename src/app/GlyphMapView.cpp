#include "GlyphMapView.h"

#include "ChangedMarks.h"
#include "GlyphTableModel.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>

namespace glyphora {

namespace {

constexpr int kPadding = 3;
constexpr int kMinScale = 1;
constexpr int kMaxScale = 4;

QString CodeLabel(uint16_t code) { return QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper(); }

// One cell: the picture at the view's scale, drawn from the model's kept
// picture (never decoded per paint), and the code under it.
class GlyphMapDelegate : public QStyledItemDelegate {
public:
    GlyphMapDelegate(const GlyphTableModel* model, GlyphMapView* view)
        : QStyledItemDelegate(view), model_(model), view_(view) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return view_->cellSize(); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int row = index.row();
        const Symbols* g = model_->glyph(row);
        if (!g) return;
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
        const int scale = view_->scale();
        const QImage& image = model_->picture(row);
        const int textHeight = option.fontMetrics.height();
        const QRect glyphBox(option.rect.left() + kPadding, option.rect.top() + kPadding,
                             option.rect.width() - 2 * kPadding, option.rect.height() - 2 * kPadding - textHeight);
        // The glyph's own extent on paper, so blank and narrow glyphs show where they are.
        const QRect paper(glyphBox.left() + (glyphBox.width() - g->Width * scale) / 2, glyphBox.top(), g->Width * scale,
                          model_->setHeight() * scale);
        painter->fillRect(paper, Qt::white);
        if (!image.isNull()) painter->drawImage(paper, image);
        painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
        painter->drawText(QRect(option.rect.left(), option.rect.bottom() - kPadding - textHeight + 1,
                                option.rect.width(), textHeight),
                          Qt::AlignCenter, CodeLabel(g->Code));
        if (index.data(GlyphTableModel::ChangedRole).toBool()) PaintChangedMark(painter, option.rect);
        if (index.data(GlyphTableModel::DifferentRole).toBool()) PaintDifferenceMark(painter, option.rect);
    }

private:
    const GlyphTableModel* model_;
    const GlyphMapView* view_;
};

}  // namespace

GlyphMapView::GlyphMapView(GlyphTableModel* model, QItemSelectionModel* selection, QWidget* parent)
    : QListView(parent), model_(model) {
    setObjectName(QStringLiteral("GlyphMap"));
    setModel(model);
    // The grid's selection model is the one both views share.
    QItemSelectionModel* own = selectionModel();
    setSelectionModel(selection);
    delete own;
    setModelColumn(GlyphTableModel::PreviewColumn);
    setItemDelegate(new GlyphMapDelegate(model, this));
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSpacing(0);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { relayout(); });
    // A stored glyph may be the widest now.
    connect(model, &QAbstractItemModel::dataChanged, this, [this] {
        if (gridSize() != cellSize()) relayout();
    });
    relayout();
}

QSize GlyphMapView::cellSize() const {
    const int width = std::max(model_->widestGlyph() * scale_, fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    return {width + 2 * kPadding, model_->setHeight() * scale_ + fontMetrics().height() + 2 * kPadding};
}

void GlyphMapView::setScale(int scale) {
    scale = std::clamp(scale, kMinScale, kMaxScale);
    if (scale == scale_) return;
    scale_ = scale;
    relayout();
}

void GlyphMapView::relayout() {
    setGridSize(cellSize());
    scheduleDelayedItemsLayout();
}

void GlyphMapView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QListView::wheelEvent(event);
        return;
    }
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) setScale(scale_ + notches);
    event->accept();
}

GlyphMapDock::GlyphMapDock(GlyphTableModel* model, QItemSelectionModel* selection, QWidget* parent)
    : QDockWidget(QStringLiteral("Glyph map"), parent) {
    setObjectName(QStringLiteral("GlyphMapDock"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable | QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    view_ = new GlyphMapView(model, selection, this);
    setWidget(view_);
}

}  // namespace glyphora
