#pragma once
// The slot codes: every action an assignment can perform, numbered 0..138.
// Files store the names, never the numbers, but the numbering is fixed: the
// table is indexed by code.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

enum class SlotKind : std::uint8_t {
    None = 0,         // "None", "Unknown" and the two unnamed picture fillers
    CycleStop = 1,    // separates cycles
    Pause = 2,        // ScanCode: length in hundredths of a second
    Key = 3,          // ScanCode: keyboard scan code
    MouseMove = 4,    // ScanCode: 0 up, 1 right, 2 down, 3 left
    MouseButton = 5,  // ScanCode: 0 left, 1 right, 2 middle
    MouseWheel = 6,   // ScanCode: 0 up, 2 down
};

inline constexpr int SlotCodeCount = 139;
inline constexpr std::uint8_t NoneCode = 0;
inline constexpr std::uint8_t UnknownCode = 1;
inline constexpr std::uint8_t CycleStopCode = 6;

// A 20 x 20 one-bit icon: 20 rows top to bottom, each row 20 bits left to
// right, most significant bit first, rows packed back to back.
inline constexpr int GlyphSize = 20;
using GlyphBits = std::array<std::uint8_t, 50>;

struct SlotCodeInfo {
    std::string_view Name;  // empty for codes 137 and 138
    SlotKind Kind;
    std::uint8_t Modifier;  // 1 for Shift, Control, Alt and Alt Gr
    std::uint8_t ScanCode;
    std::uint8_t ScanExtended;  // low four bits non-zero: extended key
    std::uint8_t CaptureKey;    // virtual key seen in the keyboard state; 0 = cannot be recognised
    std::uint8_t VirtualKey;
    std::uint8_t VirtualExtended;
    std::uint8_t CaptureKeyLegacy;  // as CaptureKey, for systems that do not tell left from right
    std::uint8_t PictureX;
    std::uint8_t PictureY;
    std::uint8_t PictureWidth;  // 0 = not on the keyboard picture
    std::uint8_t PictureHeight;
    GlyphBits Glyph;
};

extern const std::array<SlotCodeInfo, SlotCodeCount> SlotCodeTable;

// Exact, case-sensitive lookup by name. "None" is never a slot, so it and any
// text that names no code give no code.
std::optional<std::uint8_t> FindSlotCode(std::string_view name);

// Whether pixel (x, y) of a glyph is set.
constexpr bool GlyphPixel(const GlyphBits& glyph, int x, int y) {
    const int bit = y * GlyphSize + x;
    return (glyph[static_cast<std::size_t>(bit / 8)] >> (7 - bit % 8)) & 1;
}

}  // namespace velmora
