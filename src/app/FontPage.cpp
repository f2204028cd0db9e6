#include "FontPage.h"

#include "GlyphPreviewDelegate.h"
#include "GlyphTableModel.h"

#include <CanvasWidget.h>
#include <LangpackReader.h>

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace glyphora {

namespace {

constexpr int kGlyphColumnWidths[] = {15, 55, 54, 55};
constexpr int kMinRowHeight = 18;

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

FontPage::FontPage(GlyphEditor* editor, GlyphTableModel* glyphs, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet1"));

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    // The glyph sits in the middle of the pane at every zoom.
    scrollBox_->setAlignment(Qt::AlignCenter);
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setBackgroundRole(QPalette::Dark);
    canvas_ = new CanvasWidget(editor, scrollBox_);
    canvas_->setObjectName(QStringLiteral("Image1"));
    canvas_->setCursor(Qt::CrossCursor);
    scrollBox_->setWidget(canvas_);
    canvas_->hide();

    glyphGrid_ = new QTableView(this);
    glyphGrid_->setObjectName(QStringLiteral("StringGrid3"));
    glyphGrid_->setModel(glyphs);
    glyphGrid_->setItemDelegate(new GlyphPreviewDelegate(glyphs, glyphGrid_));
    glyphGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // A range of rows for the batch commands: Shift+click, drag, Shift+arrows.
    glyphGrid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    glyphGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    glyphGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    glyphGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    glyphGrid_->setWordWrap(false);
    glyphGrid_->verticalHeader()->hide();
    glyphGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    glyphGrid_->verticalHeader()->setMinimumSectionSize(1);
    glyphGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    glyphGrid_->horizontalHeader()->setMinimumSectionSize(1);
    glyphGrid_->horizontalHeader()->setStretchLastSection(false);
    glyphGrid_->horizontalHeader()->setHighlightSections(false);
    int gridWidth = 0;
    for (int column = 0; column < 4; ++column) {
        glyphGrid_->setColumnWidth(column, kGlyphColumnWidths[column]);
        gridWidth += kGlyphColumnWidths[column];
    }
    glyphGrid_->setFixedWidth(gridWidth + glyphGrid_->verticalScrollBar()->sizeHint().width() +
                              2 * glyphGrid_->frameWidth());
    fitGlyphRows(0);

    setGrid_ = new QTableWidget(0, 3, this);
    setGrid_->setObjectName(QStringLiteral("StringGrid4"));
    setGrid_->setHorizontalHeaderLabels(
        {QStringLiteral("No."), QStringLiteral("Description"), QStringLiteral("Height")});
    setGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    setGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    setGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setGrid_->setWordWrap(false);
    setGrid_->verticalHeader()->hide();
    setGrid_->verticalHeader()->setDefaultSectionSize(20);
    setGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setGrid_->horizontalHeader()->setMinimumSectionSize(1);
    setGrid_->horizontalHeader()->setStretchLastSection(false);
    setGrid_->horizontalHeader()->setHighlightSections(false);
    setGrid_->installEventFilter(this);

    auto* top = new QWidget(this);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->setSpacing(4);
    topLayout->addWidget(scrollBox_, 1);
    topLayout->addWidget(glyphGrid_);

    auto* splitter = splitter_ = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(setGrid_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({340, 150});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    connect(glyphGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (choosingFromCode_ || !current.isValid()) return;
                emit glyphRowChosen(current.row(), previous.isValid() ? previous.row() : -1);
            });
    connect(setGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (choosingFromCode_ || !current.isValid()) return;
                emit setRowChosen(current.row(), previous.isValid() ? previous.row() : -1);
            });
    fitColumns();
}

void FontPage::showSets(const TLangpack& langpack) {
    choosingFromCode_ = true;
    setGrid_->clearContents();
    setGrid_->setRowCount(langpack.SetCount());
    for (int i = 0; i < langpack.SetCount(); ++i) {
        const TFontSetEntry& set = langpack.FontSetTable[static_cast<std::size_t>(i)];
        setGrid_->setItem(i, 0, readOnlyItem(QString::number(i + 1)));
        setGrid_->setItem(i, 1, readOnlyItem(QString::fromStdString(SetDescription(i + 1, langpack.Set7SharesSet2))));
        setGrid_->setItem(i, 2, readOnlyItem(QString::number(set.Height)));
    }
    choosingFromCode_ = false;
}

void FontPage::setHeightCell(int setIndex, int height) {
    if (QTableWidgetItem* item = setGrid_->item(setIndex, 2)) item->setText(QString::number(height));
}

void FontPage::chooseSetRow(int row) {
    choosingFromCode_ = true;
    if (row >= 0 && row < setGrid_->rowCount())
        setGrid_->setCurrentCell(row, setGrid_->currentColumn() < 0 ? 0 : setGrid_->currentColumn());
    else
        setGrid_->setCurrentIndex({});
    choosingFromCode_ = false;
}

void FontPage::chooseGlyphRow(int row) {
    QAbstractItemModel* model = glyphGrid_->model();
    const QModelIndex current = glyphGrid_->currentIndex();
    // The row the user is on keeps the range the user chose around it.
    if (row >= 0 && current.isValid() && current.row() == row && glyphGrid_->selectionModel()->isRowSelected(row))
        return;
    choosingFromCode_ = true;
    if (row >= 0 && row < model->rowCount()) {
        const QModelIndex index = model->index(row, std::max(current.column(), 1));
        if (current.isValid() && current.row() == row) {
            // The grid's own navigation is under way (its current row moved
            // first): its anchor stays, it selects the range itself.
            glyphGrid_->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        } else {
            // Chosen from code: through the view, which then takes this row
            // as the anchor that Shift+arrow and Shift+click extend from (the
            // selection model alone left it on the row chosen before). Single
            // selection for the moment, so a Shift held meanwhile cannot turn
            // it into an extension.
            const QAbstractItemView::SelectionMode mode = glyphGrid_->selectionMode();
            glyphGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
            glyphGrid_->setCurrentIndex(index);
            glyphGrid_->setSelectionMode(mode);
        }
        glyphGrid_->scrollTo(index);
    } else {
        glyphGrid_->setCurrentIndex({});
    }
    choosingFromCode_ = false;
}

int FontPage::glyphRow() const {
    const QModelIndex current = glyphGrid_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

GridRowRange FontPage::chosenGlyphRows() const {
    const QModelIndexList rows = glyphGrid_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return {glyphRow(), glyphRow()};
    GridRowRange range{rows.front().row(), rows.front().row()};
    for (const QModelIndex& r : rows) {
        range.top = std::min(range.top, r.row());
        range.bottom = std::max(range.bottom, r.row());
    }
    return range;
}

void FontPage::fitGlyphRows(int setHeight) {
    glyphGrid_->verticalHeader()->setDefaultSectionSize(std::max(kMinRowHeight, setHeight));
}

void FontPage::fitColumns() {
    const int w = setGrid_->width();
    setGrid_->setColumnWidth(0, 30);
    setGrid_->setColumnWidth(1, std::max(10, w - 116));
    setGrid_->setColumnWidth(2, 60);
}

bool FontPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == setGrid_ && event->type() == QEvent::Resize) fitColumns();
    return QWidget::eventFilter(watched, event);
}

}  // namespace glyphora
