// "Generate glyphs…": a font family or file, its style and size, a fit to the
// set, a baseline row, what becomes of glyphs wider than 15 and of widths,
// and the range; a preview of the range and of a sample text as they would
// be, glyphs whose ink would be cut or that could not be drawn marked, drawn
// anew shortly after each change. Apply hands everything to the session as
// one batch (GlyphGeneration::Generate).
#pragma once

#include "PreviewSheet.h"

#include <GlyphGeneration.h>

#include <QDialog>
#include <QTimer>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace glyphora {

class ViewPreferences;

class GenerateDialog : public QDialog {
public:
    // `chosenRows` gives the rows chosen in the glyph grid when asked.
    GenerateDialog(Session& session, GlyphGeneration& generation, std::function<std::pair<int, int>()> chosenRows,
                   QWidget* parent);

    // Fills the controls from the RenderFont and the current set, shows the dialog.
    void open();
    GenerateOptions options() const;
    std::vector<int> glyphs() const;
    // Draws the preview now (the debounce timer calls it too).
    void updatePreview();
    // Apply runs through this (the window's error report and refresh).
    void setRunner(std::function<void(const std::function<void()>&)> runner) { runner_ = std::move(runner); }
    // The current set's baseline guide (0-based row), when it has one.
    void setBaselineGuide(std::function<std::optional<int>()> guide) { baselineGuide_ = std::move(guide); }
    // Where the window keeps its font, size, fit and options between openings
    // and runs; without it each opening starts from the font Ctrl+F draws with.
    void setPreferences(ViewPreferences* preferences) { preferences_ = preferences; }

private:
    void scheduleView();
    void fillStyles();
    void selectStyle(bool bold, bool italic);
    void chooseFile();
    void showFontFile();
    void restoreChoices();
    void keepChoices();
    void apply();

    Session& session_;
    GlyphGeneration& generation_;
    std::function<std::pair<int, int>()> chosenRows_;
    std::function<void(const std::function<void()>&)> runner_;
    std::function<std::optional<int>()> baselineGuide_;
    ViewPreferences* preferences_ = nullptr;
    std::string fontFile_;  // empty: the family of the combo box
    // The style of the face in fontFile_ as the file itself has it; the other
    // styles offered for a file are drawn by the renderer on top of it.
    bool fileBold_ = false;
    bool fileItalic_ = false;
    GenerationPreview preview_;
    QTimer debounce_;

    QFontComboBox* family_;
    QPushButton* fileButton_;
    QComboBox* style_;
    QSpinBox* size_;
    QCheckBox* fit_;
    QCheckBox* baselineOn_;
    QSpinBox* baseline_;
    QComboBox* wide_;
    QComboBox* widths_;
    QComboBox* range_;
    QLineEdit* codeFrom_;
    QLineEdit* codeTo_;
    QLineEdit* sample_;
    QLabel* glyphsView_;
    QLabel* sampleView_;
    QLabel* summary_;
    PreviewSheet sheet_;
};

}  // namespace glyphora
