#include "MainWindow.h"

#include "AboutDialog.h"
#include "ErrorGuard.h"
#include "FontPage.h"
#include "GlyphTableModel.h"
#include "InfoPage.h"
#include "Pictograms.h"
#include "Settings.h"
#include "ToolPalette.h"

#include <CodeGroupWindow.h>

#include <CanvasWidget.h>
#include <ImageConvert.h>
#include <LangpackEdit.h>
#include <SetSizeDialog.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace glyphora {

namespace {

constexpr int kStatusPanelWidths[3] = {100, 100, 130};

std::string toLocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString fromLocalPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The filter of the open dialog. Each entry's visible name is the text in
// front of its last parentheses, which hold the patterns (both letter cases,
// as names on this platform are case-sensitive).
QStringList openDialogFilters() {
    return {
        QStringLiteral("Binary langpack (*.smg;*.bin) (*.smg *.bin *.SMG *.BIN)"),
        QStringLiteral("Motorola SHX files (*.shx) (*.shx *.SHX)"),
        QStringLiteral("All files (*)"),
    };
}

}  // namespace

QString WindowTitle(const QString& fileName, int zoomFactor) {
    return QStringLiteral("Glyphora - %1 [%2:1]").arg(fileName).arg(zoomFactor);
}

MainWindow::MainWindow(const AppEnvironment& environment, QWidget* parent)
    : QMainWindow(parent), environment_(environment), editor_(this) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Glyphora"));
    setWindowIcon(PictogramIcon(Pictogram::Application));
    resize(600, 600);
    setMinimumSize(600, 500);

    messages_ = environment_.messageBoxes ? environment_.messageBoxes : std::make_shared<QtMessageBoxes>(this);
    chooseOpenFile_ = [this] {
        QFileDialog dialog(this, QStringLiteral("Open"));
        dialog.setObjectName(QStringLiteral("OpenDialog1"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(openDialogFilters());
        if (!currentFileName_.isEmpty()) dialog.setDirectory(QFileInfo(currentFileName_).absolutePath());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().constFirst();
    };
    codeGroupWindow_ = new CodeGroupWindow(this);
    connect(codeGroupWindow_, &CodeGroupWindow::openRequested, this, &MainWindow::openFromCodeGroupList);
    runShxExtraction_ = [this](const QString& flashFile) -> std::optional<QString> {
        const ExtractOutcome outcome = codeGroupWindow_->extract(flashFile);
        if (outcome.errorReported)
            shxErrorDetail_ = outcome.errorDetail.isEmpty() ? outcome.errorText : outcome.errorDetail;
        if (!outcome.LangpackFound) return std::nullopt;
        return outcome.langpackPath;
    };

    buildLayout();
    connectCommands();
    setSizeDialog_ = new SetSizeDialog(this);
    setSizeDialog_->setObjectName(QStringLiteral("TForm5"));
    aboutDialog_ = new AboutDialog(this);

    qApp->installEventFilter(this);
    RunGuarded(*messages_, [this] { LoadSettings(); });
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // The canvas and the grids refer to the editor and the glyph model, which
    // are members: they go first.
    delete takeCentralWidget();
    editor_.setHost(nullptr);
}

// --- construction -------------------------------------------------------------------------

void MainWindow::buildLayout() {
    actions_ = CreateMainActions(this);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    toolPalette_ = new ToolPalette(central);
    row->addWidget(toolPalette_);

    glyphModel_ = new GlyphTableModel(this);
    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setDocumentMode(false);
    fontPage_ = new FontPage(&editor_, glyphModel_, pages_);
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
}

void MainWindow::connectCommand(QAction* action, void (MainWindow::*handler)()) {
    connect(action, &QAction::triggered, this, [this, handler] {
        RunGuarded(*messages_, [this, handler] { (this->*handler)(); });
        syncEditorCommands();
    });
}

void MainWindow::connectCommands() {
    const MainActions& a = actions_;
    connectCommand(a.openFile, &MainWindow::openFileCommand);
    connectCommand(a.saveImage, &MainWindow::saveImageCommand);
    connectCommand(a.saveLangpack, &MainWindow::saveLangpackCommand);
    connectCommand(a.exit, &MainWindow::exitCommand);
    connectCommand(a.about, &MainWindow::aboutCommand);
    connectCommand(a.undo, &MainWindow::undoCommand);
    connectCommand(a.clear, &MainWindow::clearCommand);
    connectCommand(a.selectAll, &MainWindow::selectAllCommand);
    connectCommand(a.copy, &MainWindow::copyCommand);
    connectCommand(a.cut, &MainWindow::cutCommand);
    connectCommand(a.paste, &MainWindow::pasteCommand);
    connectCommand(a.shiftLeft, &MainWindow::shiftLeftCommand);
    connectCommand(a.shiftRight, &MainWindow::shiftRightCommand);
    connectCommand(a.zoomIn, &MainWindow::zoomInCommand);
    connectCommand(a.zoomOut, &MainWindow::zoomOutCommand);
    connectCommand(a.setWidth, &MainWindow::setWidthCommand);
    connectCommand(a.increaseWidth, &MainWindow::increaseWidthCommand);
    connectCommand(a.decreaseWidth, &MainWindow::decreaseWidthCommand);
    connectCommand(a.setHeight, &MainWindow::setHeightCommand);
    for (QAction* later : {a.shx, a.exportBitmap, a.importBitmap, a.selectFont, a.replaceSymbols,
                           a.optimizeWidths, a.english, a.russian, a.loadLanguage})
        connectCommand(later, &MainWindow::laterCommand);

    connect(toolPalette_, &ToolPalette::toolClicked, this, [this](Tool tool) {
        RunGuarded(*messages_, [this, tool] { toolChosen(tool); });
        syncEditorCommands();
    });
    connect(fontPage_, &FontPage::setRowChosen, this, [this](int row, int previous) {
        RunGuarded(*messages_, [&] { StringGrid4Click(row, previous); });
        syncEditorCommands();
    });
    connect(fontPage_, &FontPage::glyphRowChosen, this, [this](int row, int previous) {
        RunGuarded(*messages_, [&] { StringGrid3Click(row, previous); });
        syncEditorCommands();
    });
}

// --- settings -----------------------------------------------------------------------------

void MainWindow::LoadSettings() {
    const SettingsRead read = ReadSettingsFile(toLocalPath(environment_.settingsPath));
    if (!read.exists) {
        SaveDefaultSetup();
        return;
    }
    for (const SettingsEntry& entry : read.entries) {
        if (entry.key == SettingsEntry::Key::Language) {
            uiLanguage_ = QString::fromStdString(entry.value);
        } else {
            previousFileName_ = currentFileName_;
            currentFileName_ = fromLocalPath(entry.value);
            OpenBinFile();
        }
    }
    if (uiLanguage_.isEmpty()) SaveDefaultSetupLang();
}

void MainWindow::SaveSetup() {
    WriteSettingsFile(toLocalPath(environment_.settingsPath), uiLanguage_.toStdString(), toLocalPath(currentFileName_));
}

void MainWindow::SaveDefaultSetup() {
    uiLanguage_ = QStringLiteral("English");
    actions_.english->setChecked(true);
    WriteSettingsFile(toLocalPath(environment_.settingsPath), "English", "");
}

void MainWindow::SaveDefaultSetupLang() {
    uiLanguage_ = QStringLiteral("English");
    actions_.english->setChecked(true);
    WriteSettingsFile(toLocalPath(environment_.settingsPath), "English", toLocalPath(currentFileName_));
}

// --- document lifecycle ---------------------------------------------------------------------

void MainWindow::openFile(const QString& path) {
    RunGuarded(*messages_, [&] {
        // A path typed on the command line may name nothing; the open dialog never does.
        if (!QFileInfo::exists(path)) {
            messages_->error(QStringLiteral("The file %1 does not exist.").arg(path));
            return;
        }
        previousFileName_ = currentFileName_;
        currentFileName_ = path;
        langpackFound_ = true;
        if (QFileInfo(path).suffix().toLower() == QLatin1String("shx")) {
            langpackFound_ = false;
            std::optional<QString> langpack;
            shxErrorDetail_.clear();
            try {
                langpack = runShxExtraction_(path);
            } catch (...) {
                // An extraction that breaks off has written no langpack to open.
            }
            if (langpack) {
                currentFileName_ = *langpack;
                langpackFound_ = true;
            }
        }
        if (langpackFound_) {
            OpenBinFile();
        } else {
            currentFileName_ = previousFileName_;
            // The extraction's own report says what broke in the flash file.
            QString text = QStringLiteral("This file is not langpack.");
            if (!shxErrorDetail_.isEmpty()) text += QLatin1Char('\n') + shxErrorDetail_;
            messages_->warning(text);
        }
    });
    syncEditorCommands();
}

void MainWindow::openFromCodeGroupList(const QString& path) {
    RunGuarded(*messages_, [&] {
        previousFileName_ = currentFileName_;
        currentFileName_ = path;
        // An empty cell names no file: the langpack loaded before stays.
        if (path.isEmpty()) {
            restorePreviousFileName();
            return;
        }
        OpenBinFile();
    });
    syncEditorCommands();
}

void MainWindow::restorePreviousFileName() { currentFileName_ = previousFileName_; }

void MainWindow::OpenBinFile() {
    std::optional<LangpackDocument> loaded;
    const DocumentLoad result = LangpackDocument::Load(toLocalPath(currentFileName_), loaded);
    switch (result.status) {
    case DocumentLoad::Status::Missing:
        return;
    case DocumentLoad::Status::NotLangpack:
        restorePreviousFileName();
        return;
    case DocumentLoad::Status::Unreadable:
        restorePreviousFileName();
        messages_->error(QStringLiteral("The file cannot be read:\n%1").arg(fromLocalPath(result.message)));
        return;
    case DocumentLoad::Status::Malformed:
        restorePreviousFileName();
        messages_->warning(QStringLiteral("The file is damaged and cannot be opened as a langpack:\n%1")
                               .arg(fromLocalPath(result.message)));
        return;
    case DocumentLoad::Status::Loaded:
        break;
    }
    if (!mayReplaceLangpack()) {
        restorePreviousFileName();
        return;
    }

    glyphModel_->showSet(nullptr, -1);
    document_ = std::move(loaded);
    langModified_ = false;
    const TLangpack& langpack = document_->langpack();
    infoPage_->showLangpack(langpack);
    fontPage_->showSets(langpack);
    BeginSetup();
    if (langpack.SetCount() > 0) {
        fontPage_->chooseSetRow(0);
        showSet(0);
    }
    updateTitle();
}

bool MainWindow::mayReplaceLangpack() {
    if (!document_ || !langModified_) return true;
    return QustionSave();
}

void MainWindow::BeginSetup() {
    editor_.ResetForOpen();
    langFileOpen_ = true;
    currentSet_ = -1;
    currentSymbol_ = -1;
    CanvasWidget* canvas = fontPage_->canvas();
    canvas->syncSize();
    canvas->show();
    statusPanels_[0]->setText(QStringLiteral("Size: %1x%2").arg(editor_.GlyphWidth()).arg(editor_.GlyphHeight()));
    syncEditorCommands();
}

void MainWindow::updateTitle() {
    if (!document_) {
        setWindowTitle(QStringLiteral("Glyphora"));
        return;
    }
    setWindowTitle(WindowTitle(QFileInfo(fromLocalPath(document_->path())).fileName(), editor_.ZoomFactor()));
}

void MainWindow::EditingLang() {
    langModified_ = true;
    actions_.saveLangpack->setEnabled(true);
}

void MainWindow::NoEditingLang() {
    langModified_ = false;
    actions_.saveLangpack->setEnabled(false);
}

bool MainWindow::SaveLang() {
    if (!langModified_ || !document_) return true;
    editor_.FalseGoBegin();
    if (!QuestionSaveImage()) return false;
    const DocumentSave result = document_->Save();
    const QString file = fromLocalPath(document_->path());
    switch (result.status) {
    case DocumentSave::Status::Refused:
        messages_->warning(QString::fromStdString(result.message));
        return false;
    case DocumentSave::Status::WriteFailed:
        messages_->error(QStringLiteral("The langpack %1 could not be saved:\n%2\n\nThe file was left as it was.")
                             .arg(file, fromLocalPath(result.message)));
        return false;
    case DocumentSave::Status::Saved:
        break;
    }
    NoEditingLang();
    return true;
}

bool MainWindow::QustionSave() {
    if (langModified_) {
        switch (messages_->ask(QStringLiteral("Save changed langpack?"), MessageBoxes::Icon::Warning)) {
        case MessageBoxes::Answer::Yes:
            if (!SaveLang()) return false;
            break;
        case MessageBoxes::Answer::No:
            NoEditingLang();
            break;
        case MessageBoxes::Answer::Cancel:
            return false;
        }
    }
    editor_.FalseGoBegin();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    RunGuarded(*messages_, [&] { mayClose = QustionSave(); });
    syncEditorCommands();
    if (!mayClose) {
        event->ignore();
        return;
    }
    SaveSetup();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!(key->modifiers() & Qt::KeypadModifier) || !widget || widget->window() != this ||
        qobject_cast<QLineEdit*>(widget))
        return QMainWindow::eventFilter(watched, event);
    QAction* zoom = key->key() == Qt::Key_Plus ? actions_.zoomIn : key->key() == Qt::Key_Minus ? actions_.zoomOut : nullptr;
    if (!zoom || !zoom->isEnabled()) return QMainWindow::eventFilter(watched, event);
    zoom->trigger();
    return true;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    infoPage_->fitColumns();
    fontPage_->fitColumns();
}

