#include "ToolSupport.h"

#include "FileIO.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"
#include "SetSharing.h"

#include <QFile>

#include <cstdio>

namespace glyphora::tool {

void PrintFileError(const std::string& file, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", file.c_str(), what.c_str());
}

int OpenLangpack(const QString& path, LangpackDocument& doc) {
    doc.path = QFile::encodeName(path).toStdString();
    FileBytes file = ReadWholeFile(doc.path);
    if (!file.ok) {
        std::fprintf(stderr, "%s\n", file.error.c_str());
        return kExitError;
    }
    ReadResult read = ReadLangpack(file.bytes);
    switch (read.status) {
    case ReadStatus::NotLangpack:
        PrintFileError(doc.path, "This file is not langpack.");
        return kExitNotLangpack;
    case ReadStatus::Malformed:
        PrintFileError(doc.path, read.message);
        return kExitError;
    case ReadStatus::Ok:
        break;
    }
    doc.bytes = std::move(file.bytes);
    doc.lp = std::move(read.langpack);
    return kExitOk;
}

int SaveLangpack(LangpackDocument& doc) {
    SaveResult saved = BuildSavedImage(doc.lp, doc.bytes);
    if (!saved.ok) {
        PrintFileError(doc.path, saved.message);
        return kExitError;
    }
    const std::string error = WriteFileAtomically(doc.path, saved.image);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kExitError;
    }
    doc.bytes = std::move(saved.image);
    return kExitOk;
}

int OpenFileArgument(const QStringList& args, LangpackDocument& doc) {
    QCommandLineParser parser;
    QString file;
    if (!ParseFileArguments(parser, args, file)) return kExitUsage;
    return OpenLangpack(file, doc);
}

bool ParseFileArguments(QCommandLineParser& parser, const QStringList& args, QString& file) {
    // parse() takes the program name as the first word.
    if (!parser.parse(QStringList{QStringLiteral("glyphora-tool")} + args)) {
        std::fprintf(stderr, "glyphora-tool: %s\n", qPrintable(parser.errorText()));
        return false;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        std::fprintf(stderr, "glyphora-tool: expected one FILE, got %lld\n",
                     static_cast<long long>(files.size()));
        return false;
    }
    file = files.front();
    return true;
}

bool IntegerOption(const QCommandLineParser& parser, const QString& name, int min, int max,
                   int& value) {
    if (!parser.isSet(name)) {
        std::fprintf(stderr, "glyphora-tool: --%s is missing\n", qPrintable(name));
        return false;
    }
    const QString text = parser.value(name);
    bool ok = false;
    const long long number = text.toLongLong(&ok, 10);
    if (!ok || number < min || number > max) {
        std::fprintf(stderr, "glyphora-tool: --%s must be a whole number from %d to %d, not '%s'\n",
                     qPrintable(name), min, max, qPrintable(text));
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

int OpenSetForEdit(const QString& file, int setNumber, LangpackDocument& doc) {
    if (const int status = OpenLangpack(file, doc); status != kExitOk) return status;
    const int count = doc.lp.SetCount();
    if (setNumber < 1 || setNumber > count) {
        PrintFileError(doc.path, "there is no set " + std::to_string(setNumber) +
                                     "; the langpack has " + std::to_string(count) +
                                     (count == 1 ? " set" : " sets"));
        return kExitError;
    }
    if (SharesSet2(doc.lp, setNumber - 1)) {
        PrintFileError(doc.path, "set " + std::to_string(setNumber) +
                                     " shows the glyphs of set 2 and is saved from them; "
                                     "change set 2 instead");
        return kExitError;
    }
    return kExitOk;
}

}  // namespace glyphora::tool
