// The system's answers to the elevation watch under Wine. Wine runs every
// program at one level, so what can be checked is that ordinary windows,
// ours and another program's, answer a level and are never taken for an
// administrator's, and that a closed window answers nothing.
#ifdef _WIN32

#include <gtest/gtest.h>

#include "app/win32/ForegroundLevels.h"
#include "support/win32/WindowTestSupport.h"

namespace velmora {
namespace {

struct Levels : ::testing::Test {
    Win32Foreground Seam;
    HWND Window = nullptr;

    void SetUp() override {
        if (!testing::CanCreateWindows()) GTEST_SKIP() << "no display";
        Window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(Window, nullptr);
    }
    void TearDown() override {
        if (Window) DestroyWindow(Window);
    }
    std::uintptr_t Id(HWND window) const { return reinterpret_cast<std::uintptr_t>(window); }
};

TEST_F(Levels, OurOwnWindowIsAtOurKnownLevelAndNotBlocked) {
    const ProcessLevel own = Seam.OwnLevel();
    ASSERT_EQ(own.Kind, ProcessLevel::Known);
    EXPECT_GE(own.Value, 0x1000u);  // at least low; never untrusted for a program started normally
    const ProcessLevel level = Seam.WindowLevel(Id(Window));
    ASSERT_EQ(level.Kind, ProcessLevel::Known);
    EXPECT_EQ(level.Value, own.Value);
    EXPECT_FALSE(InputBlocked(level, own));
}

TEST_F(Levels, AClosedWindowAnswersUnknown) {
    const std::uintptr_t closed = Id(Window);
    DestroyWindow(Window);
    Window = nullptr;
    EXPECT_EQ(Seam.WindowLevel(closed).Kind, ProcessLevel::Unknown);
}

TEST_F(Levels, TheWatchShowsNoNoticeForOurWindowInFront) {
    SetForegroundWindow(Window);
    ASSERT_EQ(Seam.ForegroundWindow(), Id(Window));
    ElevationWatch watch;
    const ElevationShow show = StepElevationWatch(watch, Seam, true, true);
    EXPECT_EQ(watch.Window, Id(Window));
    EXPECT_FALSE(show.TopBarNotice);
    EXPECT_FALSE(show.Balloon);
}

// Another program's window: Wine's notepad, started and closed by the test.
struct OtherProgram : Levels {
    PROCESS_INFORMATION Process{};

    HWND StartNotepad() {
        wchar_t command[] = L"notepad.exe";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &Process))
            return nullptr;
        WaitForInputIdle(Process.hProcess, 10000);
        for (int tries = 0; tries < 100; ++tries) {
            if (HWND found = WindowOf(Process.dwProcessId)) return found;
            Sleep(50);
        }
        return nullptr;
    }
    static HWND WindowOf(DWORD processId) {
        struct Search {
            DWORD Id;
            HWND Found;
        } search{processId, nullptr};
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner != s->Id || !IsWindowVisible(window)) return TRUE;
                s->Found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.Found;
    }
    void TearDown() override {
        if (Process.hProcess) {
            TerminateProcess(Process.hProcess, 0);
            WaitForSingleObject(Process.hProcess, 5000);
            CloseHandle(Process.hProcess);
            CloseHandle(Process.hThread);
        }
        Levels::TearDown();
    }
};

// Not taken for an administrator's; but above us once the override that lets
// the notice be seen under Wine takes our own level for low.
TEST_F(OtherProgram, AnOrdinaryProgramsWindowIsAboveOnlyALowLevel) {
    const HWND notepad = StartNotepad();
    ASSERT_NE(notepad, nullptr) << "notepad did not open a window";
    const ProcessLevel level = Seam.WindowLevel(Id(notepad));
    ASSERT_EQ(level.Kind, ProcessLevel::Known);
    EXPECT_FALSE(InputBlocked(level, Seam.OwnLevel()));
    SetEnvironmentVariableW(L"VELMORA_TEST_OWN_LEVEL", L"0x1000");
    const ProcessLevel low = Seam.OwnLevel();
    SetEnvironmentVariableW(L"VELMORA_TEST_OWN_LEVEL", nullptr);
    EXPECT_EQ(low.Value, 0x1000u);
    EXPECT_TRUE(InputBlocked(level, low));
}

}  // namespace
}  // namespace velmora

#endif
