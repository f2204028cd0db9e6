#include "GenerateCommands.h"

#include <FontPage.h>
#include <GenerateDialog.h>
#include <GlyphGeneration.h>
#include <LazyWindow.h>
#include <SetGuidesView.h>

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include <memory>

namespace glyphora {

void BindGenerateCommands(const CommandContext& c, FontPage* fontPage, const SetGuidesView& guides,
                          ViewPreferences& preferences) {
    // The RenderFont lives as long as the commands do: for the run.
    auto generation = std::make_shared<GlyphGeneration>(c.session);
    // The status bar always tells what Ctrl+F draws with.
    QLabel* fontPanel = nullptr;
    if (auto* window = qobject_cast<QMainWindow*>(c.window)) {
        fontPanel = new QLabel(window->statusBar());
        fontPanel->setObjectName(QStringLiteral("RenderFontPanel"));
        fontPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        // A narrow window cuts the panel instead of growing for it; its tip
        // keeps the whole text.
        fontPanel->setMinimumWidth(fontPanel->fontMetrics().averageCharWidth() * 8);
        window->statusBar()->addPermanentWidget(fontPanel);
    }
    auto showFont = [generation, fontPanel] {
        if (!fontPanel) return;
        const QString text = QString::fromStdString(generation->renderFontText());
        fontPanel->setText(text);
        fontPanel->setToolTip(text);
    };
    showFont();
    Bind(c, Command::SelectFont, [generation, showFont] {
        generation->SelectWindowsFont();
        showFont();
    });
    Bind(c, Command::SelectFontFile, [generation, showFont] {
        generation->SelectFontFile();
        showFont();
    });
    // Built when first opened.
    auto dialog = MakeLazyWindow<GenerateDialog>([c, generation, fontPage, &guides, &preferences, showFont] {
        auto* built = new GenerateDialog(
            c.session, *generation,
            [fontPage] {
                const GridRowRange rows = fontPage->chosenGlyphRows();
                return std::make_pair(rows.top, rows.bottom);
            },
            c.window);
        built->setBaselineGuide([&guides] { return guides.current().baseline; });
        built->setPreferences(&preferences);
        built->setRunner([c, showFont](const std::function<void()>& work) {
            RunCommand(c, work);
            showFont();
        });
        QObject::connect(built, &QDialog::finished, c.window, [generation, showFont] {
            generation->EndPreviews();
            showFont();
        });
        return built;
    });
    Bind(c, Command::GenerateGlyphs, [dialog, showFont] {
        dialog->get()->open();
        showFont();
    });
    Bind(c, Command::ReplaceSymbols, [generation, fontPage] {
        const GridRowRange rows = fontPage->chosenGlyphRows();
        generation->ReplaceChosenSymbols(rows.top, rows.bottom);
    });
    Bind(c, Command::OptimizeWidths, [generation, fontPage] {
        const GridRowRange rows = fontPage->chosenGlyphRows();
        generation->OptimizeChosenSymbols(rows.top, rows.bottom);
    });
}

}  // namespace glyphora
