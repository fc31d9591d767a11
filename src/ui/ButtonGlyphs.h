#pragma once
// The 16 x 16 glyphs of the main window's own buttons and markers, in the
// one-bit style of the slot glyphs: '#' ink, '+' light ink, anything else clear.

#include <array>
#include <string_view>

namespace velmora {

inline constexpr int ButtonGlyphSize = 16;
using ButtonGlyph = std::array<std::string_view, ButtonGlyphSize>;

enum ButtonGlyphIndex : int {
    SettingsGlyph = 0,  // top-right button 1: global settings
    HelpGlyph,          // top-right button 2: help menu
    ControllerGlyph,    // controller button
    LayoutEditGlyph,    // controller button 2
    ProfileGlyph,       // profile button
    NamesGlyph,         // names switch
    ProfileSetGlyph,    // bottom button
    SetGlyph1,
    SetGlyph2,
    SetGlyph3,
    SetGlyph4,
    DPadMarkerGlyph,
    Stick1MarkerGlyph,
    Stick2MarkerGlyph,
    TriggersMarkerGlyph,
    WaitingGlyph18,
    WaitingGlyph19,
    WaitingGlyph20,
    ButtonGlyphCount
};

const ButtonGlyph& ButtonGlyphPicture(int index);

}  // namespace velmora
