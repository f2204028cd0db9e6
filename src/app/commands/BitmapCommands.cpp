#include "BitmapCommands.h"

#include <GlyphExchange.h>
#include <QtPictureReader.h>

#include <memory>

namespace glyphora {

namespace {

// The reader and the flows live as long as the actions that run them.
struct Exchange {
    explicit Exchange(Session& session) : flows(session, reader) {}
    QtPictureReader reader;
    GlyphExchange flows;
};

}  // namespace

void BindBitmapCommands(const CommandContext& c) {
    const auto exchange = std::make_shared<Exchange>(c.session);
    Bind(c, Command::ExportBitmap, [exchange] { exchange->flows.ExportInBitmap(); });
    Bind(c, Command::ImportBitmap, [exchange] { exchange->flows.ImportFromBitmap(); });
}

}  // namespace glyphora
