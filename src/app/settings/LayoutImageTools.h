#pragma once
// The Image tab of the controller settings window: loading and exporting the
// layout picture as a BMP file, clearing it, and painting on it with the
// pen, the fill and the eraser; the palette and the colour swatch.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/ControllerWindow.h"
#include "devices/ControllerList.h"
#include "files/ControllerDatabase.h"

namespace velmora {

// The two picture files accepted: 512 x 256 at 8 bits with a palette, or at 24 bits.
inline constexpr std::size_t EightBitImageFileSize = 132150;
inline constexpr std::size_t TwentyFourBitImageFileSize = 393270;

// The layout picture (top row first, three bytes a pixel in the file's
// order) from a file's bytes, judged by the file's size alone; nothing for
// any other size, whatever its header says.
std::optional<std::vector<std::uint8_t>> DecodeLayoutImage(std::string_view file);
// The picture as a 24-bit 512 x 256 BMP file, bottom row first.
std::string EncodeLayoutImage(const ControllerFileType& layout);

// "Open": asks for a ".bmp" file and loads it, or warns that it cannot be
// used and changes nothing. A loaded picture sets the draw mode to None.
// Returns whether the picture changed.
bool OpenLayoutImage(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                     ConfigurationType& config);
// "Export": asks for a file name and writes the picture; false when
// cancelled or the file could not be written.
bool ExportLayoutImage(const ControllerFileType& layout, UserInterface& ui, ConfigurationType& config);
// "Clear": the whole picture becomes the transparent magenta.
void ClearLayoutImage(ControllerFileType& layout, UserInterface& ui);
// "Download": makes the ready layout of the controller's model in place of
// the layout (the layout keeps its file and name, and is then edited), when
// the controller database or XInput knows the model; otherwise says so. A
// layout with a file or unsaved changes is replaced only when the user agrees.
// Returns whether the layout changed.
bool DownloadReadyLayout(const ControllerListType& list, const ControllerDataType& c,
                         ControllerFileType& layout, UserInterface& ui, const ConfigurationType& config,
                         const ControllerDatabase& database, bool xinputLoaded);

// Paints a size x size square of colour, its corner at the point minus
// ((size + 1) / 2 - 1) on both axes, clipped to the picture.
void PaintSquare(ControllerFileType& layout, int row, int column, int size, std::uint32_t colour);
// Replaces the 4-connected region of the pressed pixel's colour with colour.
// False, and nothing changes, when the colours are already equal or the
// point is outside the picture.
bool FillRegion(ControllerFileType& layout, int row, int column, std::uint32_t colour);

// The current draw mode at a point of the picture: Pen and Erase paint on
// press and on every move while held, Fill on press only. Returns whether
// the mode draws at all (None does not).
bool ApplyDrawTool(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, int row,
                   int column, bool press);

// Which of the tools' controls a draw mode shows: the pen size for the
// tools that paint squares (Pen, Erase), the palette and the swatch for the
// tools that paint a colour (Pen, Fill).
bool PenSizeShown(DrawMode mode);
bool PaletteShown(DrawMode mode);

// The generated palette: Width x Height colours inside a one-pixel black
// border, as blue, green, red bytes, top row first.
inline constexpr int PaletteWidth = 130;
inline constexpr int PaletteHeight = 66;
std::vector<std::uint8_t> PalettePixels();
// A press or drag on the palette at (row, column) picks the colour there
// when inside the border; returns whether a colour was picked.
bool PickPaletteColour(ControllerWindowState& window, int row, int column);
// The 18 x 18 swatch: the colour in a one-pixel black frame.
inline constexpr int SwatchSize = 18;
std::vector<std::uint8_t> SwatchPixels(std::uint32_t colour);

}  // namespace velmora
