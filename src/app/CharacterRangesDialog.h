// Edit -> "Characters of the set…": the ranges of the current set (first code,
// last code, count, the characters) and the commands that add blank glyphs for
// typed characters or a block, or remove a range or the glyphs chosen in the grid. The work is
// CharacterRangesFeature's; each change is one step of the langpack-wide history.
#pragma once

#include <CharacterRangesFeature.h>

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace glyphora {

class CharacterRangesDialog : public QDialog {
    Q_OBJECT
public:
    // `run` runs a change under the window's error report and refresh;
    // `chosenGlyphs` gives the glyph indices chosen in the glyph grid.
    CharacterRangesDialog(CharacterRangesFeature& feature, std::function<void(std::function<void()>)> run,
                          std::function<std::vector<int>()> chosenGlyphs, QWidget* parent = nullptr);

    // Lists the ranges of the current set anew, and names the set in the title.
    void showRanges();

private:
    CharacterRangesFeature& feature_;
    std::function<void(std::function<void()>)> run_;
    std::function<std::vector<int>()> chosenGlyphs_;
    std::vector<CodeSpan> ranges_;
    QTableWidget* list_;
    QLineEdit* range_;
    QComboBox* blocks_;
    QSpinBox* width_;
    QPushButton* add_;
    QPushButton* removeRange_;
    QPushButton* removeChosen_;
};

}  // namespace glyphora
