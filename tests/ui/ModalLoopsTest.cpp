// The passes' timer is set when the first loop of its own begins and killed
// when the last one ends; nested loops (a message box over a dialog, a menu
// in a moved window) must not kill it early or set it twice.

#include <gtest/gtest.h>

#include <vector>

#include "ui/ModalLoops.h"

namespace velmora::test {
namespace {

struct HeldLog {
    std::vector<bool> Heard;
    HeldLog() {
        SetModalLoopListener([this](bool held) { Heard.push_back(held); });
    }
    ~HeldLog() { SetModalLoopListener(nullptr); }
};

TEST(ModalLoops, NestedLoopsAreHeardOnceAtTheOutermostBeginningAndEnd) {
    HeldLog log;
    {
        const ModalLoopScope dialog;
        {
            const ModalLoopScope messageBox;
            const ModalLoopScope menu;
            EXPECT_TRUE(ModalLoopHeld());
        }
        // The inner loops ended while the dialog is still up: passes still need the timer.
        EXPECT_TRUE(ModalLoopHeld());
        EXPECT_EQ(log.Heard, std::vector<bool>{true});
    }
    EXPECT_FALSE(ModalLoopHeld());
    EXPECT_EQ(log.Heard, (std::vector<bool>{true, false}));
}

// Regression: an end heard without its beginning once took the depth below
// zero, and the next dialog then began at zero unheard, without passes.
TEST(ModalLoops, AnEndWithoutABeginningDoesNotSilenceTheNextLoop) {
    HeldLog log;
    ModalLoopEnds();
    EXPECT_TRUE(log.Heard.empty());
    {
        const ModalLoopScope dialog;
        EXPECT_TRUE(ModalLoopHeld());
    }
    EXPECT_EQ(log.Heard, (std::vector<bool>{true, false}));
}

TEST(ModalLoops, LoopsAreCountedWithoutAListenerAndTheNextOneIsHeard) {
    {
        const ModalLoopScope startupGate;
        EXPECT_TRUE(ModalLoopHeld());
    }
    HeldLog log;
    const ModalLoopScope menu;
    EXPECT_EQ(log.Heard, std::vector<bool>{true});
}

}  // namespace
}  // namespace velmora::test
