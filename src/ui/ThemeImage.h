#pragma once
// The theme image: a 520 x 360 bitmap that replaces the picture's colours
// outside the controller image. Two file forms are accepted, told apart by
// their length alone: an 8-bit palette bitmap and a 24-bit bitmap.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class UserInterface;
struct ConfigurationType;

inline constexpr std::size_t PaletteThemeFileSize = 188278;
inline constexpr std::size_t ColourThemeFileSize = 561654;

// The pixels blue, green, red, top row first; none for any other file length.
std::optional<std::vector<std::uint8_t>> DecodeThemeImage(std::string_view file);

// Loads a theme image file; a file that cannot be read or has the wrong
// size is refused with a message.
std::optional<std::vector<std::uint8_t>> LoadThemeImage(const std::string& path, UserInterface& ui);

// At start: the configured theme image, or none. One that no longer loads
// is dropped from the configuration, which then counts as changed.
std::optional<std::vector<std::uint8_t>> LoadConfiguredThemeImage(ConfigurationType& config, UserInterface& ui);

}  // namespace velmora
