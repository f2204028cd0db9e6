#include "ShxExtractor.h"

#include "HexByte.h"
#include "RecordLineReader.h"
#include "SuperfileHeader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

namespace glyphora::shx {

namespace {

// The state of one run; it lives only as long as the run.
class Extraction {
public:
    Extraction(const ExtractCallbacks& callbacks, ExtractInput& input, OutputFolder& output, ExtractBuffers* buffers)
        : callbacks_(callbacks), input_(input), output_(output), buffers_(buffers) {}

    ExtractResult Run();

private:
    enum class S3Outcome { Ok, WrongChecksum, CountBelowFive, ShorterThanCount, WriteFailed };

    bool ReadHeader(SuperfileHeader& header);
    bool WriteHeaderFile();
    void ReadCodeGroups(const SuperfileHeader& header);
    void ReadGroupRecords(RecordLineReader& reader);
    void HandleRecord(std::string_view line, uint64_t lineNumber);
    S3Outcome ParseS3Record(std::string_view line);
    bool FlushOutput();
    void OpenCodeGroupFile();
    void CloseCodeGroupFile();
    // `text` goes to the status panel; the Error's message is `detail`.
    void ReportExtractError(ExtractFault fault, ErrorKind kind, const std::string& text, const std::string& detail,
                            uint64_t line = 0);
    // `record` is the line's text: one holding an LF shows that the lines end in LF alone.
    void ReportLineError(ExtractFault fault, ErrorKind kind, const std::string& text, uint64_t line,
                         std::string_view record = {});
    void ReportLineFeedEnds(uint64_t line);
    // A file could not be opened, read, created or written: its own message shows.
    void ReportFileError(ExtractFault fault, const Error& error);
    // An output file could not be created or put in place.
    void ReportOutputError(ExtractFault fault, const Error& error);

    void ShowStatus(const std::string& text) const {
        if (callbacks_.status) callbacks_.status(text);
    }
    void Progress() const {
        if (callbacks_.progress) callbacks_.progress(0, input_.size(), position_);
    }
    void ProcessPendingMessages() const {
        if (callbacks_.processPendingMessages) callbacks_.processPendingMessages();
    }

    const ExtractCallbacks& callbacks_;
    ExtractInput& input_;
    OutputFolder& output_;
    ExtractBuffers* buffers_;  // null: allocated once the header is accepted
    ExtractResult result_;

    std::string basePath_;
    // The header file is written once the text behind it reads as S-records,
    // so a file that is no SHX text past its header leaves nothing behind.
    std::array<uint8_t, kSuperfileHeaderSize> headerBlock_{};
    bool headerWritten_ = false;
    uint64_t position_ = 0;  // bytes of the flash file read so far

    // Current slot.
    uint32_t start_ = 0;
    int number_ = kFirstCodeGroupNumber;
    bool done_ = false;
    bool abort_ = false;
    bool lineCut_ = false;    // the line being handled ends where the file ends, without its CR
    uint32_t processed_ = 0;  // code groups finished

