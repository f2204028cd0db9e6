#include "CodeGroupNames.h"

#include <HexText.h>
#include <SystemPaths.h>

namespace glyphora::shx {

std::string CodeGroupShortName(int codeGroupNumber) {
    switch (codeGroupNumber) {
    case -2: return "RAMDLD";
    case -1: return "BootLDR";
    default: return "CG" + std::to_string(codeGroupNumber);
    }
}

std::string CodeGroupTypeName(int codeGroupNumber) {
    switch (codeGroupNumber) {
    case -2: return "RAM Downloader";
    case -1: return "Boot Loader";
    case 0: return "Memory map";
    case 1: return "Flash code";
    case 2: return "Flex";
    case 3: return "DSP";
    case 4: return "LangPack";
    case 5: return "loader1";
    case 6: return "PDS (Safety zone)";
    case 7: return "SW Upgrader";
    case 15: return "DRM (graphics)";
    case 18: return "RSA signature";
    default: return "CG" + std::to_string(codeGroupNumber);
    }
}

std::string ExtractBasePath(const std::string& flashPath) {
    const std::size_t dot = flashPath.find_last_of('.');
    if (dot == std::string::npos || dot < FileNameStart(flashPath)) return flashPath;
    return flashPath.substr(0, dot);
}

std::string HeaderFilePath(const std::string& basePath) { return basePath + ".hdr"; }

std::string CodeGroupFilePath(const std::string& basePath, uint32_t start, int codeGroupNumber) {
    return basePath + "{@0x" + UpperHex(start, 8) + "}" + CodeGroupShortName(codeGroupNumber) + ".smg";
}

std::array<std::string, kCodeGroupColumns> CodeGroupRowCells(const CodeGroupRow& row) {
    // An empty group at address 0 ends at -1, shown as its 64-bit pattern.
    return {row.number >= 0 ? std::to_string(row.number) : std::string(),
            row.path,
            row.typeName,
            UpperHex(row.start, 8),
            UpperHex(static_cast<uint64_t>(row.end()), 8),
            std::to_string(row.size)};
}

}  // namespace glyphora::shx
