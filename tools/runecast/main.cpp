// Runecast HEIGHT STYLE CODE FONTNAME...: the renderer the editor starts once
// per glyph, in its files/ folder. It draws the character into temp.bmp and
// ends; see UsageText() for the whole contract.
//
// temp.bmp is removed first, so that after a run it exists exactly when the
// exit status is 0: a failed run can never leave an earlier glyph behind to be
// taken for this one.
#include "RenderBackEnd.h"
#include "RenderRequest.h"

#include <BmpWriter.h>
#include <FileLayer.h>
#include <ProgramPlace.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace glyphora;
using namespace glyphora::runecast;

constexpr const char* kOutputFile = "temp.bmp";

enum ExitStatus : int {
    kExitWritten = 0,
    kExitFailed = 1,  // font not found or unreadable, temp.bmp not writable
    kExitUsage = 2,
    kExitNoGlyph = 3,
};

int Fail(const Error& error) {
    std::fprintf(stderr, "Runecast: %s\n", error.message.c_str());
    switch (error.kind) {
    case ErrorKind::Usage: return kExitUsage;
    case ErrorKind::Unsupported: return kExitNoGlyph;  // only RenderGlyph reports it
    default: return kExitFailed;
    }
}

int Run(const std::vector<std::string>& args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(UsageText(), stdout);
        return kExitWritten;
    }
    if (Status removed = RemoveFile(kOutputFile); !removed) return Fail(removed.error());

    Result<RenderRequest> request = ParseRequest(args);
    if (!request) {
        const int status = Fail(request.error());
        std::fputs("usage: Runecast HEIGHT STYLE CODE FONTNAME... (Runecast --help tells more)\n", stderr);
        return status;
    }
    Result<MonoImage> image = RenderCharacter(*request);
    if (!image) return Fail(image.error());
    const std::vector<uint8_t> bmp = WriteMonoBmp(*image);
    // The editor reads the bitmap at once: it need not wait for the disk.
    if (Status written = WriteFileAtomically(kOutputFile, bmp, Durability::Quick); !written)
        return Fail(written.error());
    return kExitWritten;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(ProgramArguments(argc, argv));
    } catch (const std::exception& e) {
        // Out of memory or a library's own failure: said, and no bitmap claims success.
        return Fail(MakeError(ErrorKind::Failed, e.what()));
    }
}
