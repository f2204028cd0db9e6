// What the window remembers of how the user likes to see the font: the pixel
// grid, the sample-text panel and its text and scale, and the recent files.
// A file of its own in the user's configuration folder; Glyphora.ini keeps
// its four lines.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

namespace glyphora {

// …/Glyphora/Preferences.ini in the user's configuration folder.
QString PreferencesLocation();

// A Latin and a Cyrillic pangram.
QString DefaultSampleText();

class ViewPreferences {
public:
    // An empty path keeps the preferences for this run only.
    explicit ViewPreferences(const QString& path);
    ~ViewPreferences();

    bool pixelGrid() const;
    void setPixelGrid(bool on);
    bool sampleTextShown() const;
    void setSampleTextShown(bool shown);
    QString sampleText() const;
    void setSampleText(const QString& text);
    int sampleScale() const;  // 1, 2 or 3
    void setSampleScale(int scale);
    // Newest first.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& files);

private:
    QVariant value(const QString& key, const QVariant& fallback) const;
    void setValue(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> file_;
    QVariantMap memory_;
};

}  // namespace glyphora
