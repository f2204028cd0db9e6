// A main window on a temporary folder: its own settings file, langpacks
// written there from fixture descriptions, and scripted message boxes.
#pragma once

#include <ScriptedPrompts.h>

#include <FontPage.h>
#include <LangpackBuilder.h>
#include <MainWindow.h>

#include <QAction>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <span>

namespace glyphora::testing {

class GuiFixture : public ::testing::Test {
protected:
    using Answer = Prompts::Answer;
    using Icon = Prompts::Icon;

    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString settingsPath() const { return path(QStringLiteral("Glyphora.ini")); }

    QString writeFile(const QString& name, std::span<const uint8_t> bytes) const {
        const QString p = path(name);
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return p;
    }
    QString writeLangpack(const QString& name, const fixtures::LangpackSpec& spec) const {
        return writeFile(name, fixtures::BuildLangpack(spec).Bytes);
    }
    QString writeText(const QString& name, const QByteArray& text) const {
        return writeFile(
            name, std::span(reinterpret_cast<const uint8_t*>(text.constData()), static_cast<std::size_t>(text.size())));
    }
    QByteArray readText(const QString& p) const {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::vector<uint8_t> readBytes(const QString& p) const {
        const QByteArray b = readText(p);
        return {b.begin(), b.end()};
    }

    MainWindow& window() {
        if (!window_) {
            AppEnvironment env;
            env.programDir = dir_.path() + QLatin1Char('/');
            env.settingsPath = settingsPath();
            env.preferencesPath = path(QStringLiteral("Preferences.ini"));
            env.prompts = boxes_;
            window_ = std::make_unique<MainWindow>(env);
        }
        return *window_;
    }

    Session& session() { return window().session(); }
    const TLangpack& lp() { return *session().langpack(); }

    // "Open file" with the dialog answering `file`.
    void open(const QString& file) {
        boxes_->openFiles.push_back(file.toStdString());
        window().action(Command::OpenFile)->trigger();
    }
    QStringList texts() const {
        QStringList out;
        for (const std::string& t : boxes_->texts()) out << QString::fromStdString(t);
        return out;
    }

    void chooseGlyph(int row) {
        QTableView* grid = window().fontPage()->glyphGrid();
        grid->setCurrentIndex(grid->model()->index(row, 1));
    }
    void chooseSet(int row);

    // A pencil click at zoom 1 that turns glyph pixel (0, 0) over (ink with
    // the left button, paper with the right).
    void drawPixel();

    QTemporaryDir dir_;
    std::shared_ptr<ScriptedPrompts> boxes_ = std::make_shared<ScriptedPrompts>();
    std::unique_ptr<MainWindow> window_;
};

}  // namespace glyphora::testing
