// velmora-cli: the engine and the file readers and writers of Velmora, on the
// command line. Formats are described in docs/velmora-cli.md.

#include <cstdio>
#include <string>
#include <string_view>

#include "cli/Commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

struct Command {
    std::string_view Name;
    int (*Run)(const velmora::cli::Arguments&);
    std::string_view Usage;
};

constexpr Command Commands[] = {
    {"glyphs", velmora::cli::RunGlyphs, "glyphs --out FILE.bmp"},
    {"check", velmora::cli::RunCheck, "check [--out FILE] FILE"},
    {"simulate", velmora::cli::RunSimulate, "simulate [--vk] [--layout FILE] PROFILE SCRIPT"},
    {"render", velmora::cli::RunRender, "render --profile P --layout L [--ini FILE] [--set N] [--names] [--state CONTROL=0|1|2 ...] --out FILE.bmp"},
    {"layout", velmora::cli::RunLayout, "layout --vid HEX --pid HEX [--axes x,y,z,rz,...] [--buttons N] [--povs N] [--xinput] [--database FILE] --out FILE.velmoracontroller"},
    {"", nullptr, ""},
};

int Usage() {
    std::fputs("usage: velmora-cli COMMAND ...\n", stderr);
    for (const Command& c : Commands)
        if (c.Run) std::fprintf(stderr, "  %.*s\n", static_cast<int>(c.Usage.size()), c.Usage.data());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Byte for byte the same output as elsewhere: a profile written to standard
    // output already ends its lines with CR LF and must not get a second CR.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    if (argc < 2) return Usage();
    const std::string_view name = argv[1];
    velmora::cli::Arguments args(argv + 2, argv + argc);
    for (const Command& c : Commands)
        if (c.Run && c.Name == name) return c.Run(args);
    std::fprintf(stderr, "velmora-cli: unknown command \"%s\"\n", argv[1]);
    return Usage();
}
