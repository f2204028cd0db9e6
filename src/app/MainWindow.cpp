#include "MainWindow.h"

#include "ChangedMarks.h"
#include "CharacterRangesDialog.h"
#include "CodeGroupExtraction.h"
#include "DockedSizes.h"
#include "ErrorGuard.h"
#include "FontPage.h"
#include "GlyphMapView.h"
#include "GlyphTableModel.h"
#include "GuidesDialog.h"
#include "Icons.h"
#include "InfoPage.h"
#include "InterfaceTexts.h"
#include "KeypadZoom.h"
#include "LocalPath.h"
#include "MenuKeys.h"
#include "QtPrompts.h"
#include "RecentFilesMenu.h"
#include "SamplePanel.h"
#include "SampleView.h"
#include "SetGuidesView.h"
#include "ToolPalette.h"
#include "ViewPreferences.h"
#include "commands/BitmapCommands.h"
#include "commands/CharacterRangesCommands.h"
#include "commands/EditCommands.h"
#include "commands/FileCommands.h"
#include "commands/FitCommands.h"
#include "commands/GenerateCommands.h"
#include "commands/GlyphCopyCommands.h"
#include "commands/GoToCommands.h"
#include "commands/GuideCommands.h"
#include "commands/HelpCommands.h"
#include "commands/HistoryCommands.h"
#include "commands/InsertTextCommand.h"
#include "commands/LanguageCommands.h"
#include "commands/RecentCommands.h"
#include "commands/SetExchangeCommands.h"
#include "commands/SizeCommands.h"
#include "commands/TransformCommands.h"
#include "commands/ViewCommands.h"

#include <CanvasWidget.h>
#include <CodeGroupWindow.h>
#include <EditorBinding.h>
#include <InsertTextDialog.h>
#include <LanguageLoader.h>
#include <SetSizeDialog.h>
#include <StatusPresenter.h>

#include <FileOpening.h>
#include <InterfaceLanguage.h>
#include <LangpackComparison.h>
#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace glyphora {

namespace {
constexpr int kStatusPanelWidths[3] = {100, 100, 130};
constexpr int kStatusMessageMilliseconds = 5000;
constexpr int kWidthWithGlyphMap = 900;
}  // namespace

MainWindow::MainWindow(const AppEnvironment& environment, QWidget* parent)
    : QMainWindow(parent), environment_(environment) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Glyphora"));
    setWindowIcon(ApplicationIcon());
    resize(600, 600);
    setMinimumSize(600, 500);

    setSizeDialog_ = MakeLazyWindow<SetSizeDialog>([this] {
        auto* dialog = new SetSizeDialog(this);
        dialog->setObjectName(QStringLiteral("TForm5"));
        showTextsIn({.setSize = dialog});
        return dialog;
    });
    codeGroupWindow_ = MakeLazyWindow<CodeGroupWindow>([this] {
        auto* list = new CodeGroupWindow(this);
        showTextsIn({.codeGroups = list});
        connect(list, &CodeGroupWindow::openRequested, this, [this](const QString& path) {
            Session& s = *session_;
            RunCommand({s, *prompts_, actions_, this, [this] { refresh(); }},
                       [&s, path] { s.OpenFromCodeGroupList(ToLocalPath(path)); });
        });
        return list;
    });
    prompts_ = environment_.prompts ? environment_.prompts
                                    : std::make_shared<QtPrompts>(this, [this] { return setSizeDialog(); });
    extraction_ = environment_.extraction
                      ? environment_.extraction
                      : std::make_shared<CodeGroupExtraction>(this, [this] { return codeGroupWindow(); });
    session_ = std::make_unique<Session>(
        SessionPaths{ToLocalPath(environment_.programDir), ToLocalPath(environment_.settingsPath),
                     ToLocalPath(environment_.settingsReadPath)},
        *prompts_, *extraction_);

    buildLayout();
    binding_ = std::make_unique<EditorBinding>(fontPage_->canvas(), status_.get());
    binding_->onPressSelectionTool = [this] { toolPalette_->press(Tool::Selection); };
    session_->setEditorView(binding_.get());
    buildViewParts();
    session_->setObserver(&observers_);
    bindCommands();
    installKeypadZoom(this, action(Command::ZoomIn), action(Command::ZoomOut));

    restoreLayout();
    RunGuarded(*prompts_, [this] { session_->LoadSettings(); });
    returnToLastPlace();
    refresh();
}

