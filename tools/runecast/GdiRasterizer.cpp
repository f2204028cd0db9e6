// The renderer's back end on Windows: GDI draws the character with the
// system's own fonts, or with a font file added for this process alone.
// The logical-font height is GDI's own convention, so it is passed on as it
// is; the quality is NONANTIALIASED_QUALITY and the surface 1 bit deep, so
// no pixel is ever grey.
#include "GdiRasterizer.h"

#include <FileLayer.h>
#include <HexText.h>
#include <RendererLimits.h>
#include <WideText.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <limits>
#include <optional>
#include <set>

namespace glyphora::runecast {

namespace {

// Neither side of the picture exceeds this many pixels.
constexpr int kMaxSide = 4096;
// The longest face name a LOGFONT holds, without its terminating zero.
constexpr std::size_t kMaxFaceName = LF_FACESIZE - 1;
static_assert(kMaxFaceName == kGdiFamilyNameMax, "the editor checks family names against the LOGFONT's room");
// A font file is read to learn its family; none is larger in practice.
constexpr uint64_t kMaxFontFile = uint64_t{64} * 1024 * 1024;

// A longer family could only be asked for cut, which names another or none.
Error FamilyTooLong(ErrorKind kind, const std::string& what, std::size_t units) {
    return MakeError(kind, what + " is " + std::to_string(units) +
                               " UTF-16 units long; GDI names a family in at most " + std::to_string(kMaxFaceName));
}

std::wstring Folded(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// A GDI object, deleted when it goes.
template <typename T>
class GdiObject {
public:
    explicit GdiObject(T object) : object_(object) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() {
        if (object_) ::DeleteObject(object_);
    }
    T get() const { return object_; }

private:
    T object_;
};

class MemoryDc {
public:
    MemoryDc() : dc_(::CreateCompatibleDC(nullptr)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (dc_) ::DeleteDC(dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context for as long as this lives; the
// context's own object is put back before the object can be deleted (GDI
// does not delete an object that is still selected, and it would leak).
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), before_(::SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (before_) ::SelectObject(dc_, before_);
    }

private:
    HDC dc_;
    HGDIOBJ before_;
};

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM into) {
    reinterpret_cast<std::set<std::wstring>*>(into)->insert(font->lfFaceName);
    return 1;
}

// The families GDI knows by that name (all of them for an empty name).
std::set<std::wstring> Families(const std::wstring& name) {
    std::set<std::wstring> families;
    MemoryDc dc;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    name.copy(wanted.lfFaceName, kMaxFaceName);
    ::EnumFontFamiliesExW(dc.get(), &wanted, CollectFamily, reinterpret_cast<LPARAM>(&families), 0);
    return families;
}

uint16_t Word(const std::vector<uint8_t>& b, std::size_t at) {
    return at + 2 <= b.size() ? static_cast<uint16_t>(b[at] << 8 | b[at + 1]) : 0;
}
uint32_t Long(const std::vector<uint8_t>& b, std::size_t at) {
    return static_cast<uint32_t>(Word(b, at)) << 16 | Word(b, at + 2);
}

// The Windows family name (name 1 of the Windows platform, US English
// first) of a TrueType or OpenType file, or of the first font of a
// collection; empty for any other file.
std::wstring SfntFamily(const std::vector<uint8_t>& file) {
    std::size_t font = 0;
    if (Long(file, 0) == 0x74746366) font = Long(file, 12);  // 'ttcf'
    const uint16_t tables = Word(file, font + 4);
    for (uint16_t t = 0; t < tables; ++t) {
        const std::size_t record = font + 12 + std::size_t{16} * t;
        if (Long(file, record) != 0x6E616D65) continue;  // 'name'
        const std::size_t name = Long(file, record + 8);
        const uint16_t count = Word(file, name + 2);
        const std::size_t strings = name + Word(file, name + 4);
        std::wstring found;
        for (uint16_t i = 0; i < count; ++i) {
            const std::size_t r = name + 6 + std::size_t{12} * i;
            if (Word(file, r) != 3 || Word(file, r + 6) != 1) continue;  // Windows platform, family
            const std::size_t at = strings + Word(file, r + 10);
            const std::size_t length = Word(file, r + 8);
            if (at + length > file.size()) continue;
            std::wstring text;
            for (std::size_t k = 0; k + 1 < length; k += 2) text += static_cast<wchar_t>(Word(file, at + k));
            if (Word(file, r + 4) == 0x409) return text;
            if (found.empty()) found = text;
        }
        return found;
    }
    return {};
}

// Adds the font file for this process and names the family to ask for: the
// file's own name table, or the family that appeared with it (a bitmap .fon).
Result<std::wstring> AddFontFile(const std::string& path) {
    Result<std::vector<uint8_t>> bytes = ReadWholeFile(path, kMaxFontFile);
    if (!bytes) return bytes.error();
    const std::set<std::wstring> before = Families({});
    if (::AddFontResourceExW(Wide(path).c_str(), FR_PRIVATE, nullptr) == 0)
        return MakeError(ErrorKind::Failed, "cannot use the font file '" + path + "': Windows does not take it");
    const auto named = [&path](std::wstring family) -> Result<std::wstring> {
        if (family.size() > kMaxFaceName)
            return FamilyTooLong(ErrorKind::Failed,
                                 "the family name '" + Utf8(family) + "' of the font file '" + path + "'",
                                 family.size());
        return family;
    };
    if (std::wstring family = SfntFamily(*bytes); !family.empty()) return named(std::move(family));
    for (const std::wstring& family : Families({}))
        if (!before.count(family)) return named(family);
    return MakeError(ErrorKind::Failed,
                     "cannot tell the family of the font file '" + path + "' (is it installed already?)");
}

// The font of that height (GDI's logical-font convention) in the style.
HFONT MakeFont(const std::wstring& family, int height, FontStyle style) {
    LOGFONTW logical{};
    logical.lfHeight = height;
    logical.lfWeight = IsBold(style) ? FW_BOLD : FW_NORMAL;
    logical.lfItalic = IsItalic(style) ? TRUE : FALSE;
    logical.lfCharSet = DEFAULT_CHARSET;
    logical.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logical.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logical.lfQuality = NONANTIALIASED_QUALITY;
    family.copy(logical.lfFaceName, kMaxFaceName);
    return ::CreateFontIndirectW(&logical);
}

// The metrics of the font at that height (GDI's convention), if GDI makes it.
std::optional<TEXTMETRICW> MetricsAt(HDC dc, const std::wstring& family, FontStyle style, int height) {
    GdiObject<HFONT> font(MakeFont(family, height, style));
    if (!font.get()) return std::nullopt;
    const Selection selected(dc, font.get());
    TEXTMETRICW metrics{};
    if (!::GetTextMetricsW(dc, &metrics)) return std::nullopt;
    return metrics;
}

// The largest em size whose line (ascent plus descent) is at most `rows`
// pixels. GDI's own answer, a cell height of `rows`, rounds the em down, so
// that one pixel more often still fits: it is only where the search starts.
// No em exceeds its line.
int FitEm(HDC dc, const std::wstring& family, FontStyle style, int rows) {
    auto line = [&](int em) {
        const std::optional<TEXTMETRICW> metrics = MetricsAt(dc, family, style, -em);
        return metrics ? static_cast<int>(metrics->tmHeight) : std::numeric_limits<int>::max();
    };
    int em = rows;
    if (const std::optional<TEXTMETRICW> cell = MetricsAt(dc, family, style, rows))
        em = std::clamp(static_cast<int>(cell->tmHeight - cell->tmInternalLeading), 1, rows);
    while (em > 1 && line(em) > rows) --em;
    while (em < rows && line(em + 1) <= rows) ++em;
    return em;
}

}  // namespace

Result<DrawnGlyph> GdiRasterizer::draw(const RenderRequest& request) {
    std::wstring family;
    if (IsFontPath(request.fontName)) {
        if (auto known = addedFiles_.find(request.fontName); known != addedFiles_.end()) {
            family = known->second;
        } else {
            Result<std::wstring> added = AddFontFile(request.fontName);
            if (!added) return added.error();
            family = addedFiles_[request.fontName] = *added;
        }
    } else {
        family = Wide(request.fontName);
        if (family.size() > kMaxFaceName)
            return FamilyTooLong(ErrorKind::Usage, "the font family name '" + request.fontName + "'", family.size());
        // GDI draws with some other font rather than none: a family the
        // system does not have is refused, as a batch in a font the user
        // did not ask for is worse than a message.
        const std::set<std::wstring> known = Families(family);
        const bool found =
            std::any_of(known.begin(), known.end(), [&](const std::wstring& f) { return Folded(f) == Folded(family); });
        if (!found) return MakeError(ErrorKind::Missing, "no font family '" + request.fontName + "' is installed");
    }

    MemoryDc dc;
    if (!dc.get()) return MakeError(ErrorKind::Failed, "cannot make a drawing surface with GDI");
    const int logicalHeight =
        request.fitRows > 0 ? -FitEm(dc.get(), family, request.style, request.fitRows) : request.height;
    GdiObject<HFONT> font(MakeFont(family, logicalHeight, request.style));
    if (!font.get()) return MakeError(ErrorKind::Failed, "cannot make the font '" + request.fontName + "' with GDI");
    const Selection fontSelected(dc.get(), font.get());

    const wchar_t character = static_cast<wchar_t>(request.code);
    WORD glyph = 0;
    if (::GetGlyphIndicesW(dc.get(), &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR ||
        glyph == 0xFFFF)
        return MakeError(ErrorKind::Unsupported,
                         "the font '" + request.fontName + "' has no glyph for " + CodeName(request.code));
    TEXTMETRICW metrics{};
    SIZE advance{};
    if (!::GetTextMetricsW(dc.get(), &metrics) || !::GetTextExtentPoint32W(dc.get(), &character, 1, &advance))
        return MakeError(ErrorKind::Failed, "cannot measure the font '" + request.fontName + "' with GDI");
    const int width = std::clamp(static_cast<int>(advance.cx), 1, kMaxSide);
    const int height = std::clamp(static_cast<int>(metrics.tmHeight), 1, kMaxSide);

    // A top-down surface of 1 bit whose colour 0 is black: a set bit is
    // paper, as in MonoImage.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = RGBQUAD{255, 255, 255, 0};
    void* bits = nullptr;
    GdiObject<HBITMAP> surface(
        ::CreateDIBSection(dc.get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!surface.get() || !bits)
        return MakeError(ErrorKind::Failed, "cannot make a " + std::to_string(width) + " x " + std::to_string(height) +
                                                " picture with GDI");
    const Selection surfaceSelected(dc.get(), surface.get());
    ::PatBlt(dc.get(), 0, 0, width, height, WHITENESS);
    ::SetTextColor(dc.get(), RGB(0, 0, 0));
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::SetTextAlign(dc.get(), TA_TOP | TA_LEFT | TA_NOUPDATECP);
    if (!::TextOutW(dc.get(), 0, 0, &character, 1))
        return MakeError(ErrorKind::Failed, "GDI could not draw " + CodeName(request.code));
    ::GdiFlush();

    MonoImage image(width, height);
    const std::size_t stride = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
    const auto* rows = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!(rows[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)] & (0x80 >> (x % 8))))
                image.setPixel(x, y, Pixel::Ink);
    // The em size the caller asks for to get this drawing again: GDI's
    // metrics round it, so an em asked for is given back as it was.
    const int em = logicalHeight < 0 ? -logicalHeight : static_cast<int>(metrics.tmHeight - metrics.tmInternalLeading);
    DrawnGlyph drawn{std::move(image), static_cast<int>(metrics.tmAscent), em};
    return drawn;
}

}  // namespace glyphora::runecast
