// Writes the typical fixture langpack to the path given, for the end-to-end run.
#include <LangpackBuilder.h>

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: e2e_make_langpack FILE\n");
        return 2;
    }
    const auto built = glyphora::fixtures::BuildLangpack(glyphora::fixtures::TypicalLangpack());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(built.Bytes.data()), static_cast<std::streamsize>(built.Bytes.size()));
    return out ? 0 : 1;
}