// The langpack the settings opened is the one the window closed on: its set
// and glyph are shown again (the glyph found by its code, which stays when
// characters were added before it).
void MainWindow::returnToLastPlace() {
    const LastPlace place = preferences_->lastPlace();
    if (!session_->LangFileOpen() || place.file.isEmpty() || place.file != FromLocalPath(session_->CurrentFileName()) ||
        place.set < 0)
        return;
    RunGuarded(*prompts_, [&] {
        if (!session_->ChooseSet(place.set) || session_->CurrentSet() != place.set) return;
        const std::vector<Symbols>& glyphs = session_->langpack()->glyphs(place.set);
        const auto at =
            std::find_if(glyphs.begin(), glyphs.end(), [&](const Symbols& g) { return g.Code == place.code; });
        if (at != glyphs.end()) session_->ChooseSymbol(static_cast<int>(at - glyphs.begin()));
    });
}

// The size, place and layout the window was closed with. The first start
// opens 600 x 600, wider with the glyph map beside the canvas when the
// screen has room for both.
void MainWindow::restoreLayout() {
    const QByteArray geometry = preferences_->windowGeometry();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    const QByteArray state = preferences_->windowState();
    if (!state.isEmpty()) {
        restoreState(state);
        // A floating panel that would come back where no screen shows it
        // (a monitor since unplugged) is docked again.
        for (QDockWidget* dock : findChildren<QDockWidget*>()) {
            if (!dock->isFloating()) continue;
            const QScreen* on = QGuiApplication::screenAt(dock->geometry().center());
            if (!on || !on->availableGeometry().intersects(dock->frameGeometry())) dock->setFloating(false);
        }
    } else {
        const QScreen* place = screen();
        const bool room = place && place->availableGeometry().width() >= kWidthWithGlyphMap + 100;
        glyphMap_->setVisible(room);
        if (room) resize(kWidthWithGlyphMap, height());
    }
    action(Command::GlyphMap)->setChecked(!glyphMap_->isHidden());
    const QByteArray splitter = preferences_->splitterState();
    if (!splitter.isEmpty()) fontPage_->splitter()->restoreState(splitter);
}

MainWindow::~MainWindow() {
    session_->setObserver(nullptr);
    session_->setEditorView(nullptr);
    // The canvas and the grids refer to the editor and the model, which the
    // session holds: they go first.
    delete takeCentralWidget();
    delete samplePanel_;
}

void MainWindow::buildLayout() {
    actions_ = MainActions(this);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    toolPalette_ = new ToolPalette(central);
    row->addWidget(toolPalette_);

    glyphModel_ = new GlyphTableModel(this);
    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    fontPage_ = new FontPage(&session_->editor(), glyphModel_, pages_);
    infoPage_ = new InfoPage(pages_);
    pages_->addTab(fontPage_, QStringLiteral("Font"));
    pages_->addTab(infoPage_, QStringLiteral("Information on a langpack"));
    pages_->setCurrentWidget(fontPage_);
    row->addWidget(pages_, 1);
    setCentralWidget(central);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(kStatusPanelWidths[i]);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(3, 0, 3, 0);
        bar->addWidget(panel);
        statusPanels_[i] = panel;
    }
    status_ =
        std::make_unique<StatusPresenter>(std::array<QLabel*, 3>{statusPanels_[0], statusPanels_[1], statusPanels_[2]});
}

