#pragma once
// The control identifiers and sizes of the controller settings window, shared
// by its form's files and its test.

namespace velmora::controller_ids {

inline constexpr int FormWidth = 520;
// The strip with Help and the detection panel, below the pages, for a desktop
// of this height (in 96-dpi pixels). The window is 590 pixels of client and a
// frame; on a desktop lower than 640 pixels (an 800 x 600 one) its layout
// picture fell off the bottom: there the strip follows the pages' lowest
// controls (the stick direction names, down to 214) closely, and the client
// is 528 pixels high.
constexpr int PanelTopFor(int desktopHeight) {
    return desktopHeight >= 640 ? 298 : 236;
}
// The layout picture, 512 x 256, below the strip: controls are dragged and painted there.
constexpr int FormHeightFor(int desktopHeight) {
    return PanelTopFor(desktopHeight) + 32 + 256 + 4;
}
// For the screen the program runs on.
int PanelTop();
inline int PictureTop() {
    return PanelTop() + 32;
}
inline int FormHeight() {
    return PictureTop() + 256 + 4;
}
inline constexpr int PictureLeft = 4;

inline constexpr int TabsId = 100;
inline constexpr int HelpId = 101;
inline constexpr int CloseId = 102;
// The detection panel: what to do, and its Cancel button.
inline constexpr int PanelTextId = 110;
inline constexpr int PanelArrowId = 111;
inline constexpr int PanelCancelId = 112;

// Sticks: per stick s (0, 1) the Enable box, the group Detect, the X and Y
// Detect buttons, the X and Y selectors and the name edit; then the four
// direction names shared by both sticks.
inline constexpr int StickEnableId = 200;         // + s
inline constexpr int StickDetectId = 202;         // + s
inline constexpr int StickAxisDetectId = 204;     // + 2 s + axis
inline constexpr int StickSelectorId = 210;       // + 2 s + axis
inline constexpr int StickNameId = 214;           // + s
inline constexpr int StickDirectionNameId = 216;  // + direction

inline constexpr int DPadEnableId = 300;
inline constexpr int DPadDetectId = 301;
inline constexpr int DPadDirectionDetectId = 302;  // + direction (Up, Right, Down, Left)
inline constexpr int DPadSelectorId = 306;         // + direction
inline constexpr int DPadNameId = 310;
inline constexpr int DPadDirectionNameId = 311;  // + direction

inline constexpr int TriggersEnableId = 400;
inline constexpr int TriggersDetectId = 401;
inline constexpr int TriggerDetectId = 402;    // + trigger (Left, Right)
inline constexpr int TriggerSelectorId = 404;  // + trigger
inline constexpr int TriggerNameId = 406;      // + trigger

inline constexpr int ButtonDetailsId = 500;
inline constexpr int ButtonNameId = 501;
inline constexpr int ButtonDeleteId = 502;

inline constexpr int ImageOpenId = 600;
inline constexpr int ImageExportId = 601;
inline constexpr int ImageClearId = 602;
inline constexpr int ImageDownloadId = 603;
inline constexpr int ImageModeId = 604;
inline constexpr int PenSizeId = 605;
// The palette and, right of it, the swatch of the chosen colour, on the Image page.
inline constexpr int PaletteLeft = 16;
inline constexpr int PaletteTop = 130;
inline constexpr int SwatchLeft = 156;
// The detection panel's arrow, left of its words.
inline constexpr int PanelArrowLeft = 100;
inline constexpr int PanelTextLeft = 130;

}  // namespace velmora::controller_ids
