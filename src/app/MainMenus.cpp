#include "app/MainMenus.h"

#include <string>

#include "app/MainMenuItems.h"
#include "model/AutoAssign.h"

namespace velmora {

const MenuItem* ChosenItem(const std::vector<MenuItem>& items, int tag) {
    for (const MenuItem& item : items) {
        if (!item.Visible || !item.Enabled) continue;
        if (!item.Items.empty()) {
            if (const MenuItem* found = ChosenItem(item.Items, tag)) return found;
        } else if (!item.Separator && item.Tag == tag) {
            return &item;
        }
    }
    return nullptr;
}

ControllerDataType* SelectedController(ControllerListType& list) {
    return list.Selected < list.Count() ? &list.Controllers[list.Selected] : nullptr;
}

const ControllerDataType* SelectedController(const ControllerListType& list) {
    return list.Selected < list.Count() ? &list.Controllers[list.Selected] : nullptr;
}

bool SelectedConnected(const ControllerListType& list) {
    const ControllerDataType* c = SelectedController(list);
    return c && c->Connection == Connected;
}

std::vector<MenuItem> ProfilePopupMenu(const ControllerListType& list) {
    const ControllerDataType* c = SelectedController(list);
    const bool connected = SelectedConnected(list);
    MenuItem settings = WindowItem("*Settings*", ProfileMenu::Settings, connected);
    settings.Visible = false;  // the profile settings window is not offered yet
    return {
        WindowItem("*New*", ProfileMenu::New, connected),
        WindowItem("*Open*", ProfileMenu::Open, connected),
        settings,
        CommandItem("*Save*", ProfileMenu::Save, c && c->Profile.Changed && !c->Profile.FileName.empty()),
        WindowItem("*Save As*", ProfileMenu::SaveAs, c != nullptr),
    };
}

std::vector<MenuItem> ControllerPopupMenu(const ControllerListType& list) {
    const ControllerDataType* c = SelectedController(list);
    const bool connected = SelectedConnected(list);
    const ControllerFileType* layout = c ? &list.Layouts[c->ControllerFileIndex] : nullptr;
    return {
        WindowItem("*New*", ControllerMenu::New, connected),
        WindowItem("*Settings*", ControllerMenu::Settings, connected),
        WindowItem("*Open*", ControllerMenu::Open, connected),
        CommandItem("*Save*", ControllerMenu::Save, layout && layout->Changed && !layout->FileName.empty()),
        WindowItem("*Save As*", ControllerMenu::SaveAs, c != nullptr),
        WindowItem("*Properties*", ControllerMenu::Properties, connected),
    };
}

std::vector<MenuItem> HelpPopupMenu() {
    return {
        CommandItem("*Getting Started*", 101),
        CommandItem("*Controllers*", 102),
        CommandItem("*Profiles*", 103),
        CommandItem("*Settings*", 106),
        SeparatorItem(),
        CommandItem("*Assignments*", 107),
        CommandItem("*Layout Settings*", 111),
        SeparatorItem(),
        CommandItem("*Names*", 108),
        CommandItem("*Set*", 109),
        SeparatorItem(),
        CommandItem("*Advanced Starting*", 110),
        CommandItem("*About*", 100),
    };
}

std::vector<MenuItem> SetPopupMenu(const ProfileType& profile) {
    std::vector<MenuItem> items;
    for (int set = 0; set < SetCount; ++set) {
        MenuItem item = CheckItem("*Set*", set + 1, set == profile.CurrentSet);
        item.Caption += " " + std::to_string(set + 1);
        items.push_back(std::move(item));
    }
    return items;
}

namespace {

// An assignment option says in words that it is on: "Turbo [ON]".
MenuItem OptionItem(std::string_view key, int tag, bool on) {
    MenuItem item = CommandItem(key, tag);
    if (on) item.Caption += " [" + Translate("*ON*") + "]";
    return item;
}

}  // namespace

std::vector<MenuItem> AssignmentPopupMenu(const ProfileType& profile, int control) {
    const AssignmentType& assignment = profile.Current(control);
    return {
        WindowItem("*Assignment*", AssignmentMenu::Assignment),
        SeparatorItem(),
        OptionItem("*Toggle*", AssignmentMenu::Toggle, assignment.Toggle),
        OptionItem("*Turbo*", AssignmentMenu::Turbo, assignment.Turbo),
        OptionItem("*Rumble*", AssignmentMenu::Rumble, assignment.Rumble),
        SeparatorItem(),
        CommandItem("*Clear (Middle Mouse Button/Wheel Click)*", AssignmentMenu::Clear),
    };
}

}  // namespace velmora
