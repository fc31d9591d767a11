#include "ui/win32/PopupMenus.h"

#include "base/win32/WideText.h"
#include "ui/ModalLoops.h"

namespace velmora {
namespace {

// Menu identifiers are Tags moved up, since 0 is TrackPopupMenu's "nothing chosen"
// while 0 is a valid Tag (the assignment item).
constexpr int TagBase = 1000;

// A "&" in a caption (a file name) would underline the next letter instead of showing.
std::wstring MenuText(const std::string& caption) {
    std::wstring text;
    for (const wchar_t c : Utf8ToWide(caption)) {
        if (c == L'&') text += L'&';
        text += c;
    }
    return text;
}

HMENU BuildMenu(const std::vector<MenuItem>& items) {
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : items) {
        if (!item.Visible) continue;
        if (item.Separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.Enabled ? MF_ENABLED : MF_GRAYED) | (item.Checked ? MF_CHECKED : 0u);
        UINT_PTR id = static_cast<UINT_PTR>(item.Tag + TagBase);
        if (!item.Items.empty()) {
            flags |= MF_POPUP;
            id = reinterpret_cast<UINT_PTR>(BuildMenu(item.Items));
        }
        AppendMenuW(menu, flags, id, MenuText(item.Caption).c_str());
    }
    return menu;
}

}  // namespace

int TrackMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen) {
    HMENU menu = BuildMenu(items);
    // Without the foreground a menu opened from the tray would not close on a click elsewhere.
    SetForegroundWindow(owner);
    const ModalLoopScope held;
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                      screen.x, screen.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);  // destroys the submenus with it
    return chosen >= TagBase ? chosen - TagBase : NoMenuChoice;
}

}  // namespace velmora
