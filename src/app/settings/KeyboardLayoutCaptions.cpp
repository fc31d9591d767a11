#include "app/settings/KeyboardLayoutCaptions.h"

#include <string_view>

#include "model/Glyphs.h"

namespace velmora {
namespace {

struct ScanCharacter {
    std::uint8_t Scan;
    char Character;
};

// The character keys of a US keyboard, by scan code.
constexpr ScanCharacter UsCharacters[] = {
    {0x02, '1'}, {0x03, '2'}, {0x04, '3'},  {0x05, '4'}, {0x06, '5'},  {0x07, '6'}, {0x08, '7'}, {0x09, '8'},
    {0x0A, '9'}, {0x0B, '0'}, {0x0C, '-'},  {0x0D, '='}, {0x10, 'q'},  {0x11, 'w'}, {0x12, 'e'}, {0x13, 'r'},
    {0x14, 't'}, {0x15, 'y'}, {0x16, 'u'},  {0x17, 'i'}, {0x18, 'o'},  {0x19, 'p'}, {0x1A, '['}, {0x1B, ']'},
    {0x1E, 'a'}, {0x1F, 's'}, {0x20, 'd'},  {0x21, 'f'}, {0x22, 'g'},  {0x23, 'h'}, {0x24, 'j'}, {0x25, 'k'},
    {0x26, 'l'}, {0x27, ';'}, {0x28, '\''}, {0x29, '`'}, {0x2B, '\\'}, {0x2C, 'z'}, {0x2D, 'x'}, {0x2E, 'c'},
    {0x2F, 'v'}, {0x30, 'b'}, {0x31, 'n'},  {0x32, 'm'}, {0x33, ','},  {0x34, '.'}, {0x35, '/'}, {0x56, '\\'},
};

// Capitals for the letters of ASCII and Latin-1 (not the sharp s, which has
// none of one character, nor the division sign).
char32_t Capital(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}

std::string Utf8(char32_t c) {
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

// The layout's character of a key, capitalised.
char32_t LayoutCharacter(std::uint8_t code, const KeyboardLayoutTable& layout) {
    return Capital(layout[SlotCodeTable[code].ScanCode & 0x7F]);
}

// Only the keys that type a character on a US keyboard take a layout's
// caption: extended keys and the number pad type the same everywhere.
bool IsCharacterKey(std::uint8_t code) {
    const SlotCodeInfo& info = SlotCodeTable[code];
    if (info.Kind != SlotKind::Key || (info.ScanExtended & 0x0F) != 0) return false;
    for (const ScanCharacter& key : UsCharacters)
        if (key.Scan == info.ScanCode) return true;
    return false;
}

}  // namespace

KeyboardLayoutTable UsKeyboardLayout() {
    KeyboardLayoutTable table{};
    for (const ScanCharacter& key : UsCharacters) table[key.Scan] = static_cast<char32_t>(key.Character);
    return table;
}

std::string LayoutKeyCaption(std::uint8_t code, const KeyboardLayoutTable& layout) {
    if (!IsCharacterKey(code)) return {};
    static const KeyboardLayoutTable us = UsKeyboardLayout();
    const char32_t mine = LayoutCharacter(code, layout);
    if (mine == 0 || mine == LayoutCharacter(code, us)) return {};
    return Utf8(mine);
}

KeyGlyphs LayoutGlyphs(const KeyboardLayoutTable& layout) {
    KeyGlyphs glyphs = TableGlyphs();
    for (int code = 0; code < SlotCodeCount; ++code) {
        const std::string caption = LayoutKeyCaption(static_cast<std::uint8_t>(code), layout);
        if (caption.empty() || !pixelfont::HasAll(pixelfont::SmallFont, caption)) continue;
        pixelfont::Canvas canvas;
        glyphs::DrawLabel(canvas, caption);
        glyphs[static_cast<std::size_t>(code)] = canvas.Pack();
    }
    return glyphs;
}

}  // namespace velmora
