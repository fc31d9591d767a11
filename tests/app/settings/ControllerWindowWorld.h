#pragma once
// A controller settings window with a blank layout, a scripted user
// interface and a raw state the tests move, for the window's logic tests.

#include <gtest/gtest.h>

#include "app/settings/ControllerWindow.h"
#include "base/Language.h"
#include "support/RecordingUserInterface.h"

namespace velmora::test {

class ControllerWindowWorld : public ::testing::Test {
protected:
    void SetUp() override {
        UseEnglish();
        ShowControllerWindow(window, raw);
    }
    // One pass of detection against the current raw state.
    bool Tick() { return DetectionTick(window, layout, ui, raw); }
    const Location& At(int index) const { return layout.Locations[static_cast<std::size_t>(index)]; }

    ControllerWindowState window;
    ControllerFileType layout;
    RecordingUserInterface ui;
    RawJoyState raw;
};

}  // namespace velmora::test
