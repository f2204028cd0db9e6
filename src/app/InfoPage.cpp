#include "InfoPage.h"

#include <HexText.h>
#include <LangpackInfo.h>

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace glyphora {

namespace {

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    auto* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

QTableWidget* makeGrid(QWidget* parent, const char* name, int rows, int columns) {
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

void setWidths(QTableWidget* grid, std::initializer_list<int> widths) {
    int column = 0;
    for (int w : widths) grid->setColumnWidth(column++, std::max(w, 10));
}

}  // namespace

InfoPage::InfoPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(4);

    layout->addWidget(new QLabel(QStringLiteral("The general information:"), this));
    headerGrid_ = makeGrid(this, "StringGrid1", 6, 2);
    headerGrid_->horizontalHeader()->hide();
    // The captions are fixed; the values come with each langpack.
    int row = 0;
    for (const InfoRow& r : GeneralInformation(TLangpackHeader{})) {
        setCell(headerGrid_, row, 0, QString::fromStdString(r.caption));
        setCell(headerGrid_, row++, 1, QString());
    }
    headerGrid_->setFixedHeight(6 * 22 + 2 * headerGrid_->frameWidth());
    headerGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(headerGrid_);

    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("Languages:"), this));
    languageGrid_ = makeGrid(this, "StringGrid2", 0, 4);
    QStringList captions;
    for (const std::string& c : LanguageColumnCaptions()) captions << QString::fromStdString(c);
    languageGrid_->setHorizontalHeaderLabels(captions);
    layout->addWidget(languageGrid_, 1);

    for (QTableWidget* grid : {headerGrid_, languageGrid_}) grid->installEventFilter(this);
    fitColumns();
}

void InfoPage::showLangpack(const TLangpack& langpack) {
    int row = 0;
    for (const InfoRow& r : GeneralInformation(langpack.Header))
        setCell(headerGrid_, row++, 1, QString::fromStdString(r.value));

    languageGrid_->setRowCount(static_cast<int>(langpack.LanguageTable.size()));
    row = 0;
    for (const LanguageRow& l : LanguageRows(langpack.LanguageTable)) {
        setCell(languageGrid_, row, 0, QString::fromStdString(l.id));
        setCell(languageGrid_, row, 1, QString::fromStdString(l.name));
        setCell(languageGrid_, row, 2, QString::fromStdString(l.iTapAddress));
        setCell(languageGrid_, row, 3, QString::fromStdString(l.address));
        ++row;
    }
}

void InfoPage::fitColumns() {
    const int headerWidth = headerGrid_->width();
    setWidths(headerGrid_, {headerWidth - 85, 80});
    const int languageWidth = languageGrid_->width();
    setWidths(languageGrid_, {60, languageWidth - 286, 100, 100});
}

}  // namespace glyphora

namespace glyphora {

bool InfoPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && (watched == headerGrid_ || watched == languageGrid_)) fitColumns();
    return QWidget::eventFilter(watched, event);
}

}  // namespace glyphora
