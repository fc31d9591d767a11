#include "model/Profile.h"

#include <array>
#include <string>

namespace velmora {
namespace {

std::array<std::string, ControlCount> MakeControlNames() {
    std::array<std::string, ControlCount> names;
    for (int b = 0; b < 32; ++b) names[static_cast<std::size_t>(b)] = "Button" + std::to_string(b + 1);
    const char* rest[] = {"DPadUp",         "DPadRight",    "DPadDown",      "DPadLeft",
                          "Stick1Up",       "Stick1Right",  "Stick1Down",    "Stick1Left",
                          "Stick2Up",       "Stick2Right",  "Stick2Down",    "Stick2Left",
                          "TriggerLeft",    "TriggerRight", "Stick1UpRight", "Stick1DownRight",
                          "Stick1DownLeft", "Stick1UpLeft", "Stick2UpRight", "Stick2DownRight",
                          "Stick2DownLeft", "Stick2UpLeft", "DPadUpRight",   "DPadDownRight",
                          "DPadDownLeft",   "DPadUpLeft"};
    for (int i = 32; i < ControlCount; ++i) names[static_cast<std::size_t>(i)] = rest[i - 32];
    return names;
}

const std::array<std::string, ControlCount>& ControlNames() {
    static const std::array<std::string, ControlCount> names = MakeControlNames();
    return names;
}

}  // namespace

std::string_view ControlName(int control) {
    return ControlNames()[static_cast<std::size_t>(control)];
}

int FindControl(std::string_view name) {
    for (int c = 0; c < ControlCount; ++c)
        if (ControlNames()[static_cast<std::size_t>(c)] == name) return c;
    return -1;
}

}  // namespace velmora
