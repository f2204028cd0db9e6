#include "ViewPreferences.h"

#include "LocalPath.h"

#include <ConfigFile.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <span>

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

namespace {

// Window layouts, guides of many langpacks, a few folders: far less than this.
constexpr uint64_t kMaxPreferencesFileSize = uint64_t{16} << 20;

// The file's bytes, read only through the bounded reader: Qt's own reading
// would wait for good on a FIFO. No file yet reads as an empty one; another
// kind of file or an unreadable one gives nothing.
std::optional<QByteArray> ReadPreferences(const QString& path) {
    const Result<std::vector<uint8_t>> read = ReadConfigFile(ToLocalPath(path), kMaxPreferencesFileSize);
    if (!read) return read.error().kind == ErrorKind::Missing ? std::optional(QByteArray()) : std::nullopt;
    return QByteArray(reinterpret_cast<const char*>(read->data()), static_cast<qsizetype>(read->size()));
}

// QSettings reads and writes Qt's INI form on a private copy of the bytes, a
// plain file in a private folder: QSettings replaces the file it writes by
// renaming, which Windows refuses over an open temporary file's name.
std::optional<QString> PrivateCopy(const QTemporaryDir& dir, const QByteArray& bytes) {
    if (!dir.isValid()) return std::nullopt;
    QFile copy(dir.filePath(QStringLiteral("Preferences.ini")));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.flush()) return std::nullopt;
    return copy.fileName();
}

std::optional<QVariantMap> ParseIni(const QByteArray& bytes) {
    const QTemporaryDir dir;
    const std::optional<QString> copy = PrivateCopy(dir, bytes);
    if (!copy) return std::nullopt;
    // What a malformed file holds up to its fault is still taken.
    const QSettings ini(*copy, QSettings::IniFormat);
    QVariantMap values;
    for (const QString& key : ini.allKeys()) values.insert(key, ini.value(key));
    return values;
}

std::optional<QByteArray> WithChange(const QByteArray& bytes, const QString& key, const QVariant& value) {
    const QTemporaryDir dir;
    const std::optional<QString> copy = PrivateCopy(dir, bytes);
    if (!copy) return std::nullopt;
    {
        QSettings ini(*copy, QSettings::IniFormat);
        ini.setValue(key, value);
        ini.sync();
        if (ini.status() != QSettings::NoError) return std::nullopt;
    }
    QFile back(*copy);
    if (!back.open(QIODevice::ReadOnly)) return std::nullopt;
    return back.readAll();
}

}  // namespace

namespace {
// What was read from the file is text: "2" is the scale 2 set now.
bool SameValue(const QVariant& stored, const QVariant& value) {
    if (stored == value) return true;
    if (value.typeId() == QMetaType::QStringList) return stored.toStringList() == value.toStringList();
    if (value.typeId() == QMetaType::QByteArray) return stored.toByteArray() == value.toByteArray();
    return stored.toString() == value.toString();
}
}  // namespace

ViewPreferences::ViewPreferences(const QString& path) {
    if (path.isEmpty()) return;
    const std::optional<QByteArray> bytes = ReadPreferences(path);
    if (!bytes) return;
    std::optional<QVariantMap> values = ParseIni(*bytes);
    if (!values) return;
    values_ = std::move(*values);
    path_ = path;
}

QVariant ViewPreferences::value(const QString& key, const QVariant& fallback) const {
    return values_.value(key, fallback);
}

// The value goes into the file as it is now, at once, so that another
// window's changes to other values stay and a crash loses nothing. Failures
// are silent, as they are for the settings file. A value that is already
// stored writes nothing (the start sets several so).
void ViewPreferences::setValue(const QString& key, const QVariant& value) {
    const auto known = values_.constFind(key);
    if (known != values_.constEnd() && SameValue(*known, value)) return;
    values_.insert(key, value);
    if (path_.isEmpty()) return;
    const std::optional<QByteArray> now = ReadPreferences(path_);
    if (!now) return;
    const std::optional<QByteArray> edited = WithChange(*now, key, value);
    if (!edited) return;
    (void)WriteConfigFile(
        ToLocalPath(path_),
        std::span(reinterpret_cast<const uint8_t*>(edited->constData()), static_cast<std::size_t>(edited->size())),
        Durability::Quick);
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

GenerateChoices ViewPreferences::generateChoices() const {
    GenerateChoices choices;
    choices.font = value(QStringLiteral("Generate/Font"), QString()).toString();
    choices.style = value(QStringLiteral("Generate/Style"), QString()).toString();
    choices.size = std::clamp(value(QStringLiteral("Generate/Size"), 0).toInt(), 0, 255);
    choices.fit = value(QStringLiteral("Generate/Fit"), true).toBool();
    choices.shrinkWide = value(QStringLiteral("Generate/ShrinkWide"), false).toBool();
    choices.trimWidths = value(QStringLiteral("Generate/TrimWidths"), false).toBool();
    return choices;
}

void ViewPreferences::setGenerateChoices(const GenerateChoices& choices) {
    setValue(QStringLiteral("Generate/Font"), choices.font);
    setValue(QStringLiteral("Generate/Style"), choices.style);
    setValue(QStringLiteral("Generate/Size"), choices.size);
    setValue(QStringLiteral("Generate/Fit"), choices.fit);
    setValue(QStringLiteral("Generate/ShrinkWide"), choices.shrinkWide);
    setValue(QStringLiteral("Generate/TrimWidths"), choices.trimWidths);
}

LastPlace ViewPreferences::lastPlace() const {
    return {value(QStringLiteral("Place/file"), QString()).toString(), value(QStringLiteral("Place/set"), -1).toInt(),
            value(QStringLiteral("Place/code"), -1).toInt()};
}
void ViewPreferences::setLastPlace(const LastPlace& place) {
    if (place == lastPlace()) return;
    setValue(QStringLiteral("Place/file"), place.file);
    setValue(QStringLiteral("Place/set"), place.set);
    setValue(QStringLiteral("Place/code"), place.code);
}

}  // namespace glyphora
