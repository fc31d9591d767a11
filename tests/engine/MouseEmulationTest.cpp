#include <gtest/gtest.h>

#include <string_view>

#include "engine/ControlResolution.h"
#include "engine/MouseEmulation.h"
#include "support/RecordingInputSink.h"
#include "support/SlotCode.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

using test::Code;

AssignmentType Mover(std::uint8_t mode, std::uint8_t speed = 32) {
    AssignmentType a;
    a.MouseMode = mode;
    a.MouseSpeed = speed;
    return a;
}

// Resolves the controller's input and takes the resolved states as effective.
void Resolve(ControllerDataType& c) {
    ResolveControls(c);
    c.EffectiveState = c.ControlState;
}

TEST(BuildSpeedTable, RowsEndAtTwentyTimesTheirSpeed) {
    const SpeedTable& t = SharedSpeedTable();
    EXPECT_EQ(t[50][255], 1001);
    EXPECT_EQ(t[100][255], 2001);
    EXPECT_EQ(t[255][255], 5102);
    EXPECT_EQ(t[0][0], 0);
    EXPECT_EQ(t[0][1], 10);
    EXPECT_EQ(t[0][255], 10);
    EXPECT_EQ(t[100][1], 10);
    EXPECT_LT(t[100][128], t[100][200]);
}

TEST(AddMouseSlot, AButtonInLookModeAcceleratesOnEveryFifthPass) {
    ControllerDataType c;
    c.EffectiveState[Button1] = Active;
    const AssignmentType a = Mover(LookCamera);
    MouseState m;
    std::vector<int> amounts;
    for (int pass = 3; pass <= 41; ++pass) {
        AddMouseSlot(m, c, Button1, Code("Mouse Move Right"), a, pass % 100);
        if (pass % 5 == 1) amounts.push_back(m.AmountX);  // the pass after each raise
        m.AmountX = 0;
    }
    EXPECT_EQ(amounts, (std::vector<int>{128, 192, 224, 240, 248, 252, 254, 255}));
    EXPECT_TRUE(m.DigitalMovement);
}

TEST(AddMouseSlot, SpringButtonsAccelerateOnEveryCall) {
    ControllerDataType c;
    c.EffectiveState[DPadLeft] = Active;
    const AssignmentType a = Mover(Spring);
    MouseState m;
    AddMouseSlot(m, c, DPadLeft, Code("Mouse Move Left"), a, 1);
    EXPECT_TRUE(m.SpringFlag);
    EXPECT_EQ(c.MouseAcceleration, 8);
    AddMouseSlot(m, c, DPadLeft, Code("Mouse Move Left"), a, 2);
    EXPECT_EQ(c.MouseAcceleration, 15);  // 8 + 248 / 32
    EXPECT_EQ(m.SpringX, SpringCentre - static_cast<int>(8 * SpringScale));
}

TEST(AddMouseSlot, CursorModeFollowsTheStickIntoAWholeHalf) {
    ControllerDataType c;
    c.Profile.Sets[0].StickModes[0] = FourWay;
    c.Input.StickX[0] = 200;
    c.Input.StickY[0] = 100;  // 63 degrees: FourWay gives right only
    Resolve(c);
    ASSERT_EQ(c.EffectiveState[Stick1Up], Inactive);
    MouseState look, cursor;
    AddMouseSlot(look, c, Stick1Up, Code("Mouse Move Up"), Mover(LookCamera), 1);
    AddMouseSlot(cursor, c, Stick1Up, Code("Mouse Move Up"), Mover(Cursor), 1);
    EXPECT_EQ(look.AmountY, 0);
    // m = (223 - 64 + 1) / 192 * 255 = 212.5; cos 63 degrees = 0.454
    EXPECT_EQ(cursor.AmountY, -96);
    EXPECT_EQ(cursor.SpeedCountY, 1);
}

TEST(AddMouseSlot, TriggerAmountStartsAtItsThreshold) {
    ControllerDataType c;
    c.Profile.Sets[0].TriggerDeadZones[1] = 56;
    c.Input.Triggers[1] = 156;
    Resolve(c);
    MouseState m;
    AddMouseSlot(m, c, TriggerRight, Code("Mouse Move Down"), Mover(LookCamera), 1);
    EXPECT_EQ(m.AmountY, 128);  // (156 - 56 + 1) / 200 * 255 = 128.8
}

struct MouseRun {
    ControllerDataType C;
    MouseState M;
    test::RecordingInputSink Sink;

