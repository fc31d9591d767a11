// The recent-profile menus (the profile name box and the tray's "Open
// Profile" submenu) and the tray menu.

#include "app/MainMenuItems.h"
#include "app/MainMenus.h"

namespace velmora {
namespace {

const KnownControllerDataType* KnownEntryOf(const ControllerDataType& c, const ConfigurationType& config) {
    return c.KnownIndex < config.KnownCount ? &config.KnownControllers[c.KnownIndex] : nullptr;
}

// Request 2 shows the open dialog; request 3 opens the file picked from the list.
bool RequestProfile(DeviceContext& context, std::uint8_t request, std::string path) {
    ControllerDataType* c = SelectedController(context.List);
    if (!c) return false;
    c->OpenProfileRequest = {request, std::move(path)};
    return true;
}

}  // namespace

std::string RecentProfileCaption(const std::string& file) {
    const std::size_t slash = file.find_last_of("\\/");
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return name.substr(0, name.find('.'));
}

void PruneSelectedRecentProfiles(ControllerListType& list, ConfigurationType& config) {
    const ControllerDataType* c = SelectedController(list);
    if (c && c->KnownIndex < config.KnownCount) PruneRecentProfiles(config, c->KnownIndex);
}

std::vector<MenuItem> ProfileOpenPopupMenu(const ControllerListType& list, const ConfigurationType& config) {
    std::vector<MenuItem> items;
    const ControllerDataType* c = SelectedController(list);
    const KnownControllerDataType* entry = c ? KnownEntryOf(*c, config) : nullptr;
    if (!entry) return items;
    for (std::size_t k = 0; k < entry->RecentProfiles.size(); ++k) {
        if (entry->RecentProfiles[k].empty()) continue;
        MenuItem item;
        item.Caption = RecentProfileCaption(entry->RecentProfiles[k]);
        item.Tag = RecentProfileMenu::FirstProfile + static_cast<int>(k);
        items.push_back(std::move(item));
    }
    if (!items.empty()) {
        MenuItem all;
        all.Caption = "[" + Translate("*All*") + "...]";
        all.Tag = RecentProfileMenu::OpenDialog;
        items.push_back(std::move(all));
    }
    return items;
}

bool RunProfileOpenChoice(DeviceContext& context, int tag) {
    if (tag == RecentProfileMenu::OpenDialog) return RequestProfile(context, ChooseProfileFile, {});
    const ControllerDataType* c = SelectedController(context.List);
    const KnownControllerDataType* entry = c ? KnownEntryOf(*c, context.Config) : nullptr;
    const int k = tag - RecentProfileMenu::FirstProfile;
    if (!entry || k < 0 || k >= static_cast<int>(entry->RecentProfiles.size())) return false;
    const std::string& file = entry->RecentProfiles[static_cast<std::size_t>(k)];
    return !file.empty() && RequestProfile(context, OpenRecentProfile, file);
}

std::vector<MenuItem> TrayPopupMenu(const ControllerListType& list, const ConfigurationType& config,
                                    bool minimised, bool inputBlocked) {
    std::vector<MenuItem> recent = ProfileOpenPopupMenu(list, config);
    // Without recent profiles the submenu becomes the open dialog's own item.
    MenuItem open = recent.empty() ? WindowItem("*Open Profile*", RecentProfileMenu::OpenDialog)
                                   : SubmenuItem(Translate("*Open Profile*"), std::move(recent));
    MenuItem openSeparator = SeparatorItem();
    open.Visible = openSeparator.Visible = SelectedController(list) != nullptr;
    MenuItem elevate = CommandItem("*Run as administrator*", TrayMenu::RunAsAdministrator);
    elevate.Visible = inputBlocked;
    return {open,
            openSeparator,
            CommandItem("*Restore (Left Mouse Button)*", TrayMenu::Restore, minimised),
            CommandItem("*Minimize (Left Mouse Button)*", TrayMenu::Minimize, !minimised),
            elevate,
            SeparatorItem(),
            CommandItem("*Close (Middle Mouse Button/Wheel Click)*", TrayMenu::Close)};
}

TrayCommand RunTrayChoice(DeviceContext& context, int tag) {
    switch (tag) {
        case TrayMenu::Restore:
            return TrayCommand::Restore;
        case TrayMenu::Minimize:
            return TrayCommand::Minimize;
        case TrayMenu::Close:
            return TrayCommand::Close;
        case TrayMenu::RunAsAdministrator:
            return TrayCommand::RunAsAdministrator;
        default:
            break;
    }
    if (tag >= RecentProfileMenu::OpenDialog && RunProfileOpenChoice(context, tag)) context.Ui.RedrawLayout();
    return TrayCommand::None;
}

}  // namespace velmora
