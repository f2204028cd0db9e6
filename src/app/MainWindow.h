// The main window ("TForm1"): menus, toolbar, tool palette, the pages "Font"
// and "Information on a langpack", the status bar, and the document state:
// which langpack is current, whether it is open and changed. It turns each
// command into calls of the langpack model and the glyph editor.
#pragma once

#include "AppEnvironment.h"
#include "LangpackDocument.h"
#include "MainActions.h"
#include "MessageBoxes.h"

#include <EditorHost.h>
#include <GlyphEditor.h>

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QTabWidget;

namespace glyphora {

class AboutDialog;
class CodeGroupWindow;
class FontPage;
class GlyphTableModel;
class InfoPage;
class SetSizeDialog;
class ToolPalette;

class MainWindow : public QMainWindow, private EditorHost {
    Q_OBJECT
public:
    // Reads the settings file at once (FormCreate), which may open a langpack.
    explicit MainWindow(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- seams ------------------------------------------------------------------------
    // The open dialog; returns the chosen path or an empty string when cancelled.
    using OpenFileChooser = std::function<QString()>;
    void setOpenFileChooser(OpenFileChooser chooser) { chooseOpenFile_ = std::move(chooser); }
    // Extracts the code groups of a flash file; returns the path of the file
    // written for the LangPack code group, or nothing when none was written.
    using ShxExtraction = std::function<std::optional<QString>(const QString& flashFile)>;
    void setShxExtraction(ShxExtraction extraction) { runShxExtraction_ = std::move(extraction); }

    // The Open-file flow for a path already chosen (the command line uses it too).
    void openFile(const QString& path);

    // --- state read by tests and the benchmark -------------------------------------------
    const MainActions& actions() const { return actions_; }
    GlyphEditor& editor() { return editor_; }
    const std::optional<LangpackDocument>& document() const { return document_; }
    QString currentFileName() const { return currentFileName_; }
    QString uiLanguage() const { return uiLanguage_; }
    bool langFileOpen() const { return langFileOpen_; }
    bool langModified() const { return langModified_; }
    int currentSet() const { return currentSet_; }
    int currentSymbol() const { return currentSymbol_; }
    FontPage* fontPage() const { return fontPage_; }
    InfoPage* infoPage() const { return infoPage_; }
    ToolPalette* toolPalette() const { return toolPalette_; }
    QString statusText(int panel) const;
    SetSizeDialog* setSizeDialog() const { return setSizeDialog_; }

    // SaveLang: true when the file was written.
    bool SaveLang();
    // Asked before the window closes: false keeps it open.
    bool QustionSave();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Keypad + and - reach Zoom + and Zoom - even where the platform's key
    // mapping loses the keypad mark before shortcuts are matched (X11).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- construction -------------------------------------------------------------------
    void buildLayout();
    void connectCommands();
    void connectCommand(QAction* action, void (MainWindow::*handler)());
    void LoadSettings();
    void SaveSetup();
    void SaveDefaultSetup();
    void SaveDefaultSetupLang();

    // --- document lifecycle ---------------------------------------------------------------
    void OpenBinFile();
    void restorePreviousFileName();
    // "Open BIN file" or a double click in the code-group list.
    void openFromCodeGroupList(const QString& path);
    // Asked before another langpack replaces a changed one: false keeps the old one.
    bool mayReplaceLangpack();
    void BeginSetup();
    void updateTitle();
    void EditingLang();
    void NoEditingLang();

    // --- grids ----------------------------------------------------------------------------
    void StringGrid4Click(int row, int previous);
    void StringGrid3Click(int row, int previous);
    void showSet(int setIndex);
    void selectGlyph(int glyphIndex);
    void SelectingSymbol();
    bool QuestionSaveImage();
    bool glyphShown() const;
    Symbols* workingGlyph();

    // --- commands ---------------------------------------------------------------------------
    void openFileCommand();         // N2Click
    void saveImageCommand();        // N3Click
    void saveLangpackCommand();     // N4Click
    void exitCommand();             // N6Click
    void aboutCommand();            // N26Click
    void undoCommand();             // SpeedButton16Click
    void clearCommand();            // N9Click
    void selectAllCommand();        // N10Click
    void copyCommand();             // SpeedButton10Click
    void cutCommand();              // SpeedButton11Click
    void pasteCommand();            // SpeedButton12Click
    void shiftLeftCommand();        // SpeedButton13Click
    void shiftRightCommand();       // SpeedButton14Click
    void zoomInCommand();           // N17Click
    void zoomOutCommand();          // N18Click
    void setWidthCommand();         // N20Click
    void increaseWidthCommand();    // N21Click
    void decreaseWidthCommand();    // N22Click
    void setHeightCommand();        // N32Click
    void toolChosen(Tool tool);     // SpeedButton9Click ... SpeedButton28Click
    void laterCommand();            // commands whose features come later

    // Enabled states that follow the editor: Save Image, Undo, the zoom pair.
    void syncEditorCommands();

    // --- EditorHost ---------------------------------------------------------------------------
    void editingLang() override;
    void imageModifiedChanged(bool modified) override;
    void undoAvailable() override;
    void undoCleared() override;
    void canvasChanged() override;
    void canvasResized() override;
    void statusText(int panel, const std::string& text) override;
    void pressSelectionTool() override;
    void openTextDialog() override;
    void putClipboardImage(const MonoImage& image) override;

    // --- state ------------------------------------------------------------------------------------
    AppEnvironment environment_;
    std::shared_ptr<MessageBoxes> messages_;
    OpenFileChooser chooseOpenFile_;
    ShxExtraction runShxExtraction_;
    QString shxErrorDetail_;          // what the last extraction reported, if anything
    CodeGroupWindow* codeGroupWindow_ = nullptr;  // "TForm8"

    GlyphEditor editor_;
    std::optional<LangpackDocument> document_;

    QString currentFileName_;
    QString previousFileName_;
    bool langpackFound_ = false;
    bool langFileOpen_ = false;
    QString uiLanguage_;
    bool langModified_ = false;
    int currentSet_ = -1;
    int currentSymbol_ = -1;

    MainActions actions_;
    ToolPalette* toolPalette_ = nullptr;
    QTabWidget* pages_ = nullptr;
    FontPage* fontPage_ = nullptr;
    InfoPage* infoPage_ = nullptr;
    GlyphTableModel* glyphModel_ = nullptr;
    QLabel* statusPanels_[3] = {nullptr, nullptr, nullptr};
    AboutDialog* aboutDialog_ = nullptr;
    SetSizeDialog* setSizeDialog_ = nullptr;
};

// "Glyphora - lang.smg [4:1]"
QString WindowTitle(const QString& fileName, int zoomFactor);

}  // namespace glyphora
