#include "files/ControllerFileKeys.h"

#include "base/NumberText.h"

namespace velmora {

namespace {

std::string Word(std::string_view word) {
    return std::string(word);
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::string LocationKey(int control) {
    if (control < DPadUp) return "Button" + std::to_string(control + 1) + "Location";
    if (control < Stick1Up) return "DPad" + Word(DirectionWords[control - DPadUp]) + "Location";
    if (control < TriggerLeft) {
        const int stick = (control - Stick1Up) / 4;
        return "Stick" + std::to_string(stick + 1) + Word(DirectionWords[(control - Stick1Up) % 4]) +
               "Location";
    }
    return "Trigger" + Word(TriggerSideWords[control - TriggerLeft]) + "Location";
}

std::string DPadAccessKey(int direction) {
    return "DPad" + Word(DirectionWords[direction]) + "Access";
}
std::string StickAccessKey(int stick, int axis) {
    return "Stick" + std::to_string(stick + 1) + (axis == 0 ? "X" : "Y") + "Access";
}
std::string TriggerAccessKey(int side) {
    return "Trigger" + Word(TriggerSideWords[side]) + "Access";
}
std::string ButtonNameKey(int button) {
    return "Button" + std::to_string(button + 1) + "Name";
}
std::string DPadDirectionNameKey(int direction) {
    return "DPad" + Word(DirectionWords[direction]) + "Name";
}
std::string StickNameKey(int stick) {
    return "Stick" + std::to_string(stick + 1) + "Name";
}
std::string StickDirectionNameKey(int direction) {
    return "Stick" + Word(DirectionWords[direction]) + "Name";
}
std::string TriggerNameKey(int side) {
    return "Trigger" + Word(TriggerSideWords[side]) + "Name";
}
std::string ImageLineKey(int row) {
    return "ImageLine" + std::to_string(row + 1);
}

std::string DPadAccessText(const DPadDirectionAccess& access) {
    switch (access.Kind) {
        case DPadKind::Axis:
            return access.Axis < AxisCount ? Word(AxisNames[access.Axis]) : std::string{};
        case DPadKind::Button:
            return "Button " + std::to_string(access.Button + 1);
        case DPadKind::POV:
            return "POV";
        case DPadKind::None:
            break;
    }
    return {};
}

std::string StickAccessText(const AxisAccess& access) {
    if (access.Axis >= AxisCount) return {};
    return Word(AxisNames[access.Axis]) + (access.Inverted ? " Inverted" : "");
}

std::string TriggerAccessText(const AxisAccess& access, bool explicitUpperHalf) {
    if (access.Axis >= AxisCount) return {};
    std::string text = Word(AxisNames[access.Axis]);
    if (access.Inverted)
        text += " -";
    else if (explicitUpperHalf)
        text += " +";
    return text + (access.FullRange ? " Full" : "");
}

std::optional<DPadDirectionAccess> ParseDPadAccess(std::string_view value) {
    if (value.empty()) return DPadDirectionAccess{};
    if (value == "POV") return DPadDirectionAccess{DPadKind::POV, 0, 0};
    const int axis = FindAxisName(value);
    if (axis >= 0) return DPadDirectionAccess{DPadKind::Axis, static_cast<std::uint8_t>(axis), 0};
    if (value.size() > 7 && value.substr(0, 7) == "Button ") {
        const std::int32_t button = ParseDecimal(value.substr(7));
        if (button >= 1 && button <= 32)
            return DPadDirectionAccess{DPadKind::Button, 0, static_cast<std::uint8_t>(button - 1)};
    }
    return std::nullopt;
}

std::optional<AxisAccess> ParseStickAccess(std::string_view value) {
    if (value.empty()) return AxisAccess{};
    AxisAccess access;
    if (value.size() >= 9 && EndsWith(value, " Inverted")) {
        access.Inverted = 1;
        value.remove_suffix(9);
    }
    const int axis = FindAxisName(value);
    if (axis < 0) return std::nullopt;
    access.Axis = static_cast<std::uint8_t>(axis);
    return access;
}

std::optional<AxisAccess> ParseTriggerAccess(std::string_view value) {
    if (value.empty()) return AxisAccess{};
    AxisAccess access;
    if (EndsWith(value, " Full")) {
        access.FullRange = 1;
        value.remove_suffix(5);
    }
    if (value.size() >= 2) {
        if (EndsWith(value, " -")) {
            access.Inverted = 1;
            value.remove_suffix(2);
        } else if (EndsWith(value, " +")) {
            value.remove_suffix(2);
        }
    }
    const int axis = FindAxisName(value);
    if (axis < 0) return std::nullopt;
    access.Axis = static_cast<std::uint8_t>(axis);
    return access;
}

}  // namespace velmora
