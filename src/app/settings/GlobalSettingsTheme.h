#pragma once
// The Theme tab of the global settings: the six theme colours picked from a
// palette picture, random colours, the three button styles and the theme
// image (open, clear, or a new template to draw on). Every change marks the
// configuration changed and redraws the main picture at once.

#include <cstdint>
#include <functional>
#include <string>

#include "model/Configuration.h"

namespace velmora {

struct GlobalSettingsContext;

// The palette picture: 130 x 130 with a one-pixel black border.
inline constexpr int PaletteSize = 130;
// A colour button pressed while the palette shows hides it for 250 ms (25
// passes) so that the user sees the target change.
inline constexpr std::uint32_t PaletteBlinkPasses = 25;

// Tags of the colour buttons: 11..13 Interface 1..3, 21..23 Background 1..3;
// of the Random buttons: 1 Interface, 2 Background; of the style buttons:
// 10 Solid, 11 Gradient, 12 Vista.
inline constexpr int InterfaceRandomTag = 1;
inline constexpr int BackgroundRandomTag = 2;
inline constexpr int FirstStyleTag = 10;

struct PaletteState {
    int Target = 0;  // the Tag of the last colour button pressed, 0 before any
    bool Shown = false;
    std::uint32_t HiddenPasses = 0;  // the blink: passes left until it shows again
    bool Dragging = false;
    std::string Label;  // "Interface 2", translated
};

// The configured colour a colour button's Tag names; null for other Tags.
ColourType* ThemeColourOf(ConfigurationType& config, int tag);

// The palette's colour at a point inside its border (1..128 both ways): a
// hue spectrum across, ramped from light to dark down, grey ramps below.
ColourType PaletteColour(int x, int y);
bool InsidePaletteBorder(int x, int y);

void HidePalette(PaletteState& palette);
// A colour button: it becomes the target and the palette shows (after the blink when already shown).
void PressColourButton(PaletteState& palette, int tag);
// One pass of the blink; true when the palette has just shown again.
bool PalettePass(PaletteState& palette);

// The mouse on the palette picture: a press inside the border picks the
// colour under it and starts a drag; moving while dragging picks again;
// leaving the picture or releasing the button ends the drag. True when a colour was picked.
bool PressPalette(GlobalSettingsContext& context, PaletteState& palette, int x, int y);
bool DragPalette(GlobalSettingsContext& context, PaletteState& palette, int x, int y);
void ReleasePalette(PaletteState& palette);

// Random (Tag 1 or 2): each colour of the group takes a random palette
// pixel inside the border. random(n) answers 0..n-1.
void RandomThemeColours(GlobalSettingsContext& context, PaletteState& palette, int tag,
                        const std::function<int(int)>& random);

// A style button (Tag 10..12): the style is shown bold on its button.
void ChooseButtonStyle(GlobalSettingsContext& context, int tag);
bool ButtonStyleBold(const ConfigurationType& config, int tag);

// The theme image: Open loads a chosen bitmap (the configured name changes
// only when it loads), Clear drops it, New writes a template to draw on.
bool OpenThemeImage(GlobalSettingsContext& context);
void ClearThemeImage(GlobalSettingsContext& context);
bool NewThemeImage(GlobalSettingsContext& context);

}  // namespace velmora
