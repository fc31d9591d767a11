#pragma once
// A small canvas and two pixel fonts for drawing the slot glyphs at compile
// time: 5 x 7 for capital letters and digits, 3 x 5 for everything, where
// longer labels need it. Capitals only: at this size they read better than
// small letters.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/SlotCodes.h"

namespace velmora::pixelfont {

struct Canvas {
    std::array<std::array<bool, GlyphSize>, GlyphSize> Pixels{};

    constexpr void Set(int x, int y) {
        if (x >= 0 && x < GlyphSize && y >= 0 && y < GlyphSize)
            Pixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = true;
    }
    constexpr bool Get(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    }
    constexpr void Fill(int x, int y, int width, int height) {
        for (int row = y; row < y + height; ++row)
            for (int column = x; column < x + width; ++column) Set(column, row);
    }
    // Rows of '#' (set) and anything else (clear), placed at (x, y).
    template <std::size_t N>
    constexpr void Draw(const std::array<std::string_view, N>& rows, int x = 0, int y = 0) {
        for (std::size_t row = 0; row < N; ++row)
            for (std::size_t column = 0; column < rows[row].size(); ++column)
                if (rows[row][column] == '#') Set(x + static_cast<int>(column), y + static_cast<int>(row));
    }
    // A quarter turn clockwise.
    constexpr Canvas Turned() const {
        Canvas turned;
        for (int y = 0; y < GlyphSize; ++y)
            for (int x = 0; x < GlyphSize; ++x)
                if (Get(x, y)) turned.Set(GlyphSize - 1 - y, x);
        return turned;
    }
    constexpr GlyphBits Pack() const {
        GlyphBits bits{};
        for (int bit = 0; bit < GlyphSize * GlyphSize; ++bit)
            if (Get(bit % GlyphSize, bit / GlyphSize))
                bits[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
        return bits;
    }
};

struct FontChar {
    char Character;
    std::array<std::string_view, 7> Rows;  // all rows equally wide; unused rows empty
};

struct PixelFont {
    std::span<const FontChar> Chars;
    int Height;
};

// clang-format off
inline constexpr FontChar SmallChars[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
    {'C', {".##", "#..", "#..", "#..", ".##"}}, {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}}, {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {".##", "#..", "#.#", "#.#", ".##"}}, {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}}, {'J', {"..#", "..#", "..#", "#.#", ".#."}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}}, {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}}, {'P', {"##.", "#.#", "##.", "#..", "#.."}},
    {'Q', {".#.", "#.#", "#.#", "##.", ".##"}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#...#", "#...#", "#.#.#", "##.##", "#...#"}}, {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}}, {'Z', {"###", "..#", ".#.", "#..", "###"}},
    {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', {"##.", "..#", ".#.", "#..", "###"}}, {'3', {"##.", "..#", ".#.", "..#", "##."}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "##.", "..#", "##."}},
    {'6', {".##", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", ".#.", ".#.", ".#."}},
    {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "##."}},
    {'.', {".", ".", ".", ".", "#"}},           {',', {"..", "..", "..", ".#", "#."}},
    {'\'', {"#", "#", ".", ".", "."}},          {'`', {"#.", ".#", "..", "..", ".."}},
    {';', {"..", ".#", "..", ".#", "#."}},      {'=', {"...", "###", "...", "###", "..."}},
    {'-', {"...", "...", "###", "...", "..."}}, {'+', {"...", ".#.", "###", ".#.", "..."}},
    {'*', {"#.#", ".#.", "#.#", "...", "..."}}, {'/', {"..#", "..#", ".#.", "#..", "#.."}},
    {'\\', {"#..", "#..", ".#.", "..#", "..#"}}, {'#', {"#.#.", "####", "#.#.", "####", "#.#."}},
    {'[', {"##", "#.", "#.", "#.", "##"}},      {']', {"##", ".#", ".#", ".#", "##"}},
    {'?', {"##.", "..#", ".#.", "...", ".#."}}, {' ', {".", ".", ".", ".", "."}},
    // Signs that other keyboard layouts put on character keys.
    {':', {".", "#", ".", "#", "."}},           {'!', {"#", "#", "#", ".", "#"}},
    {'<', {"..#", ".#.", "#..", ".#.", "..#"}}, {'>', {"#..", ".#.", "..#", ".#.", "#.."}},
    {'(', {".#", "#.", "#.", "#.", ".#"}},      {')', {"#.", ".#", ".#", ".#", "#."}},
    {'&', {".#.", "#.#", ".#.", "#.#", ".##"}}, {'"', {"#.#", "#.#", "...", "...", "..."}},
    {'_', {"...", "...", "...", "...", "###"}}, {'$', {".##", "##.", ".#.", ".##", "##."}},
    {'%', {"#.#", "..#", ".#.", "#..", "#.#"}}, {'^', {".#.", "#.#", "...", "...", "..."}},
};

inline constexpr FontChar LargeChars[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
};
// clang-format on

inline constexpr PixelFont SmallFont{SmallChars, 5};
inline constexpr PixelFont LargeFont{LargeChars, 7};

// The character's place in the font, or -1.
constexpr int FindChar(const PixelFont& font, char c) {
    for (std::size_t i = 0; i < font.Chars.size(); ++i)
        if (font.Chars[i].Character == c) return static_cast<int>(i);
    return -1;
}

// Whether the font draws every character of the text.
constexpr bool HasAll(const PixelFont& font, std::string_view text) {
    for (char c : text)
        if (FindChar(font, c) < 0) return false;
    return true;
}

// An unknown character draws as the small font's "?".
constexpr const FontChar& CharOrQuestion(const PixelFont& font, char c) {
    const int i = FindChar(font, c);
    return i >= 0 ? font.Chars[static_cast<std::size_t>(i)]
                  : SmallFont.Chars[static_cast<std::size_t>(FindChar(SmallFont, '?'))];
}

constexpr int CharWidth(const PixelFont& font, char c) {
    return static_cast<int>(CharOrQuestion(font, c).Rows[0].size());
}

// Text is drawn at a whole-number scale across (X) and down (Y).
struct Scale {
    int X = 1;
    int Y = 1;
};

// Width in pixels, with one (scaled) pixel between characters.
constexpr int TextWidth(const PixelFont& font, std::string_view text, int scaleX) {
    int width = 0;
    for (char c : text) width += (CharWidth(font, c) + 1) * scaleX;
    return text.empty() ? 0 : width - scaleX;
}

constexpr void DrawText(Canvas& canvas, const PixelFont& font, std::string_view text, int x, int y,
                        Scale scale) {
    for (char c : text) {
        const FontChar& f = CharOrQuestion(font, c);
        const int width = static_cast<int>(f.Rows[0].size());
        for (std::size_t row = 0; row < f.Rows.size(); ++row)
            for (int column = 0; column < static_cast<int>(f.Rows[row].size()); ++column)
                if (f.Rows[row][static_cast<std::size_t>(column)] == '#')
                    canvas.Fill(x + column * scale.X, y + static_cast<int>(row) * scale.Y, scale.X, scale.Y);
        x += (width + 1) * scale.X;
    }
}

// Text centred horizontally with its top at y.
constexpr void DrawCentred(Canvas& canvas, const PixelFont& font, std::string_view text, int y, Scale scale) {
    DrawText(canvas, font, text, (GlyphSize - TextWidth(font, text, scale.X)) / 2, y, scale);
}

}  // namespace velmora::pixelfont