// --- grids --------------------------------------------------------------------------------------

void MainWindow::StringGrid4Click(int row, int previous) {
    if (!langFileOpen_ || !document_ || row == currentSet_) return;
    if (!QuestionSaveImage()) {
        fontPage_->chooseSetRow(previous);
        return;
    }
    showSet(row);
}

void MainWindow::showSet(int setIndex) {
    const TLangpack& langpack = document_->langpack();
    if (setIndex < 0 || setIndex >= langpack.SetCount()) return;
    currentSet_ = setIndex;
    const int height = langpack.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    editor_.SetGlyphHeight(height);
    glyphModel_->showSet(&langpack, setIndex);
    fontPage_->fitGlyphRows(height);
    if (glyphModel_->rowCount() > 0) {
        selectGlyph(0);
    } else {
        // A set without glyphs leaves nothing to edit.
        currentSymbol_ = -1;
        fontPage_->canvas()->hide();
    }
}

void MainWindow::StringGrid3Click(int row, int previous) {
    if (!langFileOpen_ || !document_ || row == currentSymbol_) return;
    if (!QuestionSaveImage()) {
        fontPage_->chooseGlyphRow(previous);
        return;
    }
    selectGlyph(row);
}

void MainWindow::selectGlyph(int glyphIndex) {
    const Symbols* glyph = glyphModel_->glyph(glyphIndex);
    if (!glyph) return;
    currentSymbol_ = glyphIndex;
    fontPage_->chooseGlyphRow(glyphIndex);
    editor_.LoadSymb(*glyph);
    CanvasWidget* canvas = fontPage_->canvas();
    canvas->syncSize();
    canvas->show();
    // The size shown is the glyph's, not the blank canvas's of the open.
    statusPanels_[0]->setText(QStringLiteral("Size: %1x%2").arg(editor_.GlyphWidth()).arg(editor_.GlyphHeight()));
    SelectingSymbol();
}

