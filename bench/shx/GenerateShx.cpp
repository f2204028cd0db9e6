// Writes a benchmark flash file: one LangPack code group carrying PAYLOAD bytes
// of pseudo-random data in S3 records of RECORD data bytes. Beside it go the
// bare S-record text (FILE.srec, the same records without the header) and the
// payload itself (FILE.bin) to check the extraction against.
//
//   shx_bench_generate OUT.shx PAYLOAD [RECORD]
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 8172;
constexpr uint32_t kStart = 0x10000000;

struct Out {
    std::FILE* file;
    const char* path;
    void write(const void* data, std::size_t size) {
        if (std::fwrite(data, 1, size, file) != size) {
            std::perror(path);
            std::exit(1);
        }
    }
};

Out Open(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::perror(path.c_str());
        std::exit(1);
    }
    static std::vector<std::string> names;
    names.push_back(path);
    return {file, names.back().c_str()};
}

void Close(Out& out) {
    if (std::fclose(out.file) != 0) {
        std::perror(out.path);
        std::exit(1);
    }
}

char* PutHex(char* at, uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    at[0] = kDigits[byte >> 4];
    at[1] = kDigits[byte & 0xF];
    return at + 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: shx_bench_generate OUT.shx PAYLOAD_BYTES [RECORD_BYTES]\n");
        return 2;
    }
    const std::string shxPath = argv[1];
    const std::string base = shxPath.substr(0, shxPath.rfind('.'));
    const std::size_t payload = std::strtoull(argv[2], nullptr, 10);
    const std::size_t record = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 32;
    if (record == 0 || record > 120) {
        std::fprintf(stderr, "RECORD_BYTES must be 1..120\n");
        return 2;
    }

    std::vector<uint8_t> header(kHeaderSize, 0);
    const char signature[] = "P2K Superfile";
    std::copy(signature, signature + sizeof signature, header.begin());
    auto put32 = [&](std::size_t offset, uint32_t value) {
        for (int k = 0; k < 4; ++k)
            header[offset + static_cast<std::size_t>(k)] = static_cast<uint8_t>(value >> (8 * k));
    };
    put32(944, 1);
    put32(948 + 6 * 28, kStart);
    put32(948 + 6 * 28 + 4, kStart + static_cast<uint32_t>(payload) - 1);

    Out shx = Open(shxPath);
    Out srec = Open(base + ".srec");
    Out bin = Open(base + ".bin");
    shx.write(header.data(), header.size());

    std::vector<char> text;
    std::vector<uint8_t> data;
    text.reserve(1 << 20);
    data.reserve(1 << 20);
    auto flush = [&] {
        shx.write(text.data(), text.size());
        srec.write(text.data(), text.size());
        bin.write(data.data(), data.size());
        text.clear();
        data.clear();
    };
    auto appendLine = [&](const char* line) {
        text.insert(text.end(), line, line + std::char_traits<char>::length(line));
        text.push_back('\r');
        text.push_back('\n');
    };

    appendLine("S0030000FC");
    uint32_t state = 0x9E3779B9u;
    char line[300];
    for (std::size_t at = 0; at < payload; at += record) {
        const std::size_t n = std::min(record, payload - at);
        const uint32_t address = kStart + static_cast<uint32_t>(at);
        const auto count = static_cast<uint8_t>(n + 5);
        unsigned sum = count;
        char* out = line;
        *out++ = 'S';
        *out++ = '3';
        out = PutHex(out, count);
        for (int shift = 24; shift >= 0; shift -= 8) {
            const auto byte = static_cast<uint8_t>(address >> shift);
            sum += byte;
            out = PutHex(out, byte);
        }
        for (std::size_t k = 0; k < n; ++k) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const auto byte = static_cast<uint8_t>(state >> 24);
            data.push_back(byte);
            sum += byte;
            out = PutHex(out, byte);
        }
        out = PutHex(out, static_cast<uint8_t>(~sum & 0xFF));
        *out = 0;
        appendLine(line);
        if (text.size() > (1u << 20) - 512) flush();
    }
    appendLine("S70510000000EA");
    flush();
    Close(shx);
    Close(srec);
    Close(bin);
    return 0;
}
