// The names a ready layout gives its controls, by the pad's family.

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "model/ReadyLayout.h"

namespace velmora {
namespace {

constexpr std::size_t RoleCount = 20;
using RoleNames = std::array<const char*, RoleCount>;

// In PadButtonRole's order, None first.
constexpr RoleNames XboxNames{"",      "A",     "B",  "X",  "Y",        "LB",    "RB", "LT", "RT", "Back",
                              "Start", "Guide", "LS", "RS", "Touchpad", "Share", "P1", "P2", "P3", "P4"};
constexpr RoleNames PlayStationNames{"",         "Cross", "Circle", "Square",  "Triangle", "L1", "R1",
                                     "L2",       "R2",    "Share",  "Options", "PS",       "L3", "R3",
                                     "Touchpad", "Mute",  "P1",     "P2",      "P3",       "P4"};
// Nintendo letters sit the other way round: the bottom button is B.
constexpr RoleNames NintendoNames{"",         "B",       "A",     "Y",    "X",    "L",  "R",
                                  "ZL",       "ZR",      "Minus", "Plus", "Home", "LS", "RS",
                                  "Touchpad", "Capture", "P1",    "P2",   "P3",   "P4"};

bool Contains(const std::string& text, std::string_view word) {
    const auto found = std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
    return found != text.end();
}

bool ContainsAny(const std::string& text, std::initializer_list<std::string_view> words) {
    return std::any_of(words.begin(), words.end(), [&text](std::string_view w) { return Contains(text, w); });
}

}  // namespace

PadFamily FamilyOf(const PadMapping& entry, std::uint32_t vendorProduct) {
    const std::uint32_t vendor = vendorProduct >> 16;
    // Fight sticks, wheels and flight sticks look like none of the pads.
    if (ContainsAny(entry.Name, {"fight", "arcade", "joystick", "wheel", "hotas", "flight", "racing"}))
        return PadFamily::Generic;
    if (vendor == 0x054C || entry.Find("touchpad") ||
        ContainsAny(entry.Name, {"PS1", "PS2", "PS3", "PS4", "PS5", "PlayStation", "DualShock", "DualSense"}))
        return PadFamily::PlayStation;
    if (vendor == 0x057E || ContainsAny(entry.Name, {"Nintendo", "Switch", "Joy-Con", "SNES", "N64",
                                                     "GameCube", "Wii", "Famicom"}))
        return PadFamily::Nintendo;
    if (vendor == 0x045E || ContainsAny(entry.Name, {"Xbox", "XInput"})) return PadFamily::Xbox;
    // A full pad in the database's own positions is drawn as the common pad shape.
    const bool full = entry.Find("a") && entry.Find("b") && entry.Find("x") && entry.Find("y") &&
                      entry.Find("leftx") && entry.Find("rightx");
    return full ? PadFamily::Xbox : PadFamily::Generic;
}

std::string ButtonName(PadFamily family, PadButtonRole role, std::size_t button) {
    const auto index = static_cast<std::size_t>(role);
    if (role == PadButtonRole::None || family == PadFamily::Generic) return std::to_string(button + 1);
    if (family == PadFamily::PlayStation) return PlayStationNames[index];
    if (family == PadFamily::Nintendo) return NintendoNames[index];
    return XboxNames[index];
}

std::array<std::string, 2> TriggerNamesOf(PadFamily family) {
    switch (family) {
        case PadFamily::Xbox:
            return {"LT", "RT"};
        case PadFamily::PlayStation:
            return {"L2", "R2"};
        case PadFamily::Nintendo:
            return {"ZL", "ZR"};
        default:
            return {"Left Trigger", "Right Trigger"};
    }
}

}  // namespace velmora