void MainWindow::SelectingSymbol() {
    for (QAction* action : actions_.glyphCommands()) action->setEnabled(true);
}

bool MainWindow::QuestionSaveImage() {
    if (!editor_.ImageModified()) return true;
    switch (messages_->ask(QStringLiteral("Save the current symbol?"), MessageBoxes::Icon::Question)) {
    case MessageBoxes::Answer::Yes:
        saveImageCommand();
        return true;
    case MessageBoxes::Answer::No:
        editor_.NoEditingImage();
        return true;
    case MessageBoxes::Answer::Cancel:
        break;
    }
    return false;
}

bool MainWindow::glyphShown() const { return document_ && currentSet_ >= 0 && currentSymbol_ >= 0; }

Symbols* MainWindow::workingGlyph() {
    if (!glyphShown()) return nullptr;
    auto& sets = document_->langpack().SymbolTable;
    if (currentSet_ >= static_cast<int>(sets.size())) return nullptr;
    auto& glyphs = sets[static_cast<std::size_t>(currentSet_)];
    if (currentSymbol_ >= static_cast<int>(glyphs.size())) return nullptr;
    return &glyphs[static_cast<std::size_t>(currentSymbol_)];
}

// --- commands ---------------------------------------------------------------------------------------

void MainWindow::openFileCommand() {
    const QString path = chooseOpenFile_();
    if (path.isEmpty()) return;
    openFile(path);
}

