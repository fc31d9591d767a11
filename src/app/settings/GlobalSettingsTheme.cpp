#include "app/settings/GlobalSettingsTheme.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/settings/GlobalSettingsWindow.h"
#include "app/settings/ThemeImageTemplate.h"
#include "base/FileAccess.h"
#include "base/Language.h"
#include "files/FileDialogs.h"
#include "ui/ThemeImage.h"

namespace velmora {
namespace {

constexpr int PaletteInside = PaletteSize - 2;  // 128
constexpr int SpectrumRows = 108;               // six bands of 18 rows: three lighter, three darker

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// The pure colour of a hue 0..6 (red, yellow, green, cyan, blue, magenta).
std::array<double, 3> Hue(double h) {
    const double rising = (h - std::floor(h)) * 255.0;
    const double falling = 255.0 - rising;
    switch (static_cast<int>(h) % 6) {
        case 0:
            return {255, rising, 0};
        case 1:
            return {falling, 255, 0};
        case 2:
            return {0, 255, rising};
        case 3:
            return {0, falling, 255};
        case 4:
            return {rising, 0, 255};
        default:
            return {255, 0, falling};
    }
}

void Picked(GlobalSettingsContext& context, int target, ColourType colour) {
    ColourType* configured = ThemeColourOf(context.Config, target);
    if (!configured) return;
    *configured = colour;
    context.Config.ConfigurationChanged = true;
    context.Ui.RedrawLayout();
}

bool InsidePicture(int x, int y) {
    return x >= 0 && y >= 0 && x < PaletteSize && y < PaletteSize;
}

}  // namespace

ColourType* ThemeColourOf(ConfigurationType& config, int tag) {
    if (tag >= 11 && tag <= 13) return &config.Interface[static_cast<std::size_t>(tag - 11)];
    if (tag >= 21 && tag <= 23) return &config.Background[static_cast<std::size_t>(tag - 21)];
    return nullptr;
}

ColourType PaletteColour(int x, int y) {
    const double column = std::clamp(x - 1, 0, PaletteInside - 1);
    const int row = std::clamp(y - 1, 0, PaletteInside - 1);
    if (row >= SpectrumRows) {
        const std::uint8_t grey = Channel(column * 255.0 / (PaletteInside - 1));
        return {grey, grey, grey};
    }
    const std::array<double, 3> pure = Hue(column * 6.0 / PaletteInside);
    const int band = row / 18;
    const double step = (row % 18) / 18.0;
    // Bands 0..2 run from near white to the pure hue, bands 3..5 from it to near black.
    const double toward = band < 3 ? 1.0 - (band + step) / 3.0 : (band - 3 + step) / 3.0;
    std::array<double, 3> c{};
    for (std::size_t i = 0; i < 3; ++i)
        c[i] = band < 3 ? pure[i] + (255.0 - pure[i]) * toward : pure[i] * (1.0 - toward);
    return {Channel(c[0]), Channel(c[1]), Channel(c[2])};
}

bool InsidePaletteBorder(int x, int y) {
    return x >= 1 && y >= 1 && x <= PaletteInside && y <= PaletteInside;
}

void HidePalette(PaletteState& palette) {
    palette.Shown = false;
    palette.HiddenPasses = 0;
    palette.Dragging = false;
}

void PressColourButton(PaletteState& palette, int tag) {
    palette.Target = tag;
    const std::string group = tag >= 21 ? Translate("*Background*") : Translate("*Interface*");
    palette.Label = group + " " + std::to_string(tag % 10);
    if (palette.Shown) {
        HidePalette(palette);
        palette.HiddenPasses = PaletteBlinkPasses;
    } else if (palette.HiddenPasses == 0) {
        palette.Shown = true;
    }
}

bool PalettePass(PaletteState& palette) {
    if (palette.HiddenPasses == 0 || --palette.HiddenPasses > 0) return false;
    palette.Shown = true;
    return true;
}

bool PressPalette(GlobalSettingsContext& context, PaletteState& palette, int x, int y) {
    if (!palette.Shown || !InsidePicture(x, y)) return false;
    palette.Dragging = true;
    return DragPalette(context, palette, x, y);
}

bool DragPalette(GlobalSettingsContext& context, PaletteState& palette, int x, int y) {
    if (!palette.Dragging) return false;
    if (!InsidePicture(x, y)) {
        palette.Dragging = false;
        return false;
    }
    if (!InsidePaletteBorder(x, y)) return false;
    Picked(context, palette.Target, PaletteColour(x, y));
    return true;
}

void ReleasePalette(PaletteState& palette) {
    palette.Dragging = false;
}

void RandomThemeColours(GlobalSettingsContext& context, PaletteState& palette, int tag,
                        const std::function<int(int)>& random) {
    HidePalette(palette);
    std::array<ColourType, 3>& group =
        tag == BackgroundRandomTag ? context.Config.Background : context.Config.Interface;
    for (ColourType& colour : group) {
        const int x = 1 + random(PaletteInside);
        colour = PaletteColour(x, 1 + random(PaletteInside));
    }
    context.Config.ConfigurationChanged = true;
    context.Ui.RedrawLayout();
}

void ChooseButtonStyle(GlobalSettingsContext& context, int tag) {
    if (tag < FirstStyleTag || tag > FirstStyleTag + 2) return;
    context.Config.ThemeButtons = static_cast<std::uint8_t>(tag - FirstStyleTag);
    context.Config.ConfigurationChanged = true;
    context.Ui.RedrawSlotDisplays();  // the open assignment windows draw buttons in the style
    context.Ui.RedrawLayout();
}

bool ButtonStyleBold(const ConfigurationType& config, int tag) {
    return config.ThemeButtons + FirstStyleTag == tag;
}

bool OpenThemeImage(GlobalSettingsContext& context) {
    FileDialog dialog;
    dialog.Caption = Translate("*Image*");
    dialog.TypeName = Translate("*Images*");
    dialog.Extension = "bmp";
    dialog.Thumbnails = true;
    const std::string path =
        ShowOpenDialog(context.Ui, context.Config, context.Config.DefaultImageLocation, dialog);
    if (path.empty()) return false;
    std::optional<std::vector<std::uint8_t>> image = LoadThemeImage(path, context.Ui);
    if (!image) return false;
    context.Config.ThemeImage = path;
    context.Config.ConfigurationChanged = true;
    context.Shell.SetThemeImage(std::move(image));
    context.Ui.RedrawLayout();
    return true;
}

void ClearThemeImage(GlobalSettingsContext& context) {
    context.Config.ThemeImage.clear();
    context.Config.ConfigurationChanged = true;
    context.Shell.SetThemeImage(std::nullopt);
    context.Ui.RedrawLayout();
}

bool NewThemeImage(GlobalSettingsContext& context) {
    FileDialog dialog;
    dialog.Caption = Translate("*New Theme Image*");
    dialog.TypeName = "Images";
    dialog.Extension = "bmp";
    const std::string path =
        ShowSaveDialog(context.Ui, context.Config, context.Config.DefaultImageLocation, dialog);
    if (path.empty()) return false;
    const std::vector<std::uint8_t> bytes = PictureBitmap(ThemeImageTemplate());
    FileAccess file(context.Ui);
    file.Buffer.assign(bytes.begin(), bytes.end());
    return file.WriteWholeFile(path, true);
}

}  // namespace velmora