void MainWindow::buildViewParts() {
    preferences_ = std::make_unique<ViewPreferences>(environment_.preferencesPath);
    if (auto* qtPrompts = dynamic_cast<QtPrompts*>(prompts_.get())) qtPrompts->setFolderMemory(preferences_.get());
    samplePanel_ = new SamplePanel(*session_, *preferences_, this);
    addDockWidget(Qt::BottomDockWidgetArea, samplePanel_);
    glyphMap_ = new GlyphMapDock(glyphModel_, fontPage_->glyphGrid()->selectionModel(), this);
    addDockWidget(Qt::RightDockWidgetArea, glyphMap_);
    keepDockedSizes(this, {samplePanel_, glyphMap_});
    recentFiles_ = new RecentFilesMenu(actions_.menu(Menu::File), action(Command::OpenFile), *preferences_, this);
    comparison_ = std::make_unique<LangpackComparison>(*session_);
    changedMarks_ = std::make_unique<ChangedMarks>(*session_, *comparison_, fontPage_);
    guidesDialog_ = MakeLazyWindow<GuidesDialog>([this] { return new GuidesDialog(this); });
    guidesView_ = std::make_unique<SetGuidesView>(*session_, *preferences_, fontPage_->canvas(), samplePanel_->view());
    // The window first: the grids are up to date when the panels look.
    observers_.add(this);
    observers_.add(samplePanel_);
    observers_.add(recentFiles_);
    // The comparison follows the model before the marks show it.
    observers_.add(comparison_.get());
    observers_.add(changedMarks_.get());
    observers_.add(guidesView_.get());
    installMenuKeys(this);
}

void MainWindow::bindCommands() {
    const CommandContext context{*session_, *prompts_, actions_, this, [this] { refresh(); }};
    BindFileCommands(context);
    BindEditCommands(context);
    BindBitmapCommands(context);
    BindSizeCommands(context);
    BindTransformCommands(context, fontPage_, *guidesView_);
    BindGenerateCommands(context, fontPage_, *guidesView_, *preferences_);
    aboutDialog_ = BindHelpCommands(context, [this](AboutDialog* about) { showTextsIn({.about = about}); });
    insertTextDialog_ = BindInsertTextCommand(
        context, toolPalette_, *binding_, [this](InsertTextDialog* insert) { showTextsIn({.insertText = insert}); });
    BindLanguageCommands(context);
    BindSetExchangeCommands(context, *guidesView_);
    BindHistoryCommands(context);
    goToDialog_ = BindGoToCommands(context, fontPage_->glyphGrid());
    characterRangesDialog_ = BindCharacterRangesCommands(context, fontPage_);
    BindViewCommands(context, {fontPage_->canvas(), fontPage_->scrollBox()->viewport(), samplePanel_, glyphMap_,
                               binding_.get(), *preferences_});
    BindRecentCommands(context, recentFiles_);
    BindFitCommand(context, fontPage_->scrollBox(), *preferences_);
    BindGuideCommands(context, guidesDialog_, *guidesView_);
    BindGlyphCopyCommands(context, fontPage_, *guidesView_, *preferences_);
    BindCompareCommands(context, *comparison_);

    Session& s = *session_;
    connect(toolPalette_, &ToolPalette::toolClicked, this,
            [context, &s](Tool tool) { RunCommand(context, [&s, tool] { s.editor().setTool(tool); }); });
    connect(fontPage_, &FontPage::setRowChosen, this,
            [context, &s](int row, int) { RunCommand(context, [&s, row] { s.ChooseSet(row); }); });
    connect(fontPage_, &FontPage::glyphRowChosen, this,
            [context, &s](int row, int) { RunCommand(context, [&s, row] { s.ChooseSymbol(row); }); });
}

void MainWindow::openFile(const QString& path) {
    RunGuarded(*prompts_, [&] { FileOpening(*session_).OpenNamedFile(ToLocalPath(path)); });
    refresh();
}

void MainWindow::refresh() {
    setWindowTitle(QString::fromStdString(session_->Title()));
    CommandInputs inputs = session_->commandInputs();
    inputs.comparing = comparison_->active();
    actions_.apply(EnabledCommands(inputs));
    const std::string& language = session_->UILanguage();
    const Command chosen = language == kRussianLanguage                       ? Command::Russian
                           : language.empty() || language == kEnglishLanguage ? Command::English
                                                                              : Command::LoadLanguage;
    action(chosen)->setChecked(true);
}