void MainWindow::saveImageCommand() {
    Symbols* glyph = workingGlyph();
    if (!glyph) return;
    // A floating selection is part of what the canvas shows, so it is stored too.
    editor_.FalseGoBegin();
    editor_.NoEditingImage();
    TLangpack& langpack = document_->langpack();
    const int height = langpack.FontSetTable[static_cast<std::size_t>(currentSet_)].Height;
    Symbols stored;
    editor_.SaveImage(stored, height);
    // The copies of set 2 are saved from set 2, so they all get the glyph.
    StoreGlyph(langpack, currentSet_, currentSymbol_, stored.Width, std::move(stored.Data));
    glyphModel_->glyphChanged(currentSymbol_);
}

void MainWindow::saveLangpackCommand() { SaveLang(); }

void MainWindow::exitCommand() { close(); }

void MainWindow::aboutCommand() { aboutDialog_->exec(); }

void MainWindow::undoCommand() {
    if (glyphShown()) editor_.UndoCommand();
}

void MainWindow::clearCommand() {
    if (glyphShown()) editor_.Clear();
}

void MainWindow::selectAllCommand() {
    if (glyphShown()) editor_.SelectAll();
}

void MainWindow::copyCommand() {
    if (glyphShown()) editor_.Copy();
}

void MainWindow::cutCommand() {
    if (glyphShown()) editor_.Cut();
}

