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

bool ViewPreferences::fitGlyph() const { return value(QStringLiteral("View/FitGlyph"), false).toBool(); }
void ViewPreferences::setFitGlyph(bool on) { setValue(QStringLiteral("View/FitGlyph"), on); }

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

namespace {

QString guideKey(const QString& langpackFileName, int setNumber, const char* which) {
    // Both slashes part the groups of a key; the file's own name has none but
    // a backslash may stand in a POSIX one.
    QString name = langpackFileName;
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("Guides/%1/Set%2/%3").arg(name).arg(setNumber).arg(QLatin1String(which));
}

std::optional<int> row(const QVariant& value) {
    bool ok = false;
    const int r = value.toInt(&ok);
    if (!ok || r < 0) return std::nullopt;
    return r;
}

QVariant stored(std::optional<int> r) { return r ? QVariant(*r) : QVariant(-1); }

}  // namespace

SetGuides ViewPreferences::guides(const QString& langpackFileName, int setNumber) const {
    return {row(value(guideKey(langpackFileName, setNumber, "Baseline"), -1)),
            row(value(guideKey(langpackFileName, setNumber, "CapHeight"), -1))};
}

void ViewPreferences::setGuides(const QString& langpackFileName, int setNumber, const SetGuides& guides) {
    setValue(guideKey(langpackFileName, setNumber, "Baseline"), stored(guides.baseline));
    setValue(guideKey(langpackFileName, setNumber, "CapHeight"), stored(guides.capHeight));
}

QByteArray ViewPreferences::windowGeometry() const {
    return value(QStringLiteral("Window/Geometry"), QByteArray()).toByteArray();
}
QByteArray ViewPreferences::windowState() const {
    return value(QStringLiteral("Window/State"), QByteArray()).toByteArray();
}
QByteArray ViewPreferences::splitterState() const {
    return value(QStringLiteral("Window/Splitter"), QByteArray()).toByteArray();
}
void ViewPreferences::setWindowLayout(const QByteArray& geometry, const QByteArray& state, const QByteArray& splitter) {
    setValue(QStringLiteral("Window/Geometry"), geometry);
    setValue(QStringLiteral("Window/State"), state);
    setValue(QStringLiteral("Window/Splitter"), splitter);
}

QString ViewPreferences::lastFolder(const QString& kind) const {
    return value(QStringLiteral("Folders/") + kind, QString()).toString();
}
void ViewPreferences::setLastFolder(const QString& kind, const QString& folder) {
    setValue(QStringLiteral("Folders/") + kind, folder);
}

}  // namespace glyphora
