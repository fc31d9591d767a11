#include <gtest/gtest.h>

#include "app/settings/ControllerEnableBoxes.h"
#include "app/settings/ControllerWindowWorld.h"
#include "app/settings/LayoutEditing.h"

namespace velmora::test {
namespace {

class LayoutEditingTest : public ControllerWindowWorld {
protected:
    void SetUp() override {
        ControllerWindowWorld::SetUp();
        SetGroupEnabled(window, layout, ui, LayoutGroup::Stick1, true, raw);  // grid corner (158, 4)
        SetGroupEnabled(window, layout, ui, LayoutGroup::DPad, true, raw);    // grid corner (158, 209)
        SetGroupEnabled(window, layout, ui, LayoutGroup::Triggers, true, raw);
        layout.Locations[0] = {20, 100};
        layout.Changed = 0;
        ui.LayoutRedraws = 0;
    }
    void Drag(int fromRow, int fromColumn, int toRow, int toColumn) {
        ASSERT_EQ(PressOnLayout(window, layout, ui, fromRow, fromColumn), LayoutPress::Drag);
        MoveOnLayout(window, layout, ui, toRow, toColumn);
        ReleaseOnLayout(window, layout, ui);
    }
};

TEST_F(LayoutEditingTest, ButtonsAndTriggersAreHitInsideTheirSquaresOnly) {
    EXPECT_EQ(LayoutHitTest(layout, 20, 100), 0);
    EXPECT_EQ(LayoutHitTest(layout, 49, 129), 0);
    EXPECT_EQ(LayoutHitTest(layout, 50, 129), NoItem);
    EXPECT_EQ(LayoutHitTest(layout, 49, 130), NoItem);
    EXPECT_EQ(LayoutHitTest(layout, 19, 100), NoItem);
    EXPECT_EQ(LayoutHitTest(layout, 33, 507), 45);
    EXPECT_EQ(LayoutHitTest(layout, 4, 4), 44);
}

TEST_F(LayoutEditingTest, TheDPadIsHitOnItsBarsButNotInItsCorners) {
    EXPECT_EQ(LayoutHitTest(layout, 158, 241), 32);      // top of the vertical bar
    EXPECT_EQ(LayoutHitTest(layout, 251, 270), 32);      // bottom of the vertical bar
    EXPECT_EQ(LayoutHitTest(layout, 190, 209), 32);      // left end of the horizontal bar
    EXPECT_EQ(LayoutHitTest(layout, 219, 302), 32);      // right end
    EXPECT_EQ(LayoutHitTest(layout, 160, 212), NoItem);  // the empty corner of the cross
    EXPECT_EQ(LayoutHitTest(layout, 250, 300), NoItem);
}

TEST_F(LayoutEditingTest, AStickIsHitInsideItsCircleButNotInTheGridCorners) {
    EXPECT_EQ(LayoutHitTest(layout, 204, 50), 36);     // the centre
    EXPECT_EQ(LayoutHitTest(layout, 175, 25), 36);     // inside the circle, off every square
    EXPECT_EQ(LayoutHitTest(layout, 159, 5), NoItem);  // the grid's corner lies outside
    EXPECT_EQ(LayoutHitTest(layout, 251, 97), NoItem);
    EXPECT_EQ(LayoutHitTest(layout, 158, 51), 36);  // the circle's top touches the grid
}

TEST_F(LayoutEditingTest, AButtonOverAStickIsHitFirst) {
    layout.Locations[2] = {190, 36};
    EXPECT_EQ(LayoutHitTest(layout, 200, 50), 2);
}

TEST_F(LayoutEditingTest, DraggingAButtonSelectsAndMovesItKeepingTheGrab) {
    Drag(25, 110, 65, 210);
    EXPECT_EQ(At(0), (Location{60, 200}));
    EXPECT_EQ(window.SelectedButton, 0);
    EXPECT_EQ(layout.Changed, 1);
    EXPECT_EQ(ui.LayoutRedraws, 1);
    EXPECT_EQ(window.Drag.Item, NoItem);
}

TEST_F(LayoutEditingTest, SingleSquaresStopAtEveryEdge) {
    Drag(20, 100, -50, -50);
    EXPECT_EQ(At(0), (Location{1, 1}));
    Drag(1, 1, 900, 900);
    EXPECT_EQ(At(0), (Location{225, 481}));
    Drag(33, 490, 300, 600);  // the right trigger, grabbed at its bottom row
    EXPECT_EQ(At(45), (Location{225, 481}));
}

TEST_F(LayoutEditingTest, GroupsStopWithTheirGridInsideThePicture) {
    Drag(204, 50, 500, 800);  // Stick 1 against the bottom-right corner
    EXPECT_EQ(At(36), (Location{161, 449}));
    EXPECT_EQ(At(37), (Location{193, 481}));
    EXPECT_EQ(At(38), (Location{225, 449}));
    EXPECT_EQ(At(39), (Location{193, 417}));
    EXPECT_EQ(At(47), (Location{225, 481}));  // diagonals follow
    Drag(200, 460, -100, -100);
    EXPECT_EQ(At(39), (Location{33, 1}));
    EXPECT_EQ(At(36), (Location{1, 33}));
}

TEST_F(LayoutEditingTest, TheDPadMovesAsAWhole) {
    Drag(160, 250, 100, 150);  // grabbed at (2, 41) of its grid
    EXPECT_EQ(At(32), (Location{98, 141}));
    EXPECT_EQ(At(35), (Location{130, 109}));
    EXPECT_EQ(At(56), (Location{162, 109}));  // DownLeft
    EXPECT_EQ(layout.Indicators[DPadIndicator].Top, 162);
}

TEST_F(LayoutEditingTest, AButtonDroppedOnAStickBecomesItsPushButtonAndMovesWithIt) {
    Drag(20, 100, 170, 20);  // dropped over Stick 1's grid
    EXPECT_EQ(At(0), (Location{190, 36}));
    Drag(175, 25, 75, 125);  // the stick, grabbed beside its button, moves up and right
    EXPECT_EQ(At(0), (Location{90, 136}));
    EXPECT_EQ(At(0), (Location{At(39).Top, At(36).Left}));
}

TEST_F(LayoutEditingTest, AButtonDroppedBesideAStickStaysWhereItIs) {
    Drag(20, 100, 130, 120);
    EXPECT_EQ(At(0), (Location{130, 120}));
    EXPECT_EQ(StickUnderButton(layout, 0), NoItem);
}

TEST_F(LayoutEditingTest, APressOnNothingWithoutADrawModeDoesNothing) {
    EXPECT_EQ(PressOnLayout(window, layout, ui, 100, 300), LayoutPress::Nothing);
    MoveOnLayout(window, layout, ui, 110, 310);
    EXPECT_EQ(layout.Changed, 0);
}

}  // namespace
}  // namespace velmora::test
