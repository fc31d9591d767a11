#pragma once
// The work area a control button is composed in, and what goes inside it:
// the slot glyphs of the current step or the assignment's name.

#include <array>
#include <string_view>
#include <vector>

#include "model/Profile.h"
#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

inline constexpr int ControlButtonRows = 30;
inline constexpr int ControlButtonSquare = 30;

struct ButtonWork {
    int Width = 30;
    std::array<std::array<ColourType, 90>, 30> Pixels{};
};

// The codes of the assignment's current step, at most four.
std::vector<std::uint8_t> CurrentStepCodes(const SlotType& slots);
void DrawStepGlyphs(ButtonWork& work, const std::vector<std::uint8_t>& codes, ColourType ink,
                    ColourType shadow);

// The name drawn black on white into an 80 x 20 picture, and the width it takes.
struct NamePicture {
    std::array<std::array<std::uint8_t, 80>, 20> Grey{};  // 255 white .. 0 black
    int Width = 0;                                        // one past the rightmost non-white column
};
NamePicture DrawNamePicture(TextDrawer& text, std::string_view name);
// Rows 5 to 24 from column left: each pixel blended from the row's fill toward Black.
void DrawNameInButton(ButtonWork& work, const NamePicture& name, int left);

}  // namespace velmora
