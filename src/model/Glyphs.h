#pragma once
// The 20 x 20 icons of the slot codes, drawn at compile time: keys show their
// label in a pixel font, mouse actions, pauses and media keys a symbol.

#include <array>
#include <cstdint>
#include <string_view>

#include "model/PixelFont.h"
#include "model/SlotCodes.h"

namespace velmora {
namespace glyphs {

using pixelfont::Canvas;
using pixelfont::Scale;
using Picture = std::array<std::string_view, GlyphSize>;

struct KeyLabel {
    std::uint8_t Code;
    std::string_view Text;  // "\n" starts a second line
};

// Labels of the keys whose name is longer than one character. Keys named by
// one character ("A", "7") show that character.
// clang-format off
inline constexpr KeyLabel KeyLabels[] = {
    {42, "NUM\n0"},      {43, "NUM\n1"},       {44, "NUM\n2"},      {45, "NUM\n3"},      {46, "NUM\n4"},
    {47, "NUM\n5"},      {48, "NUM\n6"},       {49, "NUM\n7"},      {50, "NUM\n8"},      {51, "NUM\n9"},
    {52, "NUM\nLOCK"},   {53, "NUM\n/"},       {54, "NUM\n*"},      {55, "NUM\n-"},      {56, "NUM\n+"},
    {57, "NUM\nENTER"},  {58, "NUM\n."},       {69, "F1"},          {70, "F2"},          {71, "F3"},
    {72, "F4"},          {73, "F5"},           {74, "F6"},          {75, "F7"},          {76, "F8"},
    {77, "F9"},          {78, "F10"},          {79, "F11"},         {80, "F12"},         {81, "BACK\nSPACE"},
    {82, "CAPS\nLOCK"},  {83, "ENTER"},        {84, "ESC"},         {85, "SCRL\nLOCK"},  {86, "SPACE"},
    {87, "TAB"},         {88, "'"},            {89, "UK\n\\"},      {90, "\\#"},         {91, "`"},
    {92, ","},           {93, "."},            {94, "="},           {95, "/"},           {96, "["},
    {97, "-"},           {98, "]"},            {99, ";"},           {100, "SHIFT\nLEFT"}, {101, "SHIFT\nRIGHT"},
    {102, "CTRL\nLEFT"}, {103, "CTRL\nRIGHT"}, {104, "ALT"},        {105, "ALT\nGR"},    {106, "HOME"},
    {107, "END"},        {108, "PG\nUP"},      {109, "PG\nDN"},     {110, "INS"},        {111, "DEL"},
    {112, "WIN\nLEFT"},  {113, "WIN\nRIGHT"},  {114, "MENU"},       {122, "MY\nPC"},     {123, "MAIL"},
    {124, "CALC"},       {125, "WEB\nBACK"},   {126, "WEB\nFWD"},   {127, "WEB\nSTOP"},  {128, "WEB\nRELD"},
    {129, "WEB\nFIND"},  {130, "WEB\nFAV"},    {131, "WEB\nHOME"},
};
// clang-format on

constexpr std::string_view LabelOf(std::uint8_t code, std::string_view name) {
    for (const KeyLabel& label : KeyLabels)
        if (label.Code == code) return label.Text;
    return name.size() == 1 ? name : std::string_view{};
}

struct TextStyle {
    const pixelfont::PixelFont* Font;
    Scale Size;
};

constexpr bool Fits(std::string_view text, TextStyle style, int maxHeight) {
    return pixelfont::HasAll(*style.Font, text) &&
           pixelfont::TextWidth(*style.Font, text, style.Size.X) <= GlyphSize &&
           style.Font->Height * style.Size.Y <= maxHeight;
}

// The first style in which the text fits; the last one otherwise.
template <std::size_t N>
constexpr TextStyle Choose(std::string_view text, const std::array<TextStyle, N>& styles, int maxHeight) {
    for (const TextStyle& style : styles)
        if (Fits(text, style, maxHeight)) return style;
    return styles[N - 1];
}

inline constexpr const pixelfont::PixelFont* Large = &pixelfont::LargeFont;
inline constexpr const pixelfont::PixelFont* Small = &pixelfont::SmallFont;

// A label of one line is drawn as large as it fits: one letter or digit
// doubled, a lone sign trebled, a short word in the large font, a longer one
// in the small font drawn tall. Of two lines the first is small and the
// second as large as fits below it.
constexpr void DrawLabel(Canvas& canvas, std::string_view text) {
    const std::size_t split = text.find('\n');
    if (split == std::string_view::npos) {
        constexpr std::array<TextStyle, 5> styles{
            {{Large, {2, 2}}, {Small, {3, 3}}, {Large, {1, 1}}, {Small, {2, 2}}, {Small, {1, 2}}}};
        const TextStyle style = Choose(text, styles, GlyphSize);
        const int height = style.Font->Height * style.Size.Y;
        pixelfont::DrawCentred(canvas, *style.Font, text, (GlyphSize - height) / 2, style.Size);
        return;
    }
    const std::string_view first = text.substr(0, split), second = text.substr(split + 1);
    constexpr int Spacing = 2;
    constexpr std::array<TextStyle, 3> styles{{{Large, {1, 1}}, {Small, {2, 2}}, {Small, {1, 1}}}};
    const TextStyle style = Choose(second, styles, GlyphSize - Small->Height - Spacing);
    const int top = (GlyphSize - Small->Height - Spacing - style.Font->Height * style.Size.Y) / 2;
    pixelfont::DrawCentred(canvas, *Small, first, top, Scale{1, 1});
    pixelfont::DrawCentred(canvas, *style.Font, second, top + Small->Height + Spacing, style.Size);
}

// clang-format off
inline constexpr Picture ArrowUp{
    "....................", "....................", "....................", ".........##.........",
    "........####........", ".......######.......", "......########......", ".....##########.....",
    ".........##.........", ".........##.........", ".........##.........", ".........##.........",
    ".........##.........", ".........##.........", ".........##.........", ".........##.........",
    ".........##.........", "....................", "....................", "....................",
};
// An arrow head for the mouse moves, turned to point the way the mouse goes.
inline constexpr Picture MoveArrowUp{
    "....................", ".........##.........", "........####........", ".......######.......",
    "......########......", ".........##.........", ".........##.........", "....................",
    "....................", "....................", "....................", "....................",
    "....................", "....................", "....................", "....................",
    "....................", "....................", "....................", "....................",
};
inline constexpr std::array<std::string_view, 11> SmallMouse{
    ".######.", "#..##..#", "#..##..#", "#......#", "########", "#......#",
    "#......#", "#......#", "#......#", "#......#", ".######.",
};
inline constexpr Picture Mouse{
    "....................", "......########......", ".....#..#..#..#.....", "....#...#..#...#....",
    "....#...#..#...#....", "....#...#..#...#....", "....#...#..#...#....", "....#...#..#...#....",
    "....#...#..#...#....", "....############....", "....#..........#....", "....#..........#....",
    "....#..........#....", "....#..........#....", "....#..........#....", "....#..........#....",
    "....#..........#....", ".....#........#.....", "......########......", "....................",
};
inline constexpr Picture Speaker{
    "....................", "....................", "....................", "........#...........",
    ".......##...........", "......###...........", ".....####...........", ".########...........",
    ".########...........", ".########...........", ".########...........", ".########...........",
    ".########...........", ".....####...........", "......###...........", ".......##...........",
    "........#...........", "....................", "....................", "....................",
};
inline constexpr std::array<std::string_view, 10> Clock{
    "...####...", ".##....##.", ".#..##..#.", "#...##...#", "#...####.#",
    "#...####.#", "#........#", ".#......#.", ".##....##.", "...####...",
};
// clang-format on

constexpr Canvas Turned(Canvas canvas, int quarterTurns) {
    for (int i = 0; i < quarterTurns; ++i) canvas = canvas.Turned();
    return canvas;
}

constexpr Canvas FromPicture(const Picture& picture) {
    Canvas canvas;
    canvas.Draw(picture);
    return canvas;
}

// Solid triangles nine rows high from (x, y), pointing right or left.
constexpr void TriangleRight(Canvas& canvas, int x, int y) {
    for (int i = 0; i < 5; ++i) canvas.Fill(x + i, y + i, 1, 9 - 2 * i);
}
constexpr void TriangleLeft(Canvas& canvas, int x, int y) {
    for (int i = 0; i < 5; ++i) canvas.Fill(x + 4 - i, y + i, 1, 9 - 2 * i);
}

constexpr void Diagonals(Canvas& canvas, int x, int y, int size) {
    for (int i = 0; i < size; ++i) {
        canvas.Fill(x + i, y + i, 2, 1);
        canvas.Fill(x + size - 1 - i, y + i, 2, 1);
    }
}

// "Media Volume Mute" .. "Media Next Track": 115..121.
constexpr Canvas MediaGlyph(std::uint8_t code) {
    Canvas canvas = code <= 117 ? FromPicture(Speaker) : Canvas{};
    // clang-format off
    switch (code) {
    case 115: Diagonals(canvas, 11, 6, 8); break;
    case 116: canvas.Fill(11, 9, 8, 2); break;
    case 117: canvas.Fill(11, 9, 8, 2); canvas.Fill(14, 6, 2, 8); break;
    case 118: TriangleRight(canvas, 2, 5); canvas.Fill(11, 5, 2, 9); canvas.Fill(15, 5, 2, 9); break;
    case 119: canvas.Fill(5, 5, 10, 10); break;
    case 120: canvas.Fill(4, 5, 2, 9); TriangleLeft(canvas, 6, 5); TriangleLeft(canvas, 11, 5); break;
    default: TriangleRight(canvas, 4, 5); TriangleRight(canvas, 9, 5); canvas.Fill(14, 5, 2, 9); break;
    }
    // clang-format on
    return canvas;
}

// An upright mouse with an arrow on the side it moves to: 0 up, 1 right,
// 2 down, 3 left.
constexpr Canvas MouseMoveGlyph(int direction) {
    constexpr int MouseX[] = {6, 3, 6, 9}, MouseY[] = {8, 4, 1, 4};
    Canvas canvas = Turned(FromPicture(MoveArrowUp), direction);
    canvas.Draw(SmallMouse, MouseX[direction], MouseY[direction]);
    return canvas;
}

// The mouse with the pressed button filled: 0 left, 1 right, 2 middle.
constexpr Canvas MouseButtonGlyph(int button) {
    Canvas canvas = FromPicture(Mouse);
    canvas.Fill(button == 0 ? 5 : button == 1 ? 12 : 9, 2, button == 2 ? 2 : 3, 7);
    return canvas;
}

// The mouse with its wheel filled and an arrow below: 0 up, 2 down.
constexpr Canvas MouseWheelGlyph(int direction) {
    Canvas canvas = MouseButtonGlyph(2);
    const bool up = direction == 0;
    for (int i = 0; i < 3; ++i) canvas.Fill(9 - i, up ? 11 + i : 16 - i, 2 + 2 * i, 1);
    canvas.Fill(9, up ? 14 : 11, 2, 3);
    return canvas;
}

// A clock over the length in seconds, "0.05" for 5 hundredths.
constexpr Canvas PauseGlyph(int hundredths) {
    Canvas canvas;
    canvas.Draw(Clock, 5, 1);
    const char text[] = {static_cast<char>('0' + hundredths / 100), '.',
                         static_cast<char>('0' + hundredths / 10 % 10),
                         static_cast<char>('0' + hundredths % 10)};
    pixelfont::DrawCentred(canvas, pixelfont::SmallFont, std::string_view(text, 4), 14, Scale{1, 1});
    return canvas;
}

constexpr Canvas KeyGlyph(std::uint8_t code, std::string_view name) {
    if (code >= 12 && code <= 15) return Turned(FromPicture(ArrowUp), code - 12);  // Up, Right, Down, Left
    if (code >= 115 && code <= 121) return MediaGlyph(code);
    Canvas canvas;
    DrawLabel(canvas, LabelOf(code, name));
    return canvas;
}

constexpr Canvas DrawGlyph(std::uint8_t code, std::string_view name, SlotKind kind, std::uint8_t value) {
    Canvas canvas;
    switch (kind) {
        case SlotKind::None:
            if (code == UnknownCode) DrawLabel(canvas, "?");
            return canvas;
        case SlotKind::CycleStop:
            DrawLabel(canvas, "CYCLE\nSTOP");
            return canvas;
        case SlotKind::Pause:
            return PauseGlyph(value);
        case SlotKind::Key:
            return KeyGlyph(code, name);
        case SlotKind::MouseMove:
            return MouseMoveGlyph(value);
        case SlotKind::MouseButton:
            return MouseButtonGlyph(value);
        case SlotKind::MouseWheel:
            return MouseWheelGlyph(value);
    }
    return canvas;
}

}  // namespace glyphs

// The glyph of one slot code; "None" and the two unnamed codes are empty.
constexpr GlyphBits MakeGlyph(std::uint8_t code, std::string_view name, SlotKind kind, std::uint8_t value) {
    return glyphs::DrawGlyph(code, name, kind, value).Pack();
}

}  // namespace velmora
