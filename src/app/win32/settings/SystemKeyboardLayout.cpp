#include "app/win32/settings/SystemKeyboardLayout.h"

#include "base/win32/Windows.h"

namespace velmora {
namespace {

// The character of one scan code, no modifier down. A dead key answers -1
// and is then pressed a second time, so that it leaves no accent pending for
// the user's next real key press.
char32_t CharacterOf(UINT scanCode, HKL layout) {
    const UINT virtualKey = MapVirtualKeyExW(scanCode, MAPVK_VSC_TO_VK, layout);
    if (virtualKey == 0) return 0;
    BYTE state[256] = {};
    wchar_t text[4] = {};
    int count = ToUnicodeEx(virtualKey, scanCode, state, text, 4, 0, layout);
    if (count < 0) {
        wchar_t flushed[4] = {};
        ToUnicodeEx(virtualKey, scanCode, state, flushed, 4, 0, layout);
        count = 1;
    }
    // Control characters (Enter, Tab, Backspace, Escape) are no caption.
    if (count != 1 || text[0] < 0x20 || (text[0] >= 0xD800 && text[0] < 0xE000)) return 0;
    return static_cast<char32_t>(text[0]);
}

}  // namespace

KeyboardLayoutTable SystemKeyboardLayout() {
    const HKL layout = GetKeyboardLayout(0);
    KeyboardLayoutTable table{};
    for (UINT scanCode = 1; scanCode < table.size(); ++scanCode)
        table[scanCode] = CharacterOf(scanCode, layout);
    return table;
}

}  // namespace velmora
