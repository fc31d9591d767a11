#pragma once
// Where the global settings form puts its controls and the ids they answer
// with; shared by the file that makes the pages and the one that handles them.

#include <array>

#include "app/settings/GlobalSettingsTheme.h"
#include "base/win32/Windows.h"

namespace velmora::GlobalSettingsPlaces {

inline constexpr int ClientWidth = 460;
inline constexpr int ClientHeight = 420;
inline constexpr int TabsId = 1000;
inline constexpr int HelpId = 1001;
inline constexpr int FirstOptionId = 1100;
inline constexpr int StickBarId = 1200;
inline constexpr int TriggerBarId = 1201;
inline constexpr int StickLabelId = 1202;
inline constexpr int TriggerLabelId = 1203;
// Colour and Random buttons: plus the button's Tag. The style buttons have a
// base of their own: their Tags 10..12 meet the colour buttons' 11..13.
inline constexpr int ThemeIdBase = 1300;
inline constexpr int StyleIdBase = 1350;
inline constexpr int ImageNewId = 1340;
inline constexpr int ImageOpenId = 1341;
inline constexpr int ImageClearId = 1342;
inline constexpr int LanguageNewId = 1400;
inline constexpr int LanguageCheckId = 1401;
inline constexpr int ListId = 1500;
inline constexpr int MoveUpId = 1501;
inline constexpr int MoveDownId = 1502;
inline constexpr int DeleteId = 1503;
inline constexpr int DetailsId = 1504;
inline constexpr int ProgramSwitchId = 1600;
inline constexpr int ProgramListId = 1601;
inline constexpr int ProgramAddId = 1602;
inline constexpr int ProgramDeleteId = 1603;
inline constexpr int ProgramUpId = 1604;
inline constexpr int ProgramDownId = 1605;
inline constexpr int ProgramProfileId = 1606;
inline constexpr int ProgramTitleId = 1607;
inline constexpr int ProgramControllerId = 1608;
inline constexpr UINT_PTR BlinkTimer = 1;

inline constexpr int PageTop = 40;
inline constexpr RECT PaletteBox{300, 66, 300 + PaletteSize, 66 + PaletteSize};
inline constexpr int ColourButtonLeft = 110;
inline constexpr std::array<int, 2> ColourRowTops{66, 106};
inline constexpr std::array<int, 3> StyleTags{10, 11, 12};

}  // namespace velmora::GlobalSettingsPlaces
