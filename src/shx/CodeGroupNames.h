// Names a code group gets in file names, in the list and in status texts, and
// the paths of the files an extraction writes beside the flash file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace glyphora::shx {

inline constexpr int kLangpackCodeGroup = 4;

// "RAMDLD", "BootLDR", or "CG" + number.
std::string CodeGroupShortName(int codeGroupNumber);
// "RAM Downloader", "Memory map", "LangPack", ... or "CG" + number.
std::string CodeGroupTypeName(int codeGroupNumber);

// The flash file's path without the extension of its file name. Only a dot in
// the last path component counts, so the outputs stay in the flash file's folder.
std::string ExtractBasePath(const std::string& flashPath);
std::string HeaderFilePath(const std::string& basePath);
// base + "{@0x" + 8 hex digits + "}" + short name + ".smg"
std::string CodeGroupFilePath(const std::string& basePath, uint32_t start, int codeGroupNumber);

// One written code group as the list shows it.
struct CodeGroupRow {
    int number = 0;
    std::string path;
    std::string typeName;
    uint32_t start = 0;
    uint64_t size = 0;
    // start + size - 1 in 64 bits: an empty group ends one below its start.
    int64_t end() const { return static_cast<int64_t>(start) + static_cast<int64_t>(size) - 1; }
};

inline constexpr int kCodeGroupColumns = 6;
// The six cells of a list row: number (blank for the downloader and boot loader),
// path, type name, start, end, size.
std::array<std::string, kCodeGroupColumns> CodeGroupRowCells(const CodeGroupRow& row);

}  // namespace glyphora::shx
