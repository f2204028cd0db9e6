// make-demo [--unifont FILE.hex] OUTPUT: writes the demo langpack.
#include <FileLayer.h>
#include "DemoLangpack.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    std::string unifont = "/usr/share/unifont/unifont.hex";
    std::string output;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--unifont") == 0 && i + 1 < argc) {
            unifont = argv[++i];
        } else if (output.empty() && argv[i][0] != '-') {
            output = argv[i];
        } else {
            output.clear();
            break;
        }
    }
    if (output.empty()) {
        std::fprintf(stderr, "usage: make-demo [--unifont FILE.hex] OUTPUT\n");
        return 1;
    }
    const glyphora::demo::DemoImage demo = glyphora::demo::BuildDemoLangpack(unifont);
    if (!demo.error.empty()) {
        std::fprintf(stderr, "make-demo: %s\n", demo.error.c_str());
        return 1;
    }
    const glyphora::Status written = glyphora::WriteFileAtomically(output, demo.bytes);
    if (!written) {
        std::fprintf(stderr, "make-demo: %s\n", written.error().message.c_str());
        return 1;
    }
    return 0;
}
