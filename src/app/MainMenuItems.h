#pragma once
// Building blocks of the popup menus: a command, a command that opens a
// window (its caption ends in "..."), a separator and a submenu.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Language.h"
#include "base/UserInterface.h"

namespace velmora {

inline MenuItem CommandItem(std::string_view key, int tag, bool enabled = true) {
    MenuItem item;
    item.Caption = Translate(key);
    item.Tag = tag;
    item.Enabled = enabled;
    return item;
}

// The dots go after the translation: a language file translates the words only.
inline MenuItem WindowItem(std::string_view key, int tag, bool enabled = true) {
    MenuItem item = CommandItem(key, tag, enabled);
    item.Caption += "...";
    return item;
}

inline MenuItem CheckItem(std::string_view key, int tag, bool checked) {
    MenuItem item = CommandItem(key, tag);
    item.Checked = checked;
    return item;
}

inline MenuItem SeparatorItem() {
    MenuItem item;
    item.Separator = true;
    return item;
}

inline MenuItem SubmenuItem(std::string caption, std::vector<MenuItem> items) {
    MenuItem item;
    item.Caption = std::move(caption);
    item.Items = std::move(items);
    return item;
}

// The item the menu answered with, when it could be chosen: a disabled or
// hidden item is never acted on, whatever the window reports.
const MenuItem* ChosenItem(const std::vector<MenuItem>& items, int tag);

}  // namespace velmora
