#include "app/settings/ControllerWindow.h"

#include <algorithm>

#include "app/StartupGates.h"
#include "base/Language.h"

namespace velmora {

namespace {

// The window was designed for this desktop; smaller ones still work.
constexpr int DesignedDesktopWidth = 800;
constexpr int DesignedDesktopHeight = 600;

// The windows that show this layout's controls and names.
constexpr std::array<SettingsWindow, 5> LayoutViewers{
    SettingsWindow::Assignment, SettingsWindow::AdvancedAssignment, SettingsWindow::Stick,
    SettingsWindow::DPad, SettingsWindow::Trigger};

// The layout's string an edit writes, or null; const or not with the layout.
template <class Layout>
auto NameSlot(const ControllerWindowState& window, Layout& layout, NameEdit edit, int index)
    -> decltype(&layout.DPadName) {
    const auto i = static_cast<std::size_t>(index);
    switch (edit) {
        case NameEdit::Stick:
            return i < 2 ? &layout.StickNames[i] : nullptr;
        case NameEdit::StickDirection:
            return i < 4 ? &layout.StickDirectionNames[i] : nullptr;
        case NameEdit::DPad:
            return &layout.DPadName;
        case NameEdit::DPadDirection:
            return i < 4 ? &layout.DPadDirectionNames[i] : nullptr;
        case NameEdit::Trigger:
            return i < 2 ? &layout.TriggerNames[i] : nullptr;
        case NameEdit::SelectedButton:
            if (window.SelectedButton == NoItem) return nullptr;
            return &layout.ButtonNames[static_cast<std::size_t>(window.SelectedButton)];
    }
    return nullptr;
}

}  // namespace

void MarkLayoutEdited(ControllerFileType& layout, UserInterface& ui) {
    layout.Changed = 1;
    UpdateIndicators(layout);
    ui.RedrawLayout();
    for (SettingsWindow viewer : LayoutViewers) ui.RefreshWindow(viewer);
}

std::vector<std::string> ControllerTabCaptions() {
    std::vector<std::string> captions;
    for (std::string_view key : ControllerTabKeys) captions.push_back(Translate(key));
    return captions;
}

std::string ControllerWindowCaption(const ControllerFileType& layout, std::string_view deviceName) {
    const std::string name = layout.Name.empty() ? std::string(deviceName) : layout.Name;
    return Translate("*Controller Settings*") + " - \"" + name + "\"";
}

std::optional<MessageDialog> ControllerDesktopWarning(ControllerWindowState& window, int desktopWidth,
                                                      int desktopHeight) {
    if (window.DesktopWarned) return std::nullopt;
    auto message =
        ResolutionGateMessage(desktopWidth, desktopHeight, DesignedDesktopWidth, DesignedDesktopHeight,
                              "*The Controller Settings window will appear unoptimized.*", true);
    if (message) window.DesktopWarned = true;
    return message;
}

WindowPoint ControllerWindowPlace(const ConfigurationType& config, WindowSize window, WindowSize desktop) {
    const WindowPositionType saved = config.WindowPositions[ControllerSettingsWindowPosition];
    if (!config.RememberWindowPositions || (saved.Left == NoWindowPosition && saved.Top == NoWindowPosition))
        return CentredPlace(window, desktop);
    WindowPoint place{saved.Left, saved.Top};
    if (place.Left + window.Width > desktop.Width) place.Left = desktop.Width - window.Width;
    if (place.Top + window.Height > desktop.Height) place.Top = desktop.Height - window.Height;
    place.Left = std::max(place.Left, 0);
    place.Top = std::max(place.Top, 0);
    return place;
}

void ShowControllerWindow(ControllerWindowState& window, const RawJoyState& current) {
    window.Drag = {};
    window.Drawing.Mode = DrawMode::None;
    window.Drawing.Drawing = false;
    window.Drawing.Colour = 0;
    EndDetection(window.Detection, current);
    window.Detection.WaitForRelease = true;
    window.Tab = ControllerTab::Start;
    window.SelectedButton = NoItem;
    window.WindowOpen = true;
}

void CloseControllerWindow(ControllerWindowState& window, ConfigurationType& config, WindowPoint place,
                           UserInterface& ui, const RawJoyState& current) {
    if (config.RememberWindowPositions) {
        const WindowPositionType stored{place.Left, place.Top};
        WindowPositionType& saved = config.WindowPositions[ControllerSettingsWindowPosition];
        if (saved != stored) config.ConfigurationChanged = true;
        saved = stored;
    }
    ui.RedrawLayout();
    EndDetection(window.Detection, current);
    window.WindowOpen = false;
}

void ChangeControllerTab(ControllerWindowState& window, ControllerTab tab, const RawJoyState& current) {
    EndDetection(window.Detection, current);
    window.SelectedButton = NoItem;
    window.Tab = tab;
}

std::vector<std::string> FinishTabTexts() {
    return {
        Translate("*All settings have been updated to the main window but have not been saved yet.*"),
        Translate(
            "*To return to the main window to save the layout, close this Controller Settings window.*"),
        Translate(
            "*This Finish tab is for information only. It is not necessary to visit after every change.*")};
}

std::string SelectedButtonDetails(const ControllerWindowState& window) {
    if (window.SelectedButton == NoItem) return {};
    return Translate("*Details*") + ": " + Translate("*Button*") + " " +
           std::to_string(window.SelectedButton + 1);
}

void DeleteSelectedButton(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui) {
    if (window.SelectedButton == NoItem) return;
    ui.CloseWindow(SettingsWindow::Assignment);
    const auto b = static_cast<std::size_t>(window.SelectedButton);
    layout.Locations[b] = {};
    layout.ButtonNames[b].clear();
    window.SelectedButton = NoItem;
    MarkLayoutEdited(layout, ui);
}

void EditName(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, NameEdit edit,
              int index, std::string_view text) {
    if (window.Refreshing) return;
    std::string* name = NameSlot(window, layout, edit, index);
    if (name == nullptr || *name == text) return;
    *name = std::string(text);
    MarkLayoutEdited(layout, ui);
}

std::string NameEditText(const ControllerWindowState& window, const ControllerFileType& layout, NameEdit edit,
                         int index) {
    const std::string* name = NameSlot(window, layout, edit, index);
    return name == nullptr ? std::string() : *name;
}

}  // namespace velmora
