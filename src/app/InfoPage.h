// The page "Information on a langpack": the header grid (StringGrid1) and the
// language grid (StringGrid2). The cells can be edited on screen, but nothing
// reads them back.
#pragma once

#include <Langpack.h>

#include <QWidget>

class QTableWidget;

namespace glyphora {

class InfoPage : public QWidget {
    Q_OBJECT
public:
    explicit InfoPage(QWidget* parent = nullptr);

    void showLangpack(const TLangpack& langpack);
    // Column widths follow the grids' widths.
    void fitColumns();

    QTableWidget* headerGrid() const { return headerGrid_; }
    QTableWidget* languageGrid() const { return languageGrid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* headerGrid_;
    QTableWidget* languageGrid_;
};

}  // namespace glyphora
