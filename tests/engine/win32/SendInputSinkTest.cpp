// The SendInput sink's records, run under Wine in the Windows build.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <vector>

#include "base/win32/Windows.h"
#include "engine/win32/SendInputSink.h"

namespace velmora {
namespace {

struct Call {
    UINT Count;
    INPUT Record;
    int Size;
};
std::vector<Call> calls;

UINT WINAPI RecordSendInput(UINT count, LPINPUT inputs, int size) {
    calls.push_back({count, inputs[0], size});
    return count;
}

class SendInputRecords : public ::testing::Test {
protected:
    SendInputSink sink{RecordSendInput};
    void SetUp() override { calls.clear(); }
};

TEST_F(SendInputRecords, OneKeyboardRecordPerCallWithTheScanCodeFlags) {
    sink.SendKeyboard({0, 0x1D, KeyScanCode | KeyExtended});
    sink.SendKeyboard({0, 0x1E, KeyScanCode | KeyUp});
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].Count, 1u);
    EXPECT_EQ(calls[0].Size, static_cast<int>(sizeof(INPUT)));
    EXPECT_EQ(calls[0].Record.type, static_cast<DWORD>(INPUT_KEYBOARD));
    EXPECT_EQ(calls[0].Record.ki.wScan, 0x1D);
    EXPECT_EQ(calls[0].Record.ki.dwFlags, static_cast<DWORD>(KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY));
    EXPECT_EQ(calls[1].Record.ki.dwFlags, static_cast<DWORD>(KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP));
    EXPECT_EQ(calls[1].Record.ki.wVk, 0);
    EXPECT_EQ(calls[1].Record.ki.time, 0u);
    EXPECT_EQ(calls[1].Record.ki.dwExtraInfo, 0u);
}

// Each kind of mouse event has its own record: a move never carries the
// wheel amount of an earlier wheel event, nor a button the last move's deltas.
TEST_F(SendInputRecords, MovesButtonsAndWheelUseTheirOwnRecords) {
    sink.SendMouse({0, 0, -120, MouseWheelFlag});
    sink.SendMouse({7, -3, 0, MouseMoveFlag});
    sink.SendMouse({32767, 1000, 0, MouseMoveFlag | MouseAbsolute});
    sink.SendMouse({0, 0, 0, MouseLeftDown});
    ASSERT_EQ(calls.size(), 4u);

    EXPECT_EQ(calls[0].Record.mi.dwFlags, static_cast<DWORD>(MOUSEEVENTF_WHEEL));
    EXPECT_EQ(static_cast<LONG>(calls[0].Record.mi.mouseData), -120);

    EXPECT_EQ(calls[1].Record.mi.dwFlags, static_cast<DWORD>(MOUSEEVENTF_MOVE));
    EXPECT_EQ(calls[1].Record.mi.dx, 7);
    EXPECT_EQ(calls[1].Record.mi.dy, -3);
    EXPECT_EQ(calls[1].Record.mi.mouseData, 0u);

    EXPECT_EQ(calls[2].Record.mi.dwFlags, static_cast<DWORD>(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE));
    EXPECT_EQ(calls[2].Record.mi.dx, 32767);

    EXPECT_EQ(calls[3].Record.type, static_cast<DWORD>(INPUT_MOUSE));
    EXPECT_EQ(calls[3].Record.mi.dwFlags, static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN));
    EXPECT_EQ(calls[3].Record.mi.mouseData, 0u);
    EXPECT_EQ(calls[3].Record.mi.dx, 0);
}

TEST(SendInputEntryPoint, UserThirtyTwoGivesSendInput) {
    const SendInputEntry entry = LoadSendInput();
    EXPECT_TRUE(static_cast<bool>(entry.Library));
    EXPECT_NE(entry.SendInput, nullptr);
}

}  // namespace
}  // namespace velmora

#endif
