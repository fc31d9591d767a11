// velmora-cli glyphs --out FILE.bmp: every slot code's glyph on one sheet, to
// look at them the way the keyboard picture shows them.

#include <cstdio>
#include <string>

#include "base/FileAccess.h"
#include "base/FileSystem.h"
#include "cli/Commands.h"
#include "model/SlotCodes.h"

namespace velmora::cli {
namespace {

constexpr int PerRow = 10;
constexpr int Zoom = 3;
constexpr int Gap = 4;  // pixels between glyphs, and around the sheet
constexpr int Cell = GlyphSize * Zoom + Gap;

// Black on white, with each glyph's 20 x 20 square in light grey so that
// empty glyphs still show where they are.
bool Ink(int x, int y, bool& inSquare) {
    const int column = (x - Gap) / Cell, row = (y - Gap) / Cell;
    const int gx = (x - Gap) % Cell, gy = (y - Gap) % Cell;
    const int code = row * PerRow + column;
    inSquare = x >= Gap && y >= Gap && column < PerRow && gx < GlyphSize * Zoom && gy < GlyphSize * Zoom &&
               code < SlotCodeCount;
    return inSquare && GlyphPixel(SlotCodeTable[static_cast<std::size_t>(code)].Glyph, gx / Zoom, gy / Zoom);
}

std::string SheetBitmap() {
    const int width = (PerRow * Cell + Gap + 3) / 4 * 4;  // rows carry no padding
    const int rows = (SlotCodeCount + PerRow - 1) / PerRow;
    const int height = rows * Cell + Gap;
    std::string bytes;
    WriteBitmapHeader(bytes, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    for (int y = height - 1; y >= 0; --y)  // bottom row first
        for (int x = 0; x < width; ++x) {
            bool inSquare = false;
            const bool ink = Ink(x, y, inSquare);
            const char value = ink ? '\0' : inSquare ? '\xE0' : '\xFF';
            bytes.append(3, value);
        }
    return bytes;
}

}  // namespace

int RunGlyphs(const Arguments& args) {
    if (args.size() != 2 || args[0] != "--out") {
        std::fputs("usage: velmora-cli glyphs --out FILE.bmp\n", stderr);
        return 2;
    }
    if (!DefaultFileSystem().WriteFile(args[1], SheetBitmap())) {
        std::fprintf(stderr, "velmora-cli: cannot write \"%s\"\n", args[1].c_str());
        return 1;
    }
    return 0;
}

}  // namespace velmora::cli
