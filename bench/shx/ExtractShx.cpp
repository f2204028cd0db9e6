// The extraction core alone, without any window toolkit, for timing.
//   shx_bench_extract FILE.shx
#include "ShxExtractor.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: shx_bench_extract FILE.shx\n");
        return 2;
    }
    const auto result = glyphora::shx::ShxExtractor().SplitSHX(argv[1]);
    if (result.error) {
        std::fprintf(stderr, "%s\n", result.error->message.c_str());
        return 1;
    }
    return 0;
}
