// heddlemark-cli: headless batch work on pattern files.
#include <cstdio>
#include <cstring>

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs("Usage: heddlemark-cli [--help] [--version]\n"
               "\n"
               "Headless tool for Heddlemark pattern files.\n"
               "  --help     show this text\n"
               "  --version  show the program version\n",
               out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 1;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("heddlemark-cli %s\n", HM_VERSION);
        return 0;
    }
    std::fprintf(stderr, "heddlemark-cli: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return 1;
}
