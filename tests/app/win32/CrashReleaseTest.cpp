// The crash handlers under Wine: a terminate lets go of what is held before
// the process ends. (The exception filter is run by the end-to-end scenario
// that crashes the real program.)
#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/win32/CrashRelease.h"
#include "base/win32/Windows.h"
#include "engine/Emission.h"

namespace velmora {
namespace {

// Tells the dying process's error output what went out, and ends it with
// an exit status of its own: a run that never sent ends as abort ends it.
constexpr int SentStatus = 42;
constexpr int AbortStatus = 3;

UINT WINAPI PrintSendInput(UINT count, LPINPUT inputs, int) {
    for (UINT i = 0; i < count; ++i)
        std::fprintf(stderr, "released %s %02X\n", inputs[i].type == INPUT_KEYBOARD ? "key" : "mouse",
                     inputs[i].ki.wScan);
    std::fflush(stderr);
    std::_Exit(SentStatus);
}

void HoldAndTerminate() {
    NoteKeyboard(ProgramHeldInput(), KeyRecord(*FindSlotCode("X"), false, KeyCodeMode::ScanCodes));
    InstallCrashRelease(PrintSendInput);
    std::terminate();
}

void HoldStopAndTerminate() {
    NoteKeyboard(ProgramHeldInput(), KeyRecord(*FindSlotCode("X"), false, KeyCodeMode::ScanCodes));
    InstallCrashRelease(PrintSendInput);
    StopCrashRelease();  // SendInput's library is about to be freed
    std::fprintf(stderr, "stopped\n");
    std::terminate();
}

TEST(CrashReleaseDeathTest, TerminateReleasesTheHeldKeyBeforeTheProcessEnds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(HoldAndTerminate(), ::testing::ExitedWithCode(SentStatus), "released key 2D");
}

TEST(CrashReleaseDeathTest, AfterTheShutDownTerminateSendsNothing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(HoldStopAndTerminate(), ::testing::ExitedWithCode(AbortStatus), "stopped");
}

}  // namespace
}  // namespace velmora

#endif
