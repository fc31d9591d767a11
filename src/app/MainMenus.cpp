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
    MenuItem settings = WindowItem("*Settings*", 5, connected);
    settings.Visible = false;  // the profile settings window is not offered yet
    return {
        WindowItem("*New*", 1, connected),
        WindowItem("*Open*", ProfileOpenTag, connected),
        settings,
        CommandItem("*Save*", 3, c && c->Profile.Changed && !c->Profile.FileName.empty()),
        WindowItem("*Save As*", 4, c != nullptr),
    };
}

std::vector<MenuItem> ControllerPopupMenu(const ControllerListType& list) {
    const ControllerDataType* c = SelectedController(list);
    const bool connected = SelectedConnected(list);
    const ControllerFileType* layout = c ? &list.Layouts[c->ControllerFileIndex] : nullptr;
    return {
        WindowItem("*New*", 1, connected),
        WindowItem("*Settings*", 2, connected),
        WindowItem("*Open*", 3, connected),
        CommandItem("*Save*", 4, layout && layout->Changed && !layout->FileName.empty()),
        WindowItem("*Save As*", 5, c != nullptr),
        WindowItem("*Properties*", 6, connected),
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
        WindowItem("*Assignment*", 0),
        SeparatorItem(),
        OptionItem("*Toggle*", 1, assignment.Toggle),
        OptionItem("*Turbo*", 2, assignment.Turbo),
        OptionItem("*Rumble*", 3, assignment.Rumble),
        SeparatorItem(),
        CommandItem("*Clear (Middle Mouse Button/Wheel Click)*", 4),
    };
}

}  // namespace velmora