QString MainWindow::statusText(int panel) const {
    return panel >= 0 && panel < 3 ? status_->text(static_cast<StatusPanel>(panel)) : QString();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A batch or an extraction runs (BusyGuard): the window manager's close
    // button still reaches a disabled window, and a question now would run
    // in the middle of the work.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    bool mayClose = false;
    RunGuarded(*prompts_, [&] { mayClose = session_->QustionSave(); });
    refresh();
    if (!mayClose) {
        event->ignore();
        return;
    }
    if (const Symbols* shown = session_->workingGlyph())
        preferences_->setLastPlace({FromLocalPath(session_->CurrentFileName()), session_->CurrentSet(), shown->Code});
    RunGuarded(*prompts_, [&] { session_->Close(); });
    preferences_->setWindowLayout(saveGeometry(), saveState(), fontPage_->splitter()->saveState());
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (languageApplied_) return;
    languageApplied_ = true;
    RunGuarded(*prompts_, [this] { InterfaceLanguage(*session_).Apply(); });
    refresh();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    infoPage_->fitColumns();
    fontPage_->fitColumns();
}

// --- what the session reports -------------------------------------------------------------

void MainWindow::documentReplaced() {
    const TLangpack* lp = session_->langpack();
    infoPage_->showLangpack(*lp);
    fontPage_->showSets(*lp);
}

void MainWindow::setShown() {
    const int set = session_->CurrentSet();
    glyphModel_->showSet(set >= 0 ? session_->langpack() : nullptr, set);
    fontPage_->fitGlyphRows(session_->setHeight(set));
}

void MainWindow::syncGrids() {
    fontPage_->chooseSetRow(session_->CurrentSet());
    fontPage_->chooseGlyphRow(session_->CurrentSymbol());
}

void MainWindow::selectionChanged() {
    syncGrids();
    // A click that the session refused goes on to select the clicked row after
    // this report: the grids follow the session once more when it is done.
    QTimer::singleShot(0, this, [this] { syncGrids(); });
}

void MainWindow::glyphsChanged(const std::vector<int>& sets, const std::vector<int>& glyphs) {
    if (std::find(sets.begin(), sets.end(), session_->CurrentSet()) == sets.end()) return;
    glyphModel_->glyphsChanged(glyphs);
}

void MainWindow::setHeightsChanged(const std::vector<int>& sets) {
    for (int k : sets) fontPage_->setHeightCell(k, session_->setHeight(k));
    setShown();
    syncGrids();
}

// Characters added or removed, or whole sets put back: the information page
// counts them too, and the open ranges window lists them anew.
void MainWindow::setsReplaced(const std::vector<int>& sets) {
    infoPage_->showLangpack(*session_->langpack());
    setHeightsChanged(sets);
    if (CharacterRangesDialog* ranges = characterRangesDialog_->built(); ranges && ranges->isVisible())
        ranges->showRanges();
}

void MainWindow::statusMessage(const std::string& text) {
    statusBar()->showMessage(QString::fromStdString(text), kStatusMessageMilliseconds);
}

void MainWindow::canvasVisibility(bool visible) {
    CanvasWidget* canvas = fontPage_->canvas();
    canvas->syncSize();
    canvas->setVisible(visible);
}

void MainWindow::interfaceTextsChanged() {
    textsApplied_ = true;
    ApplyInterfaceTexts(session_->uiStrings(), {setSizeDialog_->built(), insertTextDialog_->built(),
                                                aboutDialog_->built(), codeGroupWindow_->built(), status_.get()});
}

void MainWindow::showTextsIn(const TextWindows& built) {
    if (textsApplied_) ApplyInterfaceTexts(session_->uiStrings(), built);
}

void MainWindow::stateChanged() { refresh(); }

}  // namespace glyphora
