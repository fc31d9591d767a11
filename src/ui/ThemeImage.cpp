#include "ui/ThemeImage.h"

#include "base/FileAccess.h"
#include "base/Language.h"
#include "base/UserInterface.h"
#include "model/Configuration.h"

namespace velmora {
namespace {

constexpr int ThemeWidth = 520;
constexpr int ThemeHeight = 360;
constexpr std::size_t PixelsStart = 54;

std::uint8_t Byte(std::string_view file, std::size_t at) {
    return static_cast<std::uint8_t>(file[at]);
}

// Rows are stored bottom first; the picture wants them top first.
std::vector<std::uint8_t> DecodeRows(std::string_view file, std::size_t start, bool palette) {
    std::vector<std::uint8_t> pixels(std::size_t{ThemeWidth} * ThemeHeight * 3);
    const std::size_t bytesPerPixel = palette ? 1 : 3;
    for (std::size_t y = 0; y < ThemeHeight; ++y) {
        const std::size_t row = start + (ThemeHeight - 1 - y) * ThemeWidth * bytesPerPixel;
        for (std::size_t x = 0; x < ThemeWidth; ++x) {
            const std::size_t source =
                palette ? PixelsStart + 4 * std::size_t{Byte(file, row + x)} : row + 3 * x;
            for (std::size_t c = 0; c < 3; ++c) pixels[(y * ThemeWidth + x) * 3 + c] = Byte(file, source + c);
        }
    }
    return pixels;
}

void ShowInvalidImage(UserInterface& ui) {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Warning;
    dialog.Heading = Translate("*Invalid image detected*");
    dialog.Message = Translate("*Open the Theme tab of the Settings window.*") + "#" +
                     Translate("*Click the Help button for supported image information.*");
    ui.ShowMessageDialog(dialog);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> DecodeThemeImage(std::string_view file) {
    if (file.size() == PaletteThemeFileSize) return DecodeRows(file, PixelsStart + 256 * 4, true);
    if (file.size() == ColourThemeFileSize) return DecodeRows(file, PixelsStart, false);
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> LoadThemeImage(const std::string& path, UserInterface& ui) {
    FileAccess file(ui);
    if (!file.ReadWholeFile(path, true)) return std::nullopt;
    std::optional<std::vector<std::uint8_t>> image = DecodeThemeImage(file.Buffer);
    if (!image) ShowInvalidImage(ui);
    return image;
}

std::optional<std::vector<std::uint8_t>> LoadConfiguredThemeImage(ConfigurationType& config,
                                                                  UserInterface& ui) {
    if (config.ThemeImage.empty()) return std::nullopt;
    std::optional<std::vector<std::uint8_t>> image = LoadThemeImage(config.ThemeImage, ui);
    if (!image) {
        config.ThemeImage.clear();
        config.ConfigurationChanged = true;
    }
    return image;
}

}  // namespace velmora
