// File -> "Copy glyphs from another langpack…": the other langpack's set and
// a code range, whether to add the characters the open set lacks and to
// align on the baselines; the table shows each glyph as it is and as it
// would be before Apply. The work is LangpackCopy's.
#pragma once

#include <LangpackCopy.h>
#include <Prompts.h>

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace glyphora {

class CopyFromLangpackDialog : public QDialog {
    Q_OBJECT
public:
    // `sourceBaseline` gives the guide of a set (0-based) of the other
    // langpack, `targetBaseline` the open set's; `run` wraps Apply as a command.
    CopyFromLangpackDialog(LangpackCopy& copy, Prompts& prompts, OtherLangpack source, int targetHeight,
                           std::function<std::optional<int>(int set)> sourceBaseline, std::optional<int> targetBaseline,
                           std::function<void(const std::function<void()>&)> run, QWidget* parent = nullptr);

    QComboBox* setBox() const { return setBox_; }
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QCheckBox* addMissingBox() const { return addMissing_; }
    QTableWidget* previewTable() const { return table_; }
    QLabel* summary() const { return summary_; }
    QPushButton* applyButton() const { return apply_; }

private:
    // The options as typed; nothing while a code does not parse.
    std::optional<CopyOptions> options() const;
    void setChosen();
    void showPreview();
    void applyCopy();

    LangpackCopy& copy_;
    Prompts& prompts_;
    OtherLangpack source_;
    int targetHeight_;
    std::function<std::optional<int>(int)> sourceBaseline_;
    std::optional<int> targetBaseline_;
    std::function<void(const std::function<void()>&)> run_;
    QComboBox* setBox_;
    QLineEdit* from_;
    QLineEdit* to_;
    QCheckBox* addMissing_;
    QCheckBox* baselines_;
    QTableWidget* table_;
    QLabel* summary_;
    QPushButton* apply_;
};

}  // namespace glyphora