void MainWindow::pasteCommand() {
    if (!glyphShown()) return;
    const QImage image = QGuiApplication::clipboard()->image();
    MonoImage pasted;
    if (image.isNull())
        messages_->error(QStringLiteral("In the buffer there is an image in a wrong format"));
    else
        pasted = fromQImage(image);
    editor_.Paste(pasted);
}

void MainWindow::shiftLeftCommand() {
    if (glyphShown()) editor_.ShiftImageGor(-1);
}

void MainWindow::shiftRightCommand() {
    if (glyphShown()) editor_.ShiftImageGor(1);
}

void MainWindow::zoomInCommand() {
    if (!langFileOpen_ || !editor_.ZoomIn()) return;
    fontPage_->canvas()->syncSize();
    updateTitle();
}

void MainWindow::zoomOutCommand() {
    if (!langFileOpen_ || !editor_.ZoomOut()) return;
    fontPage_->canvas()->syncSize();
    updateTitle();
}

void MainWindow::setWidthCommand() {
    if (!glyphShown()) return;
    const auto choice = setSizeDialog_->ask(SetSizeDialog::Mode::Width, editor_.GlyphWidth(), editor_.GlyphHeight());
    if (choice) editor_.SetWidth(choice->value);
}

void MainWindow::increaseWidthCommand() {
    if (glyphShown()) editor_.IncreaseWidth();
}

void MainWindow::decreaseWidthCommand() {
    if (glyphShown()) editor_.DecreaseWidth();
}

void MainWindow::setHeightCommand() {
    if (!glyphShown()) return;
    if (!QuestionSaveImage()) return;
    const auto choice = setSizeDialog_->ask(SetSizeDialog::Mode::Height, editor_.GlyphWidth(), editor_.GlyphHeight());
    if (!choice) return;
    // The copies of set 2 are saved with set 2's height, so they all change.
    for (int set : SetSetHeight(document_->langpack(), currentSet_, static_cast<uint16_t>(choice->value)))
        fontPage_->setHeightCell(set, choice->value);
    editor_.SetGlyphHeight(choice->value);
    EditingLang();
    editor_.ResizeImage();
}

void MainWindow::toolChosen(Tool tool) {
    editor_.setTool(tool);
    // The text tool's "Insert text" dialog comes with the text rendering.
}

void MainWindow::laterCommand() {}

void MainWindow::syncEditorCommands() {
    const bool open = langFileOpen_;
    actions_.saveImage->setEnabled(open && glyphShown() && editor_.ImageModified());
    actions_.undo->setEnabled(open && editor_.UndoAvailable());
    // Zoom + and its button are switched together, so at 16:1 both are off.
    actions_.zoomIn->setEnabled(open && editor_.ZoomFactor() < kZoomLadder[std::size(kZoomLadder) - 1]);
    actions_.zoomOut->setEnabled(open && editor_.ZoomFactor() > kZoomLadder[0]);
    actions_.saveLangpack->setEnabled(langModified_);
}

QString MainWindow::statusText(int panel) const {
    return panel >= 0 && panel < 3 ? statusPanels_[panel]->text() : QString();
}

// --- EditorHost -------------------------------------------------------------------------------------------

void MainWindow::editingLang() { EditingLang(); }

void MainWindow::imageModifiedChanged(bool) { syncEditorCommands(); }

void MainWindow::undoAvailable() { syncEditorCommands(); }

void MainWindow::undoCleared() { syncEditorCommands(); }

void MainWindow::canvasChanged() { fontPage_->canvas()->update(); }

void MainWindow::canvasResized() { fontPage_->canvas()->syncSize(); }

void MainWindow::statusText(int panel, const std::string& text) {
    if (panel >= 0 && panel < 3) statusPanels_[panel]->setText(QString::fromStdString(text));
}

void MainWindow::pressSelectionTool() { toolPalette_->press(Tool::Selection); }

void MainWindow::openTextDialog() {}

void MainWindow::putClipboardImage(const MonoImage& image) {
    QGuiApplication::clipboard()->setImage(toQImage(image, QImage::Format_RGB32));
}

}  // namespace glyphora
