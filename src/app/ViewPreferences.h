// What the window remembers of how the user likes to see the font: the pixel
// grid, the sample-text panel and its text and scale, and the recent files.
// A file of its own in the user's configuration folder, in Qt's INI form;
// Glyphora.ini keeps its four lines. It is read once at start; a changed
// value is written into it at once.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace glyphora {

// …/Glyphora/Preferences.ini in the user's configuration folder.
QString PreferencesLocation();

// A Latin and a Cyrillic pangram.
QString DefaultSampleText();

// The guides of one set, 0-based rows from the top: the baseline row is the
// one letters without descenders stand on, the cap-height row the top row of
// capitals. They describe how the user reads the set; the langpack has no
// place for them.
struct SetGuides {
    std::optional<int> baseline;
    std::optional<int> capHeight;
    bool operator==(const SetGuides&) const = default;
};

// Where the user was when the window closed: the langpack, its set (0-based)
// and the code of the glyph shown.
struct LastPlace {
    QString file;
    int set = -1;
    int code = -1;
    bool operator==(const LastPlace&) const = default;
};

// What the Generate window was last set to. `font` is a family name or the
// path of a font file; an empty font: never set, the window starts from the
// font Ctrl+F draws with.
struct GenerateChoices {
    QString font;
    QString style;
    int size = 0;
    bool fit = true;
    bool shrinkWide = false;
    bool trimWidths = false;
    bool operator==(const GenerateChoices&) const = default;
};

class ViewPreferences {
public:
    // An empty path keeps the preferences for this run only, and so does a
    // path at which no regular file can be read (a FIFO, a device, a file
    // without read permission): that one is left as it is.
    explicit ViewPreferences(const QString& path);

    bool pixelGrid() const;
    void setPixelGrid(bool on);
    // "Fit glyph": off in a new installation, so opening starts at 1:1.
    bool fitGlyph() const;
    void setFitGlyph(bool on);
    bool sampleTextShown() const;
    void setSampleTextShown(bool shown);
    QString sampleText() const;
    void setSampleText(const QString& text);
    int sampleScale() const;  // 1, 2 or 3
    void setSampleScale(int scale);
    // Newest first.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& files);
    // Kept under the langpack's file name (without its folder) and the
    // 1-based set number, so a copy of the langpack elsewhere shares them.
    SetGuides guides(const QString& langpackFileName, int setNumber) const;
    void setGuides(const QString& langpackFileName, int setNumber, const SetGuides& guides);
    // QMainWindow::saveGeometry / saveState and the page's splitter; empty
    // before the first close, so the first start keeps the window's own size.
    QByteArray windowGeometry() const;
    QByteArray windowState() const;
    QByteArray splitterState() const;
    void setWindowLayout(const QByteArray& geometry, const QByteArray& state, const QByteArray& splitter);
    // The folder a kind of file dialog ("pictures", "bdf", "png") was last
    // accepted in; empty before.
    QString lastFolder(const QString& kind) const;
    LastPlace lastPlace() const;
    void setLastPlace(const LastPlace& place);
    void setLastFolder(const QString& kind, const QString& folder);
    GenerateChoices generateChoices() const;
    void setGenerateChoices(const GenerateChoices& choices);

private:
    QVariant value(const QString& key, const QVariant& fallback) const;
    void setValue(const QString& key, const QVariant& value);

    QString path_;        // where the changes go; empty: nowhere
    QVariantMap values_;  // what was read, with this run's changes
};

}  // namespace glyphora
