// A save writes over the file only what it read: another program's change to
// the fonts area since the open is refused, not undone, and of two saves of
// one file the later one is refused rather than losing the earlier one.
#include "LangpackBuilder.h"
#include "LangpackDocument.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

namespace glyphora {
namespace {

using namespace fixtures;

class DocumentSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/glyphora-document-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        file_ = std::string(pattern) + "/lang.smg";
        built_ = BuildLangpack(TypicalLangpack());
    }
    void TearDown() override {
        const std::string command = "rm -rf '" + file_.substr(0, file_.rfind('/')) + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    void write(const std::vector<uint8_t>& bytes) const {
        std::ofstream(file_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<uint8_t> read() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    LangpackDocument open() const {
        Result<LangpackDocument> doc = LangpackDocument::Load(file_);
        EXPECT_TRUE(doc) << doc.error().message;
        return std::move(*doc);
    }
    // Turns pixel (0, 0) of a glyph of set 1 over.
    static void edit(LangpackDocument& doc, std::size_t glyph) { doc.langpack().SymbolTable[0][glyph].Data[0] ^= 0x80; }

    std::string file_;
    BuiltLangpack built_;
};

TEST_F(DocumentSaveTest, AChangeOnDiskIsRefusedUnlessOverwriteIsAsked) {
    struct Case {
        const char* name;
        std::function<void(std::vector<uint8_t>&)> change;
        bool refused;
    };
    const std::size_t glyphs = built_.Sets[0].DataOffset;
    const Case cases[] = {
        {"a glyph edited", [&](std::vector<uint8_t>& b) { b[glyphs] ^= 0xFF; }, true},
        {"bytes added at the end", [](std::vector<uint8_t>& b) { b.push_back(0); }, true},
        {"a text written over it", [](std::vector<uint8_t>& b) { b.assign(40, 'x'); }, true},
        // The language table lies before the fonts area: a save writes it back as it is now.
        {"a language renamed", [](std::vector<uint8_t>& b) { b[24] ^= 0x01; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write(built_.Bytes);
        LangpackDocument doc = open();
        edit(doc, 0);
        std::vector<uint8_t> other = built_.Bytes;
        c.change(other);
        write(other);

        const Status saved = doc.Save();
        EXPECT_EQ(!saved, c.refused);
        if (c.refused) {
            EXPECT_EQ(saved.error().kind, ErrorKind::Changed);
            EXPECT_EQ(saved.error().message, file_ + " was changed by another program since it was opened.");
            EXPECT_EQ(read(), other);
            ASSERT_TRUE(doc.Save(LangpackDocument::WhenChanged::Overwrite));
        }
        const std::vector<uint8_t> after = read();
        EXPECT_EQ(after[24], other.size() > 600 ? other[24] : built_.Bytes[24]);
        EXPECT_EQ(open().langpack().SymbolTable[0][0].Data, doc.langpack().SymbolTable[0][0].Data);
        EXPECT_TRUE(doc.Save()) << "the saved state is what the next save compares with";
    }
}

// Two editors of one file save at once, each its own glyph: one save wins,
// the other is refused, and the file holds the winner's edit.
TEST_F(DocumentSaveTest, OfTwoSavesAtOnceNeitherIsLostUnseen) {
    for (int round = 0; round < 20; ++round) {
        write(built_.Bytes);
        LangpackDocument a = open(), b = open();
        edit(a, 0);
        edit(b, 1);
        Status savedA, savedB;
        std::thread other([&] { savedB = b.Save(); });
        savedA = a.Save();
        other.join();
        ASSERT_NE(bool(savedA), bool(savedB)) << "round " << round;
        const Status& lost = savedA ? savedB : savedA;
        EXPECT_EQ(lost.error().kind, ErrorKind::Changed);
        const LangpackDocument& winner = savedA ? a : b;
        const TLangpack back = open().langpack();
        EXPECT_EQ(back.SymbolTable[0][0].Data, winner.langpack().SymbolTable[0][0].Data);
        EXPECT_EQ(back.SymbolTable[0][1].Data, winner.langpack().SymbolTable[0][1].Data);
    }
}

}  // namespace
}  // namespace glyphora
