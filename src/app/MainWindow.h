// The main window ("TForm1"): menus, toolbar, tool palette, the pages "Font"
// and "Information on a langpack" and the status bar. It is the composition
// root: it owns the session, binds the command modules to its actions and
// shows what the session reports. The flows themselves live in the session.
#pragma once

#include "AppEnvironment.h"
#include "InterfaceTexts.h"
#include "LazyWindow.h"
#include "MainActions.h"

#include <Session.h>
#include <SessionObserverList.h>

#include <QMainWindow>

#include <memory>

class QLabel;
class QTabWidget;

namespace glyphora {

class AboutDialog;
class ChangedMarks;
class LangpackComparison;
class CharacterRangesDialog;
class CodeGroupWindow;
class EditorBinding;
class FontPage;
class GlyphTableModel;
class GlyphMapDock;
class GoToDialog;
class GuidesDialog;
class SetGuidesView;
class InfoPage;
class InsertTextDialog;
class RecentFilesMenu;
class SamplePanel;
class SetSizeDialog;
class StatusPresenter;
class ToolPalette;
class ViewPreferences;

class MainWindow : public QMainWindow, private SessionObserver {
    Q_OBJECT
public:
    // Reads the settings file at once (FormCreate), which may open a langpack.
    explicit MainWindow(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The Open-file flow for a path named on the command line.
    void openFile(const QString& path);

    Session& session() { return *session_; }
    const MainActions& actions() const { return actions_; }
    QAction* action(Command command) const { return actions_.action(command); }
    GlyphEditor& editor() { return session_->editor(); }
    FontPage* fontPage() const { return fontPage_; }
    InfoPage* infoPage() const { return infoPage_; }
    ToolPalette* toolPalette() const { return toolPalette_; }
    // The secondary windows, each built when it is first needed (here too).
    CodeGroupWindow* codeGroupWindow() const { return codeGroupWindow_->get(); }
    SetSizeDialog* setSizeDialog() const { return setSizeDialog_->get(); }
    InsertTextDialog* insertTextDialog() const { return insertTextDialog_->get(); }
    AboutDialog* aboutDialog() const { return aboutDialog_->get(); }
    SamplePanel* samplePanel() const { return samplePanel_; }
    GoToDialog* goToDialog() const { return goToDialog_->get(); }
    RecentFilesMenu* recentFiles() const { return recentFiles_; }
    GuidesDialog* guidesDialog() const { return guidesDialog_->get(); }
    GlyphMapDock* glyphMap() const { return glyphMap_; }
    QString statusText(int panel) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The first showing applies the interface language (FormShow).
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    // The panels and helpers beside the original window: the sample text, go
    // to character, recent files, the marks of changed glyphs, menu keys.
    void buildViewParts();
    void bindCommands();
    void restoreLayout();
    void returnToLastPlace();
    // Title, enabled commands and the chosen language item, from the session.
    void refresh();
    void syncGrids();
    // A window built after the interface texts were first applied shows them at once.
    void showTextsIn(const TextWindows& built);

    // --- SessionObserver ------------------------------------------------------------------
    void documentReplaced() override;
    void setShown() override;
    void selectionChanged() override;
    void glyphsChanged(const std::vector<int>& sets, const std::vector<int>& glyphs) override;
    void setHeightsChanged(const std::vector<int>& sets) override;
    void setsReplaced(const std::vector<int>& sets) override;
    void statusMessage(const std::string& text) override;
    void canvasVisibility(bool visible) override;
    void interfaceTextsChanged() override;
    void stateChanged() override;

    AppEnvironment environment_;
    std::shared_ptr<Prompts> prompts_;
    std::shared_ptr<FlashExtraction> extraction_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<StatusPresenter> status_;
    std::unique_ptr<EditorBinding> binding_;
    std::unique_ptr<ViewPreferences> preferences_;
    std::unique_ptr<LangpackComparison> comparison_;
    std::unique_ptr<ChangedMarks> changedMarks_;
    std::unique_ptr<SetGuidesView> guidesView_;
    SessionObserverList observers_;

    MainActions actions_;
    ToolPalette* toolPalette_ = nullptr;
    QTabWidget* pages_ = nullptr;
    FontPage* fontPage_ = nullptr;
    InfoPage* infoPage_ = nullptr;
    GlyphTableModel* glyphModel_ = nullptr;
    QLabel* statusPanels_[3] = {nullptr, nullptr, nullptr};
    SharedWindow<CodeGroupWindow> codeGroupWindow_;    // "TForm8"
    SharedWindow<AboutDialog> aboutDialog_;            // "TForm6"
    SharedWindow<InsertTextDialog> insertTextDialog_;  // "TForm2"
    SharedWindow<SetSizeDialog> setSizeDialog_;        // "TForm5"
    bool languageApplied_ = false;
    bool textsApplied_ = false;
    SamplePanel* samplePanel_ = nullptr;
    SharedWindow<GoToDialog> goToDialog_;
    SharedWindow<CharacterRangesDialog> characterRangesDialog_;
    RecentFilesMenu* recentFiles_ = nullptr;
    SharedWindow<GuidesDialog> guidesDialog_;
    GlyphMapDock* glyphMap_ = nullptr;
};

}  // namespace glyphora
