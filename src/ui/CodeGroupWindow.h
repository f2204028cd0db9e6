// The code-group window: progress of a flash-file extraction and the list of
// the code-group files it wrote, from which the user may open one. It shows
// what the extraction reports and runs nothing itself.
#pragma once

#include "CodeGroupNames.h"
#include "ShxExtractor.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTableWidget;

namespace glyphora {

class CodeGroupWindow : public QDialog {
    Q_OBJECT
public:
    explicit CodeGroupWindow(QWidget* parent = nullptr);

    // What the window shows of an extraction that the session runs: the
    // list reset and the gauge at its start when it begins, the status text,
    // the gauge and a row per code group while it runs (the window shown once
    // the header is accepted, events let through), hidden again at its end.
    void extractionBegan();
    shx::ExtractCallbacks extractionReports();
    void extractionEnded() { hide(); }

    // The list back to its header row and one empty data row (row count 2),
    // which the first code group fills.
    void resetList();
    // Fills the next row, adding a row for every code group after the first.
    void AddFileToMCDS(const shx::CodeGroupRow& row);

    // Caption, the open button and the six column headers, from the interface language.
    void setTexts(const QString& caption, const QString& openButton, const QStringList& headers);

    QTableWidget* grid() const { return grid_; }
    QPushButton* openButton() const { return openButton_; }
    QString statusText() const;

signals:
    // The user chose a listed file (column 1 of the selected row; may be empty).
    void openRequested(const QString& path);

private:
    void openSelected();
    void setStatusText(const QString& text);
    void setProgress(uint64_t minimum, uint64_t maximum, uint64_t position);

    QTableWidget* grid_;
    QPushButton* openButton_;
    QProgressBar* gauge_;
    QStatusBar* statusBar_;
    QLabel* statusPanel_;
    int NextCodeGroupRow = 1;
    // Gauge values are ints: byte counts are scaled down by this many bits.
    int gaugeShift_ = 0;
};

}  // namespace glyphora
