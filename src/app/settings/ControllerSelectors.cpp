#include "app/settings/ControllerSelectors.h"

#include "base/Language.h"

namespace velmora {

namespace {

constexpr std::array<std::string_view, 6> AxisLetters{"X", "Y", "Z", "RX", "RY", "RZ"};

// The eight axes as the selectors show them: "Axis X" .. "Slider 2".
std::vector<std::string> AxisCaptions() {
    std::vector<std::string> captions;
    for (std::string_view letter : AxisLetters)
        captions.push_back(Translate("*Axis*") + " " + std::string(letter));
    captions.push_back(Translate("*Slider*") + " 1");
    captions.push_back(Translate("*Slider*") + " 2");
    return captions;
}

template <class Access>
void Choose(const ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, Access& slot,
            const Access& chosen) {
    if (window.Refreshing || slot == chosen) return;
    slot = chosen;
    MarkLayoutEdited(layout, ui);
}

}  // namespace

std::vector<std::string> StickAxisItems() {
    std::vector<std::string> items{Translate("*None*")};
    const std::vector<std::string> axes = AxisCaptions();
    items.insert(items.end(), axes.begin(), axes.end());
    for (const std::string& axis : axes) items.push_back(Translate("*Inverted*") + " " + axis);
    return items;
}

AxisAccess StickAxisFromItem(int item) {
    if (item < 1 || item >= StickAxisItemCount) return {};
    return {static_cast<std::uint8_t>((item - 1) % 8), static_cast<std::uint8_t>(item >= 9 ? 1 : 0), 0};
}

int StickAxisItem(const AxisAccess& access) {
    if (access.Axis >= AxisCount) return 0;
    return access.Axis + 1 + (access.Inverted != 0 ? 8 : 0);
}

std::vector<std::string> DPadDirectionItems() {
    std::vector<std::string> items{Translate("*None*")};
    const std::vector<std::string> axes = AxisCaptions();
    items.insert(items.end(), axes.begin(), axes.end());
    for (int b = 1; b <= 32; ++b) items.push_back(Translate("*Button*") + " " + std::to_string(b));
    items.emplace_back("POV");
    return items;
}

DPadDirectionAccess DPadDirectionFromItem(int item) {
    if (item >= 1 && item <= 8) return {DPadKind::Axis, static_cast<std::uint8_t>(item - 1), 0};
    if (item >= 9 && item <= 40) return {DPadKind::Button, 0, static_cast<std::uint8_t>(item - 9)};
    if (item == 41) return {DPadKind::POV, 0, 0};
    return {};
}

int DPadDirectionItem(const DPadDirectionAccess& access) {
    switch (access.Kind) {
        case DPadKind::Axis:
            return access.Axis < AxisCount ? access.Axis + 1 : 0;
        case DPadKind::Button:
            return access.Button < 32 ? access.Button + 9 : 0;
        case DPadKind::POV:
            return 41;
        case DPadKind::None:
            break;
    }
    return 0;
}

std::vector<std::string> TriggerItems() {
    std::vector<std::string> items{Translate("*None*")};
    const std::vector<std::string> axes = AxisCaptions();
    const std::string full = Translate("*Full*");
    for (const std::string& suffix : {std::string("-"), std::string("+"), "- " + full, "+ " + full})
        for (const std::string& axis : axes) items.push_back(axis + suffix);
    return items;
}

AxisAccess TriggerFromItem(int item) {
    if (item < 1 || item >= TriggerItemCount) return {};
    const int v = item - 1;
    return {static_cast<std::uint8_t>(v % 8), static_cast<std::uint8_t>(v % 16 < 8 ? 1 : 0),
            static_cast<std::uint8_t>(v >= 16 ? 1 : 0)};
}

int TriggerItem(const AxisAccess& access) {
    if (access.Axis >= AxisCount) return 0;
    return access.Axis + 1 + (access.Inverted != 0 ? 0 : 8) + (access.FullRange != 0 ? 16 : 0);
}

void ChooseStickAxis(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, int stick,
                     int axis, int item) {
    AxisAccess& slot =
        layout.StickAccess[static_cast<std::size_t>(stick & 1)][static_cast<std::size_t>(axis & 1)];
    Choose(window, layout, ui, slot, StickAxisFromItem(item));
}

void ChooseDPadDirection(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                         int direction, int item) {
    DPadDirectionAccess& slot = layout.DPadAccess[static_cast<std::size_t>(direction & 3)];
    Choose(window, layout, ui, slot, DPadDirectionFromItem(item));
}

void ChooseTrigger(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, int trigger,
                   int item) {
    AxisAccess& slot = layout.TriggerAccess[static_cast<std::size_t>(trigger & 1)];
    Choose(window, layout, ui, slot, TriggerFromItem(item));
}

}  // namespace velmora
