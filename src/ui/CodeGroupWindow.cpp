#include "CodeGroupWindow.h"

#include "ShxExtractor.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <climits>

namespace glyphora {

namespace {

constexpr std::array<int, shx::kCodeGroupColumns> kColumnWidths{20, 390, 95, 95, 95, 95};

}  // namespace

CodeGroupWindow::CodeGroupWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm8");
    setWindowTitle("Extract SHX");
    setSizeGripEnabled(true);
    resize(840, 333);

    grid_ = new QTableWidget(1, shx::kCodeGroupColumns, this);
    grid_->setObjectName("StringGrid1");
    grid_->setHorizontalHeaderLabels({"CG", "File name", "Type CG", "Start address", "End address", "Size"});
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(18);
    grid_->verticalHeader()->setMinimumSectionSize(18);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setMinimumSectionSize(8);  // the number column is only 20 wide
    for (int column = 0; column < shx::kCodeGroupColumns; ++column)
        grid_->setColumnWidth(column, kColumnWidths[column]);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    openButton_ = new QPushButton("Open BIN file", this);
    openButton_->setObjectName("sBitBtn1");
    // 121 wide at least, wider when the caption of the interface language needs it.
    openButton_->setMinimumWidth(121);
    openButton_->setFixedHeight(25);

    gauge_ = new QProgressBar(this);
    gauge_->setObjectName("Gauge1");
    gauge_->setFormat("%p%");
    gauge_->setFixedHeight(25);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("StatusBar1");
    statusBar_->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(statusBar_);
    statusBar_->addWidget(statusPanel_, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(openButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttonRow);
    layout->addWidget(gauge_);
    layout->addWidget(statusBar_);

    connect(openButton_, &QPushButton::clicked, this, &CodeGroupWindow::openSelected);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &CodeGroupWindow::openSelected);

    resetList();
}

void CodeGroupWindow::setTexts(const QString& caption, const QString& openButton, const QStringList& headers) {
    setWindowTitle(caption);
    openButton_->setText(openButton);
    grid_->setHorizontalHeaderLabels(headers);
}

void CodeGroupWindow::resetList() {
    grid_->clearContents();
    grid_->setRowCount(1);
    grid_->setCurrentCell(0, 0);
    NextCodeGroupRow = 1;
}

void CodeGroupWindow::AddFileToMCDS(const shx::CodeGroupRow& row) {
    // Grid rows count the header as row 0; the first code group fills the data
    // row left by the reset, every later one adds a row.
    if (NextCodeGroupRow != 1) grid_->setRowCount(grid_->rowCount() + 1);
    const int target = NextCodeGroupRow - 1;
    const auto cells = shx::CodeGroupRowCells(row);
    for (int column = 0; column < shx::kCodeGroupColumns; ++column)
        if (!cells[column].empty())
            grid_->setItem(target, column, new QTableWidgetItem(QString::fromStdString(cells[column])));
    ++NextCodeGroupRow;
}

QString CodeGroupWindow::statusText() const { return statusPanel_->text(); }

void CodeGroupWindow::setStatusText(const QString& text) { statusPanel_->setText(text); }

void CodeGroupWindow::setProgress(uint64_t minimum, uint64_t maximum, uint64_t position) {
    gaugeShift_ = 0;
    while ((maximum >> gaugeShift_) > static_cast<uint64_t>(INT_MAX)) ++gaugeShift_;
    gauge_->setRange(static_cast<int>(minimum >> gaugeShift_), static_cast<int>(maximum >> gaugeShift_));
    gauge_->setValue(static_cast<int>(std::min(position, maximum) >> gaugeShift_));
}

void CodeGroupWindow::extractionBegan() {
    resetList();
    gauge_->setValue(gauge_->minimum());
}

shx::ExtractCallbacks CodeGroupWindow::extractionReports() {
    shx::ExtractCallbacks callbacks;
    callbacks.status = [this](const std::string& text) { setStatusText(QString::fromStdString(text)); };
    callbacks.progress = [this](uint64_t minimum, uint64_t maximum, uint64_t position) {
        setProgress(minimum, maximum, position);
    };
    callbacks.headerAccepted = [this] { show(); };
    callbacks.codeGroupWritten = [this](const shx::CodeGroupRow& row) { AddFileToMCDS(row); };
    callbacks.processPendingMessages = [] { QCoreApplication::processEvents(); };
    return callbacks;
}

void CodeGroupWindow::openSelected() {
    const int row = grid_->currentRow() >= 0 ? grid_->currentRow() : 0;
    const QTableWidgetItem* cell = grid_->item(row, 1);
    emit openRequested(cell ? cell->text() : QString());
    // Hides a window shown alone and ends a modal showing.
    done(QDialog::Accepted);
}

}  // namespace glyphora
