#include "ExtractRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace glyphora::shx::testing {
namespace {

using fixtures::GroupLines;
using fixtures::PatternBytes;
using fixtures::S3Line;
using fixtures::S3LineRaw;
using fixtures::ShxBuilder;

const std::string kBase = "/fw/phone";

std::vector<uint8_t> Concat(const std::vector<std::vector<uint8_t>>& parts) {
    std::vector<uint8_t> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(SplitSHX, WritesHeaderAndEveryGroupInSlotOrder) {
    const auto flashCode = PatternBytes(1000, 1);
    const auto langpack = PatternBytes(777, 4);
    ShxBuilder shx;
    shx.codeGroup(1, 0x10000000, flashCode).codeGroup(4, 0x11000000, langpack);
    const auto file = shx.bytes();

    MemoryRun run(file);
    ASSERT_FALSE(run.result.errorReported()) << (run.result.error ? run.result.error->message : std::string());

    EXPECT_EQ(run.result.headerPath, kBase + ".hdr");
    EXPECT_EQ(run.bytesOf(kBase + ".hdr"), std::vector<uint8_t>(file.begin(), file.begin() + 8172));
    const std::string cg1 = kBase + "{@0x10000000}CG1.smg";
    const std::string cg4 = kBase + "{@0x11000000}CG4.smg";
    EXPECT_EQ(run.bytesOf(cg1), flashCode);
    EXPECT_EQ(run.bytesOf(cg4), langpack);

    ASSERT_EQ(run.recorder.rows.size(), 2u);
    EXPECT_EQ(run.recorder.rows[0].number, 1);
    EXPECT_EQ(run.recorder.rows[0].path, cg1);
    EXPECT_EQ(run.recorder.rows[0].typeName, "Flash code");
    EXPECT_EQ(run.recorder.rows[0].size, 1000u);
    EXPECT_EQ(run.recorder.rows[1].number, 4);
    EXPECT_EQ(run.recorder.rows[1].start, 0x11000000u);
    EXPECT_EQ(run.recorder.rows[1].end(), 0x11000000 + 777 - 1);
    EXPECT_EQ(run.result.rows.size(), 2u);

    EXPECT_TRUE(run.result.LangpackFound);
    EXPECT_EQ(run.result.langpackPath, cg4);
    EXPECT_EQ(run.recorder.langpacks, std::vector<std::string>{cg4});

    EXPECT_EQ(run.recorder.statuses, (std::vector<std::string>{"Extracting Header...", "Extracting Flash code...",
                                                               "Extracting LangPack...", "Extracting done."}));
    EXPECT_EQ(run.recorder.headerAccepted, 1);
    EXPECT_EQ(run.recorder.pendingMessages, 4);  // after each open and each close
    EXPECT_EQ(run.recorder.maximum, file.size());
    ASSERT_FALSE(run.recorder.positions.empty());
    EXPECT_EQ(run.recorder.positions.front(), 8172u);
    EXPECT_EQ(run.recorder.positions.back(), file.size());
}

TEST(SplitSHX, MemoryMapIsWrittenTogetherWithTheFlashCode) {
    const auto payload = PatternBytes(300, 2);
    const auto langpack = PatternBytes(50, 3);
    ShxBuilder shx;
    shx.slot(0, 0x10000000, 0x1000001F).slot(1, 0x10000020, 0x1000012B);
    shx.group(0x10000000, payload);
    shx.codeGroup(4, 0x12000000, langpack);
    EXPECT_EQ(shx.header()[944], 3);  // both slots count

    MemoryRun run(shx.bytes());
    ASSERT_FALSE(run.result.errorReported()) << (run.result.error ? run.result.error->message : std::string());
    ASSERT_EQ(run.result.rows.size(), 2u);
    EXPECT_EQ(run.result.rows[0].number, 1);
    EXPECT_EQ(run.result.rows[0].typeName, "Flash code");
    EXPECT_EQ(run.result.rows[0].path, kBase + "{@0x10000000}CG1.smg");
    EXPECT_EQ(run.bytesOf(kBase + "{@0x10000000}CG1.smg"), payload);
    EXPECT_EQ(run.result.rows[1].number, 4);
}

TEST(SplitSHX, MemoryMapWithoutStartAddressIsAGroupOfItsOwn) {
    ShxBuilder shx;
    shx.codeGroup(0, 0, PatternBytes(16, 1)).codeGroup(1, 0x10000000, PatternBytes(16, 2));
    MemoryRun run(shx.bytes());
    ASSERT_FALSE(run.result.errorReported()) << (run.result.error ? run.result.error->message : std::string());
    ASSERT_EQ(run.result.rows.size(), 2u);
    EXPECT_EQ(run.result.rows[0].typeName, "Memory map");
    EXPECT_EQ(run.result.rows[0].path, kBase + "{@0x00000000}CG0.smg");
}

TEST(SplitSHX, PayloadSurvivesAnyRecordSize) {
    struct Case {
        std::size_t payload;
        std::size_t recordSize;
    };
    const Case cases[] = {
        {0, 32},                     // S0 then S7: an empty file, ending one below its start
        {1, 32},       {32, 32},     // count 25: 32 data bytes
        {1000, 1},     {1000, 120},  // count 7D: the longest record a 255-character line holds
        {1100003, 32},               // more than two output buffers
        {524288, 64},                // exactly one output buffer
    };
    for (const auto& c : cases) {
        const auto payload = PatternBytes(c.payload, static_cast<uint32_t>(c.payload));
        ShxBuilder shx;
        shx.codeGroup(4, 0x10000000, payload, c.recordSize);
        MemoryRun run(shx.bytes());
        ASSERT_FALSE(run.result.errorReported()) << c.payload << "/" << c.recordSize << ": "
                                                 << (run.result.error ? run.result.error->message : std::string());
        ASSERT_EQ(run.result.rows.size(), 1u);
        EXPECT_EQ(run.result.rows[0].size, c.payload);
        EXPECT_EQ(run.result.rows[0].end(), 0x10000000 + static_cast<int64_t>(c.payload) - 1);
        EXPECT_EQ(run.bytesOf(run.result.langpackPath), payload) << c.payload << "/" << c.recordSize;
    }
}

TEST(SplitSHX, RecordsThatAreOddButValid) {
    const auto a = PatternBytes(20, 1);
    const auto b = PatternBytes(120, 2);
    const std::vector<uint8_t> nothing;
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::string lineEnd;
        std::vector<uint8_t> expected;
    };
    const Case cases[] = {
        {"count 5 carries no data",
         {"S0", S3Line(0x10, a), S3Line(0x24, nothing), S3Line(0x24, a), "S7"},
         "\r\n",
         Concat({a, a})},
        {"S0 and S7 are known by their type alone", {"S0xyz", S3Line(0, a), "S7 whatever"}, "\r\n", a},
        {"a 255-character line", {"S0", S3Line(0, b) + "0", "S7"}, "\r\n", b},
        {"addresses are not followed", {"S0", S3Line(0x500, a), S3Line(0x100, b), "S7"}, "\r\n", Concat({a, b})},
        {"CR alone ends a line", {"S0", S3Line(0, a), "S7"}, "\r", a},
    };
    for (const auto& c : cases) {
        ShxBuilder shx;
        shx.slot(4, 0x10000000, 0x10000FFF).lineEnd(c.lineEnd).lines(c.lines);
        MemoryRun run(shx.bytes());
        ASSERT_FALSE(run.result.errorReported())
            << c.name << ": " << (run.result.error ? run.result.error->message : std::string());
        EXPECT_EQ(run.bytesOf(run.result.langpackPath), c.expected) << c.name;
    }
}

TEST(SplitSHX, LastLineMayLackItsLineEnd) {
    const auto payload = PatternBytes(64, 9);
    ShxBuilder shx;
    shx.slot(4, 0x10000000, 0x1000003F).line("S0").line(S3Line(0, payload)).raw("S7");
    MemoryRun run(shx.bytes());
    ASSERT_FALSE(run.result.errorReported()) << (run.result.error ? run.result.error->message : std::string());
    EXPECT_EQ(run.bytesOf(run.result.langpackPath), payload);
}

// The text goes through the input buffer in blocks of 524288 bytes counted from
// the end of the header. S0 lines of every length from 2 to 81 characters shift
// the 80-byte records across the block boundary by one byte each, so the
// boundary falls at every place of a record line, its CR and its LF included.
TEST(SplitSHX, LinesAcrossInputBlockBoundaries) {
    const auto payload = PatternBytes(7000 * 32, 77);
    const auto records = GroupLines(0, payload, 32);
    bool crWasLastByteOfBlock = false;
    for (std::size_t s0Length = 2; s0Length <= 81; ++s0Length) {
        ShxBuilder shx;
        shx.slot(4, 0x10000000, 0x10000000 + static_cast<uint32_t>(payload.size()) - 1);
        shx.line("S0" + std::string(s0Length - 2, '0'));
        for (std::size_t k = 1; k < records.size(); ++k) {
            if (shx.textSize() + records[k].size() == 524287) crWasLastByteOfBlock = true;
            shx.line(records[k]);
        }
        MemoryRun run(shx.bytes());
        ASSERT_FALSE(run.result.errorReported())
            << s0Length << ": " << (run.result.error ? run.result.error->message : std::string());
        ASSERT_EQ(run.bytesOf(run.result.langpackPath), payload) << s0Length;
        EXPECT_GE(run.recorder.positions.size(), 3u);  // header and two blocks at least
    }
    EXPECT_TRUE(crWasLastByteOfBlock);
}

TEST(SplitSHX, TextEndingExactlyAtABlockEnd) {
    // A text of exactly 524288 bytes: the reader must ask once more and see the end.
    ShxBuilder shx;
    shx.slot(4, 0x10000000, 0x10000FFF).line("S0");
    std::size_t address = 0;
    const auto record = PatternBytes(32, 5);
    while (shx.textSize() + 80 + 4 < 524288) {
        shx.line(S3Line(static_cast<uint32_t>(address), record));
        address += 32;
    }
    const std::size_t left = 524288 - shx.textSize();  // S7 + padding + CR LF
    shx.line("S7" + std::string(left - 4, '0'));
    ASSERT_EQ(shx.textSize(), 524288u);
    MemoryRun run(shx.bytes());
    ASSERT_FALSE(run.result.errorReported()) << (run.result.error ? run.result.error->message : std::string());
    EXPECT_EQ(run.result.rows[0].size, address);
}

// ---- faults ----

struct FaultCase {
    const char* name;
    std::vector<std::string> langpackLines;  // the records after a good flash-code group
    ErrorKind kind;
    std::string text;
    int faultyLine;  // index into langpackLines; -1 when the fault is not one line
};

// A good flash-code group (listed) followed by the lines of the LangPack group.
std::vector<uint8_t> FlashCodeThen(const std::vector<std::string>& langpackLines, uint32_t count = 2) {
    ShxBuilder shx;
    shx.codeGroup(1, 0x10000000, PatternBytes(64, 1)).slot(4, 0x11000000, 0x110000FF).groupCount(count);
    shx.lines(langpackLines);
    return shx.bytes();
}

TEST(SplitSHX, FaultsStopTheExtractionWithAClearStatus) {
    const auto data = PatternBytes(32, 3);
    std::string lowerCase = S3Line(0, std::vector<uint8_t>{0x0A, 0x0B});
    lowerCase[13] = 'a';
    std::string truncated = S3Line(0, data);
    truncated.resize(truncated.size() - 4);

    const FaultCase cases[] = {
        {"a line without S",
         {"S0", "X3" + S3Line(0, data).substr(2), "S7"},
         ErrorKind::Malformed,
         "Invalid SHX file!",
         1},
        {"an empty line", {"S0", "", "S7"}, ErrorKind::Malformed, "Invalid SHX file!", 1},
        {"an S alone", {"S0", "S", "S7"}, ErrorKind::Malformed, "Invalid SHX file!", 1},
        {"a wrong checksum",
         {"S0", S3LineRaw(0x25, 0, data, 0x00), "S7"},
         ErrorKind::Malformed,
         "S-Reord wrong checksum!",
         1},
        {"a lower-case digit", {"S0", lowerCase, "S7"}, ErrorKind::Malformed, "S-Reord wrong checksum!", 1},
        {"an S1 record",
         {"S0", "S1130000285F245F2212226A000424290008237C2A", "S7"},
         ErrorKind::Unsupported,
         "S-Record of type #1 is not supported.",
         1},
        {"an S5 record",
         {"S0", "S5030001FB", "S7"},
         ErrorKind::Unsupported,
         "S-Record of type #5 is not supported.",
         1},
        {"a line of 256 characters",
         {"S0", S3Line(0, PatternBytes(120, 1)) + "00", "S7"},
         ErrorKind::Malformed,
         "S-Record line longer than 255 characters!",
         1},
        {"a line with no CR at all",
         {"S0", std::string(100000, '0'), "S7"},
         ErrorKind::Malformed,
         "S-Record line longer than 255 characters!",
         1},
        {"count 4", {"S0", "S30400000000FB", "S7"}, ErrorKind::Malformed, "S-Record count below 5!", 1},
        {"count 0", {"S0", "S300", "S7"}, ErrorKind::Malformed, "S-Record count below 5!", 1},
        {"data cut short", {"S0", truncated, "S7"}, ErrorKind::Malformed, "S-Record shorter than its count!", 1},
        {"count FF on a short line",
         {"S0", "S3FF1000", "S7"},
         ErrorKind::Malformed,
         "S-Record shorter than its count!",
         1},
        {"S3 and nothing else", {"S0", "S3", "S7"}, ErrorKind::Malformed, "S-Record shorter than its count!", 1},
        {"an S0 inside a group",
         {"S0", S3Line(0, data), "S0", "S7"},
         ErrorKind::Malformed,
         "S0 record inside an open code group!",
         2},
        {"an S3 before any S0",
         {S3Line(0, data), "S0", "S7"},
         ErrorKind::Malformed,
         "S3 record outside a code group!",
         0},
        {"an S7 before any S0", {"S7", "S0", "S7"}, ErrorKind::Malformed, "S7 record outside a code group!", 0},
        {"the file ends inside a group",
         {"S0", S3Line(0, data)},
         ErrorKind::Malformed,
         "Unexpected end of SHX file!",
         -1},
        {"the file ends before a group", {}, ErrorKind::Malformed, "Unexpected end of SHX file!", -1},
    };
    for (const auto& c : cases) {
        MemoryRun run(FlashCodeThen(c.langpackLines));
        const auto& r = run.result;
        ASSERT_TRUE(r.error) << c.name;
        EXPECT_EQ(r.error->kind, c.kind) << c.name;
        EXPECT_EQ(r.errorText, c.text) << c.name;
        EXPECT_EQ(run.recorder.statuses.back(), c.text) << c.name << ": an error must not read as done";
        EXPECT_NE(r.error->message.find("/fw/phone.shx"), std::string::npos) << c.name;
        if (c.faultyLine >= 0) {
            EXPECT_EQ(r.errorLine, 4u + static_cast<uint64_t>(c.faultyLine) + 1) << c.name;
        }
        // What was finished before stays written and listed; the broken group is not listed.
        ASSERT_EQ(r.rows.size(), 1u) << c.name;
        EXPECT_EQ(r.rows[0].number, 1) << c.name;
        EXPECT_TRUE(run.has(kBase + "{@0x10000000}CG1.smg")) << c.name;
        EXPECT_FALSE(r.LangpackFound) << c.name;
        for (const auto& [path, entry] : run.folder.files())
            EXPECT_TRUE(entry.closed) << c.name << ": " << path << " left open";
    }
}

// Lines that end in LF alone are named as such, wherever they start; and a
// text that breaks on its first record writes no file at all, not even the
// header file.
TEST(SplitSHX, LineFeedEndsAndFirstRecordFaults) {
    const auto data = PatternBytes(32, 3);
    const std::string lf = "S-Record lines end in LF, not CR LF!";
    struct Case {
        const char* name;
        bool goodGroupFirst;  // a CR LF group (CG1) before the LangPack group
        std::string lineEnd;
        std::vector<std::string> lines;  // of the LangPack group
        std::string text;
        uint64_t line;  // 0: not about a line
    };
    const Case cases[] = {
        {"LF lines", false, "\n", GroupLines(0, PatternBytes(1000, 1)), lf, 1},
        {"LF lines shorter than one line may be", false, "\n", {"S0", S3Line(0, data), "S7"}, lf, 1},
        {"LF CR lines", false, "\n\r", GroupLines(0, PatternBytes(1000, 1)), lf, 1},
        {"LF lines after a good group", true, "\n", GroupLines(0, PatternBytes(1000, 1)), lf, 5},
        {"a first line without S", false, "\r\n", {"X0", "S7"}, "Invalid SHX file!", 1},
        {"a first record of type 1", false, "\r\n", {"S1130000", "S7"}, "S-Record of type #1 is not supported.", 1},
        {"a first record that is an S3", false, "\r\n", {S3Line(0, data)}, "S3 record outside a code group!", 1},
        {"no record at all", false, "\r\n", {}, "Unexpected end of SHX file!", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShxBuilder shx;
        if (c.goodGroupFirst) shx.codeGroup(1, 0x10000000, PatternBytes(64, 1));
        shx.slot(4, 0x11000000, 0x110000FF).lineEnd(c.lineEnd).lines(c.lines);
        MemoryRun run(shx.bytes());
        const auto& r = run.result;
        ASSERT_TRUE(r.error);
        EXPECT_EQ(r.errorText, c.text);
        EXPECT_EQ(r.errorLine, c.line);
        EXPECT_EQ(r.error->kind,
                  c.text.starts_with("S-Record of type") ? ErrorKind::Unsupported : ErrorKind::Malformed);
        if (c.text == lf) {
            EXPECT_NE(r.error->message.find("the lines end in LF, not CR LF"), std::string::npos) << r.error->message;
        }
        EXPECT_EQ(run.has(kBase + ".hdr"), c.goodGroupFirst);
        EXPECT_EQ(r.headerPath.empty(), !c.goodGroupFirst);
        EXPECT_EQ(run.folder.files().size(), c.goodGroupFirst ? 2u : 0u);
        EXPECT_EQ(r.rows.size(), c.goodGroupFirst ? 1u : 0u);
    }
}

TEST(SplitSHX, CountBeyondTheTableEndsWithAnErrorAfterTheGroups) {
    ShxBuilder shx;
    shx.codeGroup(4, 0x10000000, PatternBytes(10, 1)).groupCount(5);
    MemoryRun run(shx.bytes());
    EXPECT_EQ(run.result.errorText, "Too many code groups in the header!");
    EXPECT_EQ(run.result.rows.size(), 1u);
    EXPECT_TRUE(run.result.LangpackFound);  // what was written stays usable
}

TEST(SplitSHX, CountBelowTheGroupsPresentReadsOnlyThatMany) {
    ShxBuilder shx;
    shx.codeGroup(1, 0x10000000, PatternBytes(10, 1)).codeGroup(4, 0x11000000, PatternBytes(10, 2)).groupCount(1);
    MemoryRun run(shx.bytes());
    EXPECT_FALSE(run.result.errorReported());
    EXPECT_EQ(run.result.rows.size(), 1u);
}

TEST(SplitSHX, CorruptHeaderWritesNothing) {
    ShxBuilder good;
    good.codeGroup(4, 0x10000000, PatternBytes(10, 1));
    auto shortFile = good.header();
    shortFile.resize(8171);
    ShxBuilder lowerCase = good;
    lowerCase.signature("P2K superfile");

    for (const auto& file : {shortFile, lowerCase.bytes(), std::vector<uint8_t>{}}) {
        MemoryRun run(file);
        EXPECT_EQ(run.result.errorText, "Corrupt file header!");
        EXPECT_EQ(run.result.error->kind, ErrorKind::Malformed);
        EXPECT_EQ(run.recorder.statuses, (std::vector<std::string>{"Extracting Header...", "Corrupt file header!"}));
        EXPECT_TRUE(run.folder.files().empty());
        EXPECT_EQ(run.recorder.headerAccepted, 0);
        EXPECT_FALSE(run.result.headerAccepted);
    }
}

TEST(SplitSHX, ChecksumIsTestedAfterTheDataReachedTheBuffer) {
    // Data of a bad record before a flush is lost with the buffer; what was
    // flushed before stays in the unlisted file.
    const auto payload = PatternBytes(524288 + 64, 8);
    auto lines = GroupLines(0, payload, 64);
    lines.insert(lines.end() - 1, S3LineRaw(0x25, 0, PatternBytes(32, 1), 0));
    ShxBuilder shx;
    shx.slot(4, 0x10000000, 0x1FFFFFFF).lines(lines);
    MemoryRun run(shx.bytes());
    EXPECT_EQ(run.result.errorText, "S-Reord wrong checksum!");
    const std::string cg4 = kBase + "{@0x10000000}CG4.smg";
    ASSERT_TRUE(run.has(cg4));
    EXPECT_EQ(run.folder.files().at(cg4).size, 524288u);
    EXPECT_TRUE(run.result.rows.empty());
}

// ---- input and output failures ----

TEST(SplitSHX, CreateFailureNamesTheFileAndKeepsEarlierFiles) {
    ExtractRecorder recorder;
    MemoryFolder folder;
    folder.failCreateOf("CG4.smg");
    ShxBuilder shx;
    shx.codeGroup(1, 0x10000000, PatternBytes(10, 1)).codeGroup(4, 0x11000000, PatternBytes(10, 2));
    const auto file = shx.bytes();
    MemoryInput input(kFlashPath, file);
    const auto result = ShxExtractor(recorder.callbacks()).SplitSHX(input, folder);
    EXPECT_EQ(result.error->kind, ErrorKind::Io);
    EXPECT_EQ(result.errorText.rfind("cannot create ", 0), 0u) << result.errorText;
    EXPECT_NE(result.errorText.find("/fw/phone{@0x11000000}CG4.smg"), std::string::npos) << result.errorText;
    EXPECT_EQ(recorder.statuses.back(), result.errorText);
    EXPECT_EQ(result.rows.size(), 1u);
    EXPECT_FALSE(result.LangpackFound);
}

TEST(SplitSHX, WriteFailureIsADiskWriteError) {
    struct Case {
        uint64_t budget;
        std::size_t rowsListed;
    };
    // Fails in the header, in a flush in the middle of the group, in its last write.
    const Case cases[] = {{100, 0}, {8172 + 1000, 0}, {8172 + 524288 + 10, 0}};
    for (const auto& c : cases) {
        ExtractRecorder recorder;
        MemoryFolder folder;
        folder.failWritesAfter(c.budget);
        ShxBuilder shx;
        shx.codeGroup(4, 0x10000000, PatternBytes(600000, 1));
        const auto file = shx.bytes();
        MemoryInput input(kFlashPath, file);
        const auto result = ShxExtractor(recorder.callbacks()).SplitSHX(input, folder);
        EXPECT_EQ(result.error->kind, ErrorKind::Io) << c.budget;
        EXPECT_EQ(result.errorText, "Disk write error!");
        EXPECT_EQ(recorder.statuses.back(), "Disk write error!");
        EXPECT_NE(result.error->message.find("/fw/phone"), std::string::npos) << result.error->message;
        EXPECT_EQ(result.rows.size(), c.rowsListed);
        EXPECT_FALSE(result.LangpackFound);
    }
}

class FailingInput final : public ExtractInput {
public:
    FailingInput(std::vector<uint8_t> bytes, std::size_t failAt) : bytes_(std::move(bytes)), failAt_(failAt) {}
    const std::string& path() const override { return path_; }
    uint64_t size() const override { return bytes_.size(); }
    Result<std::size_t> read(std::span<uint8_t> into) override {
        const std::size_t end = std::min({bytes_.size(), failAt_, position_ + into.size()});
        const std::size_t count = end - position_;
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), count, into.begin());
        position_ = end;
        if (count < into.size() && end == failAt_)
            return MakeError(ErrorKind::Io, "Cannot read " + path_ + ": Input/output error");
        return count;
    }

private:
    std::string path_ = kFlashPath;
    std::vector<uint8_t> bytes_;
    std::size_t failAt_;
    std::size_t position_ = 0;
};

TEST(SplitSHX, ReadFailureNamesTheFlashFile) {
    ShxBuilder shx;
    shx.codeGroup(1, 0x10000000, PatternBytes(10, 1)).codeGroup(4, 0x11000000, PatternBytes(900000, 2));
    for (std::size_t failAt : {std::size_t{100}, std::size_t{8172 + 524288 + 7}}) {
        ExtractRecorder recorder;
        MemoryFolder folder;
        FailingInput input(shx.bytes(), failAt);
        const auto result = ShxExtractor(recorder.callbacks()).SplitSHX(input, folder);
        EXPECT_EQ(result.error->kind, ErrorKind::Io) << failAt;
        EXPECT_EQ(result.errorText, "Cannot read /fw/phone.shx: Input/output error");
        EXPECT_FALSE(result.LangpackFound);
        for (const auto& [path, entry] : folder.files()) EXPECT_TRUE(entry.closed) << path;
    }
}

}  // namespace
}  // namespace glyphora::shx::testing
