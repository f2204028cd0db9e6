// The picture files Import from bitmap takes in the editor: a BMP file goes
// through the project's own reader, any other picture the toolkit can read
// (PNG above all) through QImageReader. Both are cut to the glyph before they
// become ink and paper, by the one rule the clipboard uses too.
#pragma once

#include <GlyphExchange.h>

namespace glyphora {

class QtPictureReader final : public PictureReader {
public:
    Result<MonoImage> ReadPicture(const std::string& path, int maxWidth, int maxHeight) const override;
};

}  // namespace glyphora
