#include "ViewPreferences.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace glyphora {

QString PreferencesLocation() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Glyphora/Preferences.ini"));
}

QString DefaultSampleText() {
    return QStringLiteral(
        "The quick brown fox jumps over the lazy dog. "
        "Съешь же ещё этих мягких французских булок, да выпей чаю.");
}

ViewPreferences::ViewPreferences(const QString& path) {
    if (!path.isEmpty()) file_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

ViewPreferences::~ViewPreferences() = default;

QVariant ViewPreferences::value(const QString& key, const QVariant& fallback) const {
    if (file_) return file_->value(key, fallback);
    return memory_.value(key, fallback);
}

void ViewPreferences::setValue(const QString& key, const QVariant& value) {
    // Failures to write are silent, as they are for the settings file.
    if (file_)
        file_->setValue(key, value);
    else
        memory_.insert(key, value);
}

bool ViewPreferences::pixelGrid() const { return value(QStringLiteral("View/PixelGrid"), false).toBool(); }
void ViewPreferences::setPixelGrid(bool on) { setValue(QStringLiteral("View/PixelGrid"), on); }

bool ViewPreferences::sampleTextShown() const { return value(QStringLiteral("Sample/Shown"), true).toBool(); }
void ViewPreferences::setSampleTextShown(bool shown) { setValue(QStringLiteral("Sample/Shown"), shown); }

QString ViewPreferences::sampleText() const {
    return value(QStringLiteral("Sample/Text"), DefaultSampleText()).toString();
}
void ViewPreferences::setSampleText(const QString& text) { setValue(QStringLiteral("Sample/Text"), text); }

int ViewPreferences::sampleScale() const { return std::clamp(value(QStringLiteral("Sample/Scale"), 2).toInt(), 1, 3); }
void ViewPreferences::setSampleScale(int scale) { setValue(QStringLiteral("Sample/Scale"), std::clamp(scale, 1, 3)); }

QStringList ViewPreferences::recentFiles() const {
    return value(QStringLiteral("Recent/Files"), QStringList()).toStringList();
}
void ViewPreferences::setRecentFiles(const QStringList& files) { setValue(QStringLiteral("Recent/Files"), files); }

}  // namespace glyphora
