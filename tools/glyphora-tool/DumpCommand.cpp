// dump FILE: the whole model as JSON on stdout. Numbers are the values the
// model holds (32-bit header and language fields signed, the language ID
// unsigned); glyph rows and the set-table tail in file form, as hex.
#include "Commands.h"
#include "GlyphCoding.h"
#include "HexText.h"
#include "JsonWriter.h"
#include "LangpackReader.h"
#include "ToolSupport.h"

#include <cstdio>

namespace glyphora::tool {

namespace {

void WriteHeader(JsonWriter& json, const TLangpackHeader& h) {
    json.key("header");
    json.beginObject();
    json.key("langpack_address");
    json.number(h.LangpackAddress);
    json.key("flash_generation");
    json.beginArray(true);
    json.number(h.FlashGeneration[0]);
    json.number(h.FlashGeneration[1]);
    json.endArray();
    json.key("langpack_version");
    json.number(h.LangpackVersion);
    json.key("language_count");
    json.number(h.LanguageCount);
    json.key("fonts_address");
    json.number(h.FontsAddress);
    json.key("set_table_address");
    json.number(h.SetTableAddress);
    json.key("font_area_size");
    json.number(h.FontAreaSize);
    json.key("font_in_middle");
    json.boolean(h.FontInMiddle);
    json.endObject();
}

void WriteLanguages(JsonWriter& json, const std::vector<TLanguageEntry>& languages) {
    json.key("languages");
    json.beginArray();
    for (const TLanguageEntry& l : languages) {
        json.beginObject(true);
        json.key("id");
        json.number(l.ID);
        json.key("name");
        json.string(LanguageNameById(l.ID));
        json.key("itap_address");
        json.number(l.ITapAddress);
        json.key("packed_strings_address");
        json.number(l.PackedStringsAddress);
        json.endObject();
    }
    json.endArray();
}

void WriteSetTable(JsonWriter& json, const TLangpack& lp) {
    json.key("set_table");
    json.beginObject();
    json.key("form");
    json.string(lp.SetTableForm == TSetTableForm::Framed ? "framed" : "packed");
    json.key("tail");
    json.hexString(lp.SetTableTail);
    json.key("at_end");
    json.boolean(lp.SetTableAtEnd);
    json.key("set7_shares_set2");
    json.boolean(lp.Set7SharesSet2);
    json.endObject();
}

void WriteInterval(JsonWriter& json, int slot, const TCharInterval& interval) {
    json.beginObject(true);
    json.key("slot");
    json.number(slot);
    json.key("first_code");
    json.number(interval.FirstCode);
    json.key("last_code");
    json.number(interval.LastCode);
    json.key("first_index");
    json.number(interval.FirstIndex);
    json.key("data_base");
    json.number(interval.DataBase);
    json.endObject();
}

void WriteGlyph(JsonWriter& json, std::size_t index, const Symbols& glyph) {
    json.beginObject(true);
    json.key("index");
    json.number(static_cast<int64_t>(index));
    json.key("code");
    json.number(glyph.Code);
    json.key("width");
    json.number(glyph.Width);
    json.key("offset");
    json.number(glyph.Offset);
    json.key("interval");
    json.number(glyph.Interval);
    json.key("data");
    json.hexString(InvertRows(glyph.Data));
    json.endObject();
}

void WriteSet(JsonWriter& json, const TLangpack& lp, std::size_t k) {
    const TFontSetEntry& set = lp.FontSetTable[k];
    json.beginObject();
    json.key("number");
    json.number(static_cast<int64_t>(k + 1));
    json.key("description");
    json.string(SetDescription(static_cast<int>(k + 1), lp.Set7SharesSet2));
    json.key("data_offset");
    json.number(set.DataOffset);
    json.key("height");
    json.number(set.Height);
    json.key("descriptor_table_offset");
    json.number(set.DescriptorTableOffset);
    json.key("interval_table_offset");
    json.number(set.IntervalTableOffset);
    json.key("interval_count");
    json.number(set.IntervalCount);
    json.key("extra1");
    json.number(set.Extra1);
    json.key("extra2");
    json.number(set.Extra2);
    json.key("extra3");
    json.number(set.Extra3);
    json.key("symbol_count");
    json.number(set.SymbolCount);

    const std::vector<TCharInterval>& intervals = lp.IntervalTable[k];
    json.key("intervals");
    json.beginArray();
    for (std::size_t slot = 0; slot < intervals.size(); ++slot) {
        if (slot != 0 || intervals[0].inUse()) {
            WriteInterval(json, static_cast<int>(slot), intervals[slot]);
        }
    }
    json.endArray();

    const std::vector<Symbols>& glyphs = lp.SymbolTable[k];
    json.key("glyphs");
    json.beginArray();
    for (std::size_t s = 0; s < glyphs.size(); ++s) {
        WriteGlyph(json, s, glyphs[s]);
    }
    json.endArray();
    json.endObject();
}

}  // namespace

int runDump(const Words& args) {
    std::optional<LangpackDocument> doc;
    if (const int status = OpenFileArgument(args, doc); status != kExitOk) {
        return status;
    }
    const TLangpack& lp = doc->langpack();
    JsonWriter json(stdout);
    json.beginObject();
    WriteHeader(json, lp.Header);
    WriteLanguages(json, lp.LanguageTable);
    WriteSetTable(json, lp);
    json.key("sets");
    json.beginArray();
    for (std::size_t k = 0; k < lp.FontSetTable.size(); ++k) {
        WriteSet(json, lp, k);
    }
    json.endArray();
    json.endObject();
    if (!json.finish()) {
        std::fprintf(stderr, "glyphora-tool: writing the dump of %s failed\n", doc->path().c_str());
        return kExitError;
    }
    return kExitOk;
}

}  // namespace glyphora::tool