    // Open code-group file and the output buffer in front of it.
    std::unique_ptr<OutputFile> groupFile_;
    std::string groupPath_;
    uint8_t* outputBuffer_ = nullptr;  // kStreamBufferSize bytes
    std::size_t outputFill_ = 0;
};

ExtractResult Extraction::Run() {
    ShowStatus("Extracting Header...");
    SuperfileHeader header;
    if (!ReadHeader(header)) return std::move(result_);

    ReadCodeGroups(header);
    // A header whose slots hold no records at all is still the header.
    if (!abort_ && !headerWritten_) WriteHeaderFile();
    // An error keeps its text in the status panel: "done" would read as success.
    if (!abort_) ShowStatus("Extracting done.");
    return std::move(result_);
}

bool Extraction::ReadHeader(SuperfileHeader& header) {
    std::array<uint8_t, kSuperfileHeaderSize>& block = headerBlock_;
    const Result<std::size_t> read = input_.read(block);
    if (!read) {
        ReportFileError(ExtractFault::ReadFailed, read.error());
        return false;
    }
    const std::size_t got = *read;
    position_ = got;
    if (got < kSuperfileHeaderSize || !HasSuperfileSignature(block)) {
        const std::string why = got < kSuperfileHeaderSize ? "shorter than the 8172-byte superfile header"
                                                           : "the header does not start with \"P2K Superfile\"";
        ReportExtractError(ExtractFault::NotFlashFile, ErrorKind::Malformed, "Corrupt file header!",
                           input_.path() + ": " + why);
        return false;
    }
    header = DecodeSuperfileHeader(block);

    Progress();
    result_.headerAccepted = true;
    if (callbacks_.headerAccepted) callbacks_.headerAccepted();

    basePath_ = ExtractBasePath(input_.path());
    return true;
}

bool Extraction::WriteHeaderFile() {
    headerWritten_ = true;
    const std::string headerPath = HeaderFilePath(basePath_);
    Result<std::unique_ptr<OutputFile>> file = output_.create(headerPath);
    if (!file) {
        ReportOutputError(ExtractFault::CannotCreate, file.error());
        return false;
    }
    result_.filesCreated.push_back(headerPath);
    Status written = (*file)->write(headerBlock_);
    if (!written) (*file)->discard();
    if (written) written = (*file)->close();
    if (!written) {
        ReportOutputError(ExtractFault::WriteFailed, written.error());
        return false;
    }
    result_.headerPath = headerPath;
    return true;
}

void Extraction::ReadCodeGroups(const SuperfileHeader& header) {
    std::unique_ptr<ExtractBuffers> ownBuffers;
    if (!buffers_) {
        ownBuffers = std::make_unique<ExtractBuffers>();
        buffers_ = ownBuffers.get();
    }
    outputBuffer_ = buffers_->output().data();
    RecordLineReader reader(input_, buffers_->input(), [this](std::size_t bytes) {
        position_ += bytes;
        Progress();
    });

    std::size_t slot = 0;
    while (processed_ < header.groupCount && !abort_) {
        if (slot >= kSlotCount) {
            ReportExtractError(ExtractFault::Damaged, ErrorKind::Malformed, "Too many code groups in the header!",
                               input_.path() + ": the header counts " + std::to_string(header.groupCount) +
                                   " code groups, its slot table describes only " + std::to_string(processed_));
            break;
        }
        start_ = header.slots[slot].start;
        uint32_t end = header.slots[slot].end;
        // A memory map with a start address is stored together with the flash
        // code as one group, written and listed as the flash code.
        if (number_ == 0 && start_ != 0) {
            ++slot;
            end = header.slots[slot].end;
            ++processed_;
            ++number_;
        }
        done_ = static_cast<uint32_t>(start_ + end) == 0;
        ++slot;
        ReadGroupRecords(reader);
        ++number_;
    }
}

void Extraction::ReadGroupRecords(RecordLineReader& reader) {
    while (!done_ && !abort_) {
        std::string_view line;
        switch (reader.ReadRecordLine(line)) {
        case RecordLineReader::LineResult::Line:
            lineCut_ = reader.lineEndedByInput();
            HandleRecord(line, reader.lineNumber());
            break;
        case RecordLineReader::LineResult::End:
            ReportExtractError(ExtractFault::Cut, ErrorKind::Malformed, "Unexpected end of SHX file!",
                               input_.path() + ": the file ends " + (groupFile_ ? "inside" : "before") +
                                   " code group " + CodeGroupShortName(number_));
            break;
        case RecordLineReader::LineResult::TooLong:
            ReportLineError(ExtractFault::Damaged, ErrorKind::Malformed, "S-Record line longer than 255 characters!",
                            reader.lineNumber());
            break;
        case RecordLineReader::LineResult::LineFeedEnds: ReportLineFeedEnds(reader.lineNumber()); break;
        case RecordLineReader::LineResult::ReadError: ReportFileError(ExtractFault::ReadFailed, reader.error()); break;
        }
    }
}

void Extraction::HandleRecord(std::string_view line, uint64_t lineNumber) {
    if (line.size() < 2 || line[0] != 'S') {
        ReportLineError(ExtractFault::Damaged, ErrorKind::Malformed, "Invalid SHX file!", lineNumber, line);
        return;
    }
    // S0 and S7 are known by their type alone, so a short text whose lines end
    // in LF would otherwise read as one S0 line.
    if ((line[1] == '0' || line[1] == '7') && line.find('\n') != std::string_view::npos) {
        ReportLineFeedEnds(lineNumber);
        return;
    }
    switch (line[1]) {
    case '0':
        if (groupFile_) {
            ReportLineError(ExtractFault::Damaged, ErrorKind::Malformed, "S0 record inside an open code group!",
                            lineNumber);
            return;
        }
        if (!headerWritten_ && !WriteHeaderFile()) return;
        OpenCodeGroupFile();
        return;
    case '3':
        if (!groupFile_) {
            ReportLineError(ExtractFault::Damaged, ErrorKind::Malformed, "S3 record outside a code group!", lineNumber,
                            line);
            return;
        }
        switch (ParseS3Record(line)) {
        case S3Outcome::Ok: return;
        case S3Outcome::WrongChecksum:
            ReportLineError(ExtractFault::Checksum, ErrorKind::Malformed, "S-Reord wrong checksum!", lineNumber, line);
            return;
        case S3Outcome::CountBelowFive:
            ReportLineError(ExtractFault::Damaged, ErrorKind::Malformed, "S-Record count below 5!", lineNumber, line);
            return;
        case S3Outcome::ShorterThanCount:
            ReportLineError(ExtractFault::Damaged, ErrorKind::Malformed, "S-Record shorter than its count!", lineNumber,
                            line);
            return;
        case S3Outcome::WriteFailed: return;  // already reported
        }
        return;
    case '7':
        if (!groupFile_) {
            ReportLineError(ExtractFault::Damaged, ErrorKind::Malformed, "S7 record outside a code group!", lineNumber);
            return;
        }
        CloseCodeGroupFile();
        return;
    default:
        ReportLineError(ExtractFault::Unsupported, ErrorKind::Unsupported,
                        std::string("S-Record of type #") + line[1] + " " + "is not supported.", lineNumber, line);
        return;
    }
}

Extraction::S3Outcome Extraction::ParseS3Record(std::string_view line) {
    if (line.size() < 4) return S3Outcome::ShorterThanCount;
    const char* text = line.data();
    const unsigned count = HexByte(text[2], text[3]);
    if (count < 5) return S3Outcome::CountBelowFive;
    // Count pairs follow it: four address bytes, the data, the checksum.
    if (line.size() < 4 + 2 * static_cast<std::size_t>(count)) return S3Outcome::ShorterThanCount;

    unsigned sum = count + SumOfFourHexPairs(text + 4);

    const char* digits = text + 12;
    std::size_t remaining = count - 5;
    while (remaining > 0) {
        const std::size_t chunk = std::min(remaining, kStreamBufferSize - outputFill_);
        sum += DecodeHexPairs(digits, chunk, outputBuffer_ + outputFill_);
        outputFill_ += chunk;
        digits += 2 * chunk;
        remaining -= chunk;
        if (outputFill_ == kStreamBufferSize && !FlushOutput()) return S3Outcome::WriteFailed;
    }
    const unsigned checksum = HexByte(digits[0], digits[1]);
    return checksum == 255 - (sum & 0xFF) ? S3Outcome::Ok : S3Outcome::WrongChecksum;
}

bool Extraction::FlushOutput() {
    const Status written = groupFile_->write(std::span<const uint8_t>(outputBuffer_, outputFill_));
    outputFill_ = 0;
    if (!written)
        ReportExtractError(ExtractFault::WriteFailed, ErrorKind::Io, "Disk write error!", written.error().message);
    return written.has_value();
}

void Extraction::OpenCodeGroupFile() {
    groupPath_ = CodeGroupFilePath(basePath_, start_, number_);
    Result<std::unique_ptr<OutputFile>> file = output_.create(groupPath_);
    if (!file) {
        ReportOutputError(ExtractFault::CannotCreate, file.error());
        return;
    }
    groupFile_ = std::move(*file);
    result_.filesCreated.push_back(groupPath_);
    outputFill_ = 0;
    ShowStatus("Extracting " + CodeGroupTypeName(number_) + "...");
    ProcessPendingMessages();
}

void Extraction::CloseCodeGroupFile() {
    if (outputFill_ > 0 && !FlushOutput()) return;
    const Status closed = groupFile_->close();
    const uint64_t size = groupFile_->size();
    groupFile_.reset();
    if (!closed) {
        ReportOutputError(ExtractFault::WriteFailed, closed.error());
        return;
    }

    CodeGroupRow row{number_, groupPath_, CodeGroupTypeName(number_), start_, size};
    result_.rows.push_back(row);
    if (callbacks_.codeGroupWritten) callbacks_.codeGroupWritten(row);
    if (number_ == kLangpackCodeGroup) {
        result_.LangpackFound = true;
        result_.langpackPath = groupPath_;
        if (callbacks_.langpackFound) callbacks_.langpackFound(groupPath_);
    }
    ProcessPendingMessages();
    done_ = true;
    ++processed_;
}

void Extraction::ReportLineFeedEnds(uint64_t line) {
    ReportExtractError(
        ExtractFault::Damaged, ErrorKind::Malformed, "S-Record lines end in LF, not CR LF!",
        input_.path() + ", line " + std::to_string(line) + " after the header: the lines end in LF, not CR LF", line);
}

void Extraction::ReportLineError(ExtractFault fault, ErrorKind kind, const std::string& text, uint64_t line,
                                 std::string_view record) {
    if (record.find('\n') != std::string_view::npos) {
        ReportLineFeedEnds(line);
        return;
    }
    // A broken last line that has no line end is where the file was cut off.
    if (lineCut_) {
        ReportExtractError(ExtractFault::Cut, ErrorKind::Malformed, "Unexpected end of SHX file!",
                           input_.path() + ", line " + std::to_string(line) +
                               " after the header: the file ends inside the line (" + text + ")",
                           line);
        return;
    }
    ReportExtractError(fault, kind, text,
                       input_.path() + ", line " + std::to_string(line) + " after the header: " + text, line);
}

void Extraction::ReportFileError(ExtractFault fault, const Error& error) {
    ReportExtractError(fault, error.kind, error.message, error.message);
}

void Extraction::ReportOutputError(ExtractFault fault, const Error& error) {
    if (error.kind == ErrorKind::Refused)
        ReportFileError(ExtractFault::OutputRefused, error);
    else if (fault == ExtractFault::WriteFailed)
        ReportExtractError(fault, error.kind, "Disk write error!", error.message);
    else
        ReportFileError(fault, error);
}

void Extraction::ReportExtractError(ExtractFault fault, ErrorKind kind, const std::string& text,
                                    const std::string& detail, uint64_t line) {
    ShowStatus(text);
    // The open file is dropped and not listed: a file of that name from an
    // earlier extraction stays as it was. The error reported is the one that
    // broke the extraction off.
    if (groupFile_) {
        groupFile_->discard();
        groupFile_.reset();
    }
    abort_ = true;
    if (!result_.errorReported()) {
        result_.error = MakeError(kind, detail);
        result_.fault = fault;
        result_.errorText = text;
        result_.errorLine = line;
    }
}

}  // namespace

ExtractResult ShxExtractor::SplitSHX(const std::string& flashPath) {
    if (flashPath.empty()) return {};
    Result<std::unique_ptr<FileInput>> input = FileInput::open(flashPath);
    if (!input) {
        if (callbacks_.status) {
            callbacks_.status("Extracting Header...");
            callbacks_.status(input.error().message);
        }
        ExtractResult result;
        result.error = input.error();
        result.fault = ExtractFault::ReadFailed;
        result.errorText = input.error().message;
        return result;
    }
    DiskFolder output(flashPath, callbacks_.askEdited);
    return SplitSHX(**input, output);
}

ExtractResult ShxExtractor::SplitSHX(ExtractInput& input, OutputFolder& output, ExtractBuffers* buffers) {
    return Extraction(callbacks_, input, output, buffers).Run();
}

}  // namespace glyphora::shx