    void Pass(int control, std::string_view move, const AssignmentType& a) {
        Resolve(C);
        AddMouseSlot(M, C, control, Code(move), a, Sink.Pass);
        EmitMouse(M, SharedSpeedTable(), Sink);
        ++Sink.Pass;
    }
};

TEST(EmitMouse, FullDeflectionAtSpeed100Moves2001HundredthsPerPass) {
    MouseRun r;
    r.C.Profile.Sets[0].StickDeadZones[0] = 0;
    r.C.Input.StickX[0] = 255;
    for (int i = 0; i < 100; ++i) r.Pass(Stick1Right, "Mouse Move Right", Mover(LookCamera, 100));
    EXPECT_EQ(r.M.SpeedX, 2001);
    EXPECT_EQ(r.Sink.Lines.front(), "0 move 20 0");
    // The hundredths carry: the moves add up to the whole pixels travelled.
    EXPECT_NEAR(r.M.PositionX, 2001.0, 1e-6);
    int sum = 0;
    for (const MouseRecord& rec : r.Sink.Mouse) sum += rec.Dx;
    EXPECT_EQ(sum, static_cast<int>(r.M.PositionX));
}

TEST(EmitMouse, BothAxesAtFullAmountUse180And180) {
    MouseState m;
    m.AmountX = 300;
    m.AmountY = -255;
    m.SpeedSumX = m.SpeedSumY = 100;
    m.SpeedCountX = m.SpeedCountY = 1;
    test::RecordingInputSink sink;
    EmitMouse(m, SharedSpeedTable(), sink);
    // r = round(sqrt(180^2 + 180^2)) = 255; 180 / 255 * 2001 = 1412.5 -> 1412 (halves to even)
    EXPECT_EQ(m.SpeedX, 1412);
    EXPECT_EQ(m.SpeedY, -1412);
    EXPECT_EQ(sink.Lines, (Lines{"0 move 14 -14"}));
}

TEST(EmitMouse, OppositeMovesCancelAndTheirSpeedsCarryToTheNextMove) {
    MouseState m;
    m.AmountX = 0;  // +100 and -100 from two controllers
    m.SpeedSumX = 100 + 50;
    m.SpeedCountX = 2;
    test::RecordingInputSink sink;
    EmitMouse(m, SharedSpeedTable(), sink);
    EXPECT_TRUE(sink.Lines.empty());
    EXPECT_EQ(m.SpeedCountX, 2);
    m.AmountX = 255;
    m.SpeedSumX += 255;
    ++m.SpeedCountX;
    EmitMouse(m, SharedSpeedTable(), sink);
    EXPECT_EQ(m.SpeedX, SharedSpeedTable()[135][255]);  // (100 + 50 + 255) / 3
    EXPECT_EQ(m.SpeedCountX, 0);
}

TEST(EmitMouse, SpringPutsThePointerWhereTheStickPointsAndBackToTheCentre) {
    MouseRun r;
    r.C.Profile.Sets[0].StickDeadZones[0] = 0;
    r.C.Input.StickY[0] = -255;
    r.Pass(Stick1Down, "Mouse Move Down", Mover(Spring));
    r.Pass(Stick1Down, "Mouse Move Down", Mover(Spring));  // unchanged: nothing sent
    r.C.Input.StickY[0] = 0;
    r.Pass(Stick1Down, "Mouse Move Down", Mover(Spring));
    r.Pass(Stick1Down, "Mouse Move Down", Mover(Spring));
    // 255 x 181.729 passes the edge (full diagonals reach the corners): kept inside 0..65535.
    EXPECT_EQ(r.Sink.Lines, (Lines{"0 abs 32767 65535", "2 abs 32767 32767"}));
}

// Regression: the spring position used to be stored into the relative
// position, so the first relative move after a spring move jumped by tens
// of thousands of pixels.
TEST(EmitMouse, ARelativeMoveAfterASpringMoveDoesNotJump) {
    MouseRun r;
    r.C.Profile.Sets[0].StickDeadZones[0] = 0;
    r.C.Input.StickX[0] = 255;
    r.Pass(Stick1Right, "Mouse Move Right", Mover(Spring, 100));
    r.Pass(Stick1Right, "Mouse Move Right", Mover(LookCamera, 100));
    ASSERT_EQ(r.Sink.Mouse.size(), 2u);
    EXPECT_EQ(r.Sink.Mouse[0].Flags, MouseMoveFlag | MouseAbsolute);
    EXPECT_EQ(r.Sink.Lines[1], "1 move 20 0");
}

}  // namespace
}  // namespace velmora
