// The releases a crashed program sends, as SendInput records, under Wine.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <vector>

#include "base/win32/Windows.h"
#include "engine/Emission.h"
#include "engine/win32/HeldInputRelease.h"

namespace velmora {
namespace {

std::vector<std::vector<INPUT>> sent;

UINT WINAPI RecordReleases(UINT count, LPINPUT inputs, int size) {
    if (size != static_cast<int>(sizeof(INPUT))) return 0;
    sent.emplace_back(inputs, inputs + count);
    return count;
}

struct HeldReleases : ::testing::Test {
    HeldInput Held;
    void SetUp() override { sent.clear(); }
    void Press(const char* name) {
        NoteKeyboard(Held, KeyRecord(*FindSlotCode(name), false, KeyCodeMode::ScanCodes));
    }
};

TEST_F(HeldReleases, AllGoOutInOneCallAsKeyUpAndButtonUpRecords) {
    Press("Left Shift");
    Press("Right Control");
    NoteMouse(Held, ButtonRecord(0, false));
    EXPECT_EQ(SendHeldReleases(Held, RecordReleases), 3u);
    ASSERT_EQ(sent.size(), 1u);
    const std::vector<INPUT>& r = sent[0];
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].type, static_cast<DWORD>(INPUT_MOUSE));
    EXPECT_EQ(r[0].mi.dwFlags, static_cast<DWORD>(MOUSEEVENTF_LEFTUP));
    EXPECT_EQ(r[0].mi.dx, 0);
    EXPECT_EQ(r[1].type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(r[1].ki.wScan, 0x1D);
    EXPECT_EQ(r[1].ki.dwFlags,
              static_cast<DWORD>(KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP));
    EXPECT_EQ(r[2].ki.wScan, 0x2A);
    EXPECT_EQ(r[2].ki.dwFlags, static_cast<DWORD>(KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP));
    EXPECT_EQ(r[2].ki.dwExtraInfo, 0u);
}

TEST_F(HeldReleases, NothingHeldOrNoSendFunctionSendsNothing) {
    EXPECT_EQ(SendHeldReleases(Held, RecordReleases), 0u);
    Press("X");
    EXPECT_EQ(SendHeldReleases(Held, nullptr), 0u);
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(SendHeldReleases(Held, RecordReleases), 1u) << "the key is still held for a later call";
    EXPECT_EQ(SendHeldReleases(Held, RecordReleases), 0u);
    EXPECT_EQ(sent.size(), 1u);
}

}  // namespace
}  // namespace velmora

#endif
