#include "app/settings/LayoutImageTools.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/FileAccess.h"
#include "base/FileMessages.h"
#include "base/FileSystem.h"
#include "base/Language.h"
#include "devices/ReadyLayouts.h"
#include "files/FileDialogs.h"

namespace velmora {

namespace {

constexpr std::size_t FileHeaderSize = 54;
constexpr std::size_t PaletteEntries = 256;
constexpr std::size_t EightBitPixelsStart = FileHeaderSize + PaletteEntries * 4;
constexpr std::size_t RowBytes = std::size_t{ImageWidth} * 3;

std::uint8_t Byte(std::string_view file, std::size_t at) {
    return static_cast<std::uint8_t>(file[at]);
}

// Files store rows bottom first; the layout keeps them top first.
std::size_t FileRow(int row) {
    return static_cast<std::size_t>(ImageHeight - 1 - row);
}

std::vector<std::uint8_t> DecodeEightBit(std::string_view file) {
    std::vector<std::uint8_t> image(ImageBytes);
    for (int row = 0; row < ImageHeight; ++row) {
        for (int column = 0; column < ImageWidth; ++column) {
            const std::size_t at =
                EightBitPixelsStart + FileRow(row) * ImageWidth + static_cast<std::size_t>(column);
            const std::size_t entry = FileHeaderSize + std::size_t{Byte(file, at)} * 4;
            const std::size_t pixel = PixelOffset(row, column);
            for (std::size_t c = 0; c < 3; ++c) image[pixel + c] = Byte(file, entry + c);
        }
    }
    return image;
}

std::vector<std::uint8_t> DecodeTwentyFourBit(std::string_view file) {
    std::vector<std::uint8_t> image(ImageBytes);
    for (int row = 0; row < ImageHeight; ++row) {
        const std::size_t from = FileHeaderSize + FileRow(row) * RowBytes;
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(from), RowBytes,
                    image.begin() + static_cast<std::ptrdiff_t>(PixelOffset(row, 0)));
    }
    return image;
}

FileDialog ImageDialog(std::string_view captionKey) {
    FileDialog dialog;
    dialog.Caption = Translate(captionKey);
    dialog.TypeName = Translate("*Images*");
    dialog.Extension = "bmp";
    dialog.Thumbnails = true;
    return dialog;
}

// One byte more than the larger size, so that a longer file is not cut to fit.
constexpr FileLimits ImageFileLimits{TwentyFourBitImageFileSize + 1, 0, 0};

MessageDialog InvalidImage() {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Warning;
    dialog.Heading = Translate("*Invalid image detected*");
    dialog.Message = Translate("*Click the Help button for supported image information.*");
    return dialog;
}

bool Inside(int row, int column) {
    return row >= 0 && row < ImageHeight && column >= 0 && column < ImageWidth;
}

// One channel of a hue at position p of 0..6 (the six sides of the colour wheel).
int HueChannel(double p) {
    const double level = std::clamp(2.0 - std::abs(p - 2.0), 0.0, 1.0);
    return static_cast<int>(level * 255.0 + 0.5);
}

// Hues run across the first 112 columns, greys across the last 16; rows go
// from white through the full colour down to black.
std::array<int, 3> PaletteColour(int row, int column) {
    constexpr int HueColumns = 112;
    constexpr int Rows = PaletteHeight - 2;
    std::array<int, 3> rgb{};
    if (column >= HueColumns) {
        rgb.fill(255 - row * 255 / (Rows - 1));
        return rgb;
    }
    const double h = 6.0 * column / HueColumns;
    rgb = {HueChannel(h < 4 ? h + 2 : h - 4), HueChannel(h), HueChannel(h >= 2 ? h - 2 : h + 4)};
    const int half = Rows / 2;
    for (int& c : rgb)
        c = row < half ? 255 - (255 - c) * row / half : c * (Rows - 1 - row) / (Rows - 1 - half);
    return rgb;
}

void PutPixel(std::vector<std::uint8_t>& pixels, int width, int row, int column, std::uint32_t bgr) {
    const std::size_t at = (static_cast<std::size_t>(row) * width + static_cast<std::size_t>(column)) * 3;
    pixels[at] = static_cast<std::uint8_t>(bgr >> 16);
    pixels[at + 1] = static_cast<std::uint8_t>(bgr >> 8);
    pixels[at + 2] = static_cast<std::uint8_t>(bgr);
}

std::uint32_t ColourValue(const std::array<int, 3>& rgb) {
    return static_cast<std::uint32_t>(rgb[2]) << 16 | static_cast<std::uint32_t>(rgb[1]) << 8 |
           static_cast<std::uint32_t>(rgb[0]);
}

// A layout the user has a file of or has edited is replaced only when they say
// so, and only while its pad is still there after the question.
bool MayReplaceLayout(const ControllerDataType& c, const ControllerFileType& layout, UserInterface& ui) {
    if (layout.FileName.empty() && layout.Changed == 0) return true;
    const MessageDialog question =
        MakeMessage(DialogKind::Confirmation, "*Replace this layout with the ready layout?*",
                    {{"*Controller*", c.Identity.DeviceName}},
                    Translate("*The layout on screen is replaced; its file changes only when you save it.*"),
                    OverwriteButtons);
    return ui.ShowMessageDialog(question) == 1 && c.Connection != Lost;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> DecodeLayoutImage(std::string_view file) {
    if (file.size() == EightBitImageFileSize) return DecodeEightBit(file);
    if (file.size() == TwentyFourBitImageFileSize) return DecodeTwentyFourBit(file);
    return std::nullopt;
}

std::string EncodeLayoutImage(const ControllerFileType& layout) {
    std::string bytes;
    bytes.reserve(TwentyFourBitImageFileSize);
    WriteBitmapHeader(bytes, ImageWidth, ImageHeight);
    for (int row = ImageHeight - 1; row >= 0; --row) {
        const auto from = layout.Image.begin() + static_cast<std::ptrdiff_t>(PixelOffset(row, 0));
        bytes.append(from, from + static_cast<std::ptrdiff_t>(RowBytes));
    }
    return bytes;
}

bool OpenLayoutImage(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                     ConfigurationType& config) {
    const std::string path =
        ShowOpenDialog(ui, config, config.DefaultImageLocation, ImageDialog("*Controller Image*"));
    if (path.empty()) return false;
    // A file that cannot be read is named as the other files are; one that is
    // read but is no picture of the two sizes is an invalid image.
    FileAccess file(ui, ImageFileLimits);
    if (!file.ReadWholeFile(path, true)) return false;
    auto image = DecodeLayoutImage(file.Buffer);
    if (!image) {
        ui.ShowMessageDialog(InvalidImage());
        return false;
    }
    layout.Image = std::move(*image);
    PictureChanged(layout);  // the tab's thumbnail follows the new picture
    window.Drawing.Mode = DrawMode::None;
    MarkLayoutEdited(layout, ui);
    return true;
}

bool ExportLayoutImage(const ControllerFileType& layout, UserInterface& ui, ConfigurationType& config) {
    FileDialog dialog = ImageDialog("*Exported Controller Image*");
    dialog.SuggestedName = Translate("*Image*");
    const std::string path = ShowSaveDialog(ui, config, config.DefaultImageLocation, dialog);
    if (path.empty()) return false;
    // A folder that cannot be written is told, as for every file the program saves.
    FileAccess file(ui, ImageFileLimits);
    file.Buffer = EncodeLayoutImage(layout);
    return file.WriteWholeFile(path, true);
}

void ClearLayoutImage(ControllerFileType& layout, UserInterface& ui) {
    layout.Image = MagentaPixels(std::size_t{ImageWidth} * ImageHeight);
    PictureChanged(layout);
    MarkLayoutEdited(layout, ui);
}

bool DownloadReadyLayout(const ControllerListType& list, const ControllerDataType& c,
                         ControllerFileType& layout, UserInterface& ui, const ConfigurationType& config,
                         const ControllerDatabase& database, bool xinputLoaded) {
    if (!MayReplaceLayout(c, layout, ui)) return false;
    const std::string name = layout.Name, fileName = layout.FileName;
    if (!MakeControllerReadyLayout(list, c, layout, database, xinputLoaded, config.Interface)) {
        ui.ShowMessageDialog(MakeMessage(
            DialogKind::Information, "*No ready layout for this controller*",
            {{"*Controller*", c.Identity.DeviceName}},
            Translate(
                "*The controller database does not know this controller: detect its controls on the other "
                "tabs.*")));
        return false;
    }
    layout.Name = name;
    layout.FileName = fileName;
    MarkLayoutEdited(layout, ui);
    return true;
}

void PaintSquare(ControllerFileType& layout, int row, int column, int size, std::uint32_t colour) {
    const int back = (size + 1) / 2 - 1;
    const int top = std::max(row - back, 0);
    const int left = std::max(column - back, 0);
    const int bottom = std::min(row - back + size, ImageHeight);
    const int right = std::min(column - back + size, ImageWidth);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) SetPixel(layout, y, x, colour);
}

bool FillRegion(ControllerFileType& layout, int row, int column, std::uint32_t colour) {
    if (!Inside(row, column)) return false;
    const std::uint32_t old = PixelValue(layout, row, column);
    if (old == colour) return false;
    // An explicit stack: a recursive fill of a 512 x 256 region would overflow.
    std::vector<std::pair<int, int>> pending{{row, column}};
    SetPixel(layout, row, column, colour);
    while (!pending.empty()) {
        const auto [y, x] = pending.back();
        pending.pop_back();
        for (const auto& [ny, nx] :
             {std::pair{y - 1, x}, std::pair{y + 1, x}, std::pair{y, x - 1}, std::pair{y, x + 1}}) {
            if (!Inside(ny, nx) || PixelValue(layout, ny, nx) != old) continue;
            SetPixel(layout, ny, nx, colour);
            pending.emplace_back(ny, nx);
        }
    }
    return true;
}

bool ApplyDrawTool(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, int row,
                   int column, bool press) {
    const DrawingState& drawing = window.Drawing;
    switch (drawing.Mode) {
        case DrawMode::None:
            return false;
        case DrawMode::Pen:
        case DrawMode::Erase:
            PaintSquare(layout, row, column, drawing.PenSize,
                        drawing.Mode == DrawMode::Pen ? drawing.Colour : Magenta);
            MarkLayoutEdited(layout, ui);
            return true;
        case DrawMode::Fill:
            if (press && FillRegion(layout, row, column, drawing.Colour)) MarkLayoutEdited(layout, ui);
            return true;
    }
    return false;
}

bool PenSizeShown(DrawMode mode) {
    return mode == DrawMode::Pen || mode == DrawMode::Erase;
}

bool PaletteShown(DrawMode mode) {
    return mode == DrawMode::Pen || mode == DrawMode::Fill;
}

std::vector<std::uint8_t> PalettePixels() {
    std::vector<std::uint8_t> pixels(std::size_t{PaletteWidth} * PaletteHeight * 3, 0);
    for (int row = 1; row < PaletteHeight - 1; ++row)
        for (int column = 1; column < PaletteWidth - 1; ++column)
            PutPixel(pixels, PaletteWidth, row, column, ColourValue(PaletteColour(row - 1, column - 1)));
    return pixels;
}

bool PickPaletteColour(ControllerWindowState& window, int row, int column) {
    if (row < 1 || row >= PaletteHeight - 1 || column < 1 || column >= PaletteWidth - 1) return false;
    window.Drawing.Colour = ColourValue(PaletteColour(row - 1, column - 1));
    return true;
}

std::vector<std::uint8_t> SwatchPixels(std::uint32_t colour) {
    std::vector<std::uint8_t> pixels(std::size_t{SwatchSize} * SwatchSize * 3, 0);
    for (int row = 1; row < SwatchSize - 1; ++row)
        for (int column = 1; column < SwatchSize - 1; ++column)
            PutPixel(pixels, SwatchSize, row, column, colour);
    return pixels;
}

}  // namespace velmora
