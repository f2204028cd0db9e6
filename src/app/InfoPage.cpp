#include "InfoPage.h"

#include <LangpackReader.h>

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace glyphora {

QString Hex(uint32_t value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

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
    static const char* captions[] = {
        "Langpack address", "Generation flash", "The version langpack",
        "Amount of languages in langpack", "The address of fonts",
        "The address of structure with the description of sets of fonts",
    };
    for (int row = 0; row < 6; ++row) {
        setCell(headerGrid_, row, 0, QString::fromLatin1(captions[row]));
        setCell(headerGrid_, row, 1, QString());
    }
    headerGrid_->setFixedHeight(6 * 22 + 2 * headerGrid_->frameWidth());
    headerGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(headerGrid_);

    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("Languages:"), this));
    languageGrid_ = makeGrid(this, "StringGrid2", 0, 4);
    languageGrid_->setHorizontalHeaderLabels(
        {QStringLiteral("ID"), QStringLiteral("Language"), QStringLiteral("iTAP address"), QStringLiteral("Addres")});
    layout->addWidget(languageGrid_, 1);

    for (QTableWidget* grid : {headerGrid_, languageGrid_}) grid->installEventFilter(this);
    fitColumns();
}

void InfoPage::showLangpack(const TLangpack& langpack) {
    const TLangpackHeader& h = langpack.Header;
    setCell(headerGrid_, 0, 1, Hex(static_cast<uint32_t>(h.LangpackAddress), 8));
    setCell(headerGrid_, 1, 1, Hex(h.FlashGeneration[0], 2) + QLatin1Char('.') + Hex(h.FlashGeneration[1], 2));
    setCell(headerGrid_, 2, 1, Hex(h.LangpackVersion, 2));
    setCell(headerGrid_, 3, 1, QString::number(h.LanguageCount));
    setCell(headerGrid_, 4, 1, Hex(static_cast<uint32_t>(h.FontsAddress), 8));
    setCell(headerGrid_, 5, 1, Hex(static_cast<uint32_t>(h.SetTableAddress), 8));

    languageGrid_->setRowCount(static_cast<int>(langpack.LanguageTable.size()));
    int row = 0;
    for (const TLanguageEntry& language : langpack.LanguageTable) {
        const QString id = Hex(language.ID, 2);
        setCell(languageGrid_, row, 0, id);
        setCell(languageGrid_, row, 1, QString::fromStdString(LanguageNameById(id.toStdString())));
        setCell(languageGrid_, row, 2, Hex(static_cast<uint32_t>(language.ITapAddress), 8));
        setCell(languageGrid_, row, 3, Hex(static_cast<uint32_t>(language.PackedStringsAddress), 8));
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
