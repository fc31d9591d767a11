// The keyboard layout as Wine's layout functions report it. The machine's
// layout is US English here (other layouts skip): the system's table must then
// agree with the built-in US table, so that a US user sees the slot table's own
// captions and no key is captioned by a control character.
#ifdef _WIN32

#include <gtest/gtest.h>

#include "app/win32/settings/SystemKeyboardLayout.h"
#include "base/win32/Windows.h"
#include "model/SlotCodes.h"

namespace velmora {
namespace {

bool UsLayoutActive() {
    return LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))) == 0x0409;
}

TEST(SystemKeyboardLayout, OnAUsKeyboardGivesTheUsCharactersOfLettersDigitsAndPunctuation) {
    if (!UsLayoutActive()) GTEST_SKIP() << "the active keyboard layout is not US English";
    const KeyboardLayoutTable system = SystemKeyboardLayout();
    const KeyboardLayoutTable us = UsKeyboardLayout();
    for (std::size_t scan = 0; scan < us.size(); ++scan) {
        if (us[scan] == 0 || scan == 0x56) continue;  // the key beside Left Shift is absent on US keyboards
        EXPECT_EQ(static_cast<std::uint32_t>(system[scan]), static_cast<std::uint32_t>(us[scan]))
            << "scan " << scan;
    }
}

TEST(SystemKeyboardLayout, KeysThatTypeControlCharactersHaveNoCaption) {
    const KeyboardLayoutTable system = SystemKeyboardLayout();
    // Escape, Backspace, Tab and Enter type control characters; 0 and the function keys none.
    for (const std::size_t scan : {0x00u, 0x01u, 0x0Eu, 0x0Fu, 0x1Cu, 0x3Bu, 0x44u})
        EXPECT_EQ(static_cast<std::uint32_t>(system[scan]), 0u) << "scan " << scan;
}

TEST(SystemKeyboardLayout, OnAUsKeyboardTheKeysKeepTheSlotTablesGlyphs) {
    if (!UsLayoutActive()) GTEST_SKIP() << "the active keyboard layout is not US English";
    const KeyGlyphs layout = LayoutGlyphs(SystemKeyboardLayout());
    const KeyGlyphs table = TableGlyphs();
    for (std::size_t code = 0; code < table.size(); ++code) {
        // The key beside Left Shift: the display's keymap may give it "<" (as Wine's does).
        if (SlotCodeTable[code].ScanCode == 0x56) continue;
        EXPECT_TRUE(layout[code] == table[code]) << code;
    }
}

}  // namespace
}  // namespace velmora

#endif
