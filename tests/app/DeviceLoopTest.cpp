// The main loop's devices and dialogs: the work that may open a dialog runs
// between passes and the passes go on inside its dialogs (the shell runs them
// from its timer; here the dialog double runs them), a device change during a
// rescan's messages is not forgotten, a controller that is not processed is
// still read for its presence, and rumble stops the way it was started.

#include <gtest/gtest.h>

#include "devices/ControllerLinks.h"
#include "devices/DeviceRumble.h"
#include "support/MainPassWorld.h"

namespace velmora::test {
namespace {

void AssignKey(ControllerDataType& c, std::string_view key) {
    SetSlot(Button1Of(c).Slots, 0, *FindSlotCode(key));
}

// Regression: dialogs that a pass opened (the open dialog of "[All...]", the
// requested profile's questions, "/?", "/C") froze every pad until closed.
TEST(DeviceLoop, APassOpensNoDialog_ItsRequestsWaitForTheWorkBetweenPassesWhosePassesGoOn) {
    MainPassWorld w;
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Run();
    AssignKey(w.Pad(0), "A");
    w.Pad(0).OpenProfileRequest = {ChooseProfileFile, ""};
    w.State->CommandLine.HelpSwitch = true;
    w.State->CommandLine.CloseSwitch = true;
    w.Shell.AllowClose = false;
    w.Pass(3);
    EXPECT_TRUE(w.Ui.OpenDialogs.empty());
    EXPECT_EQ(w.Shell.Helps + w.Shell.CloseQueries, 0);

    // A key held when the dialog opens goes up with its button, the dialog still up.
    MainPassWorld::Press(w.Api.Device(0), 0);
    w.Pass();
    w.Ui.WhileDialogShown = [&w] {
        w.Pass(2);
        MainPassWorld::Press(w.Api.Device(0), 0, false);
        w.Pass();
        EXPECT_EQ(Count(w.Sink.Lines, "key up"), 1);
    };
    w.Run();
    EXPECT_EQ(w.Ui.OpenDialogs.size(), 1u);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, NoProfileRequest);
    EXPECT_EQ(w.Shell.Helps, 1);
    EXPECT_EQ(w.Shell.CloseQueries, 1);
    EXPECT_EQ(Count(w.Sink.Lines, "key down"), 1);
}

// Regression: the flag was cleared after the rescan's messages, so a pad
// plugged while they were up stayed unknown until the next device change.
TEST(DeviceLoop, PassesGoOnInsideARescansMessage_AndAPadPluggedMeanwhileIsOpenedNext) {
    MainPassWorld w;
    w.Api.Plug(MakeFakeDevice("Pad A", 2, 1));
    w.Run();
    AssignKey(w.Pad(0), "A");
    KnownControllerDataType& known = w.Config.KnownControllers[w.Config.KnownCount++];
    known.Identity = {"Pad K", 0x045E0028};
    known.ControllerFile = w.Folder.File("Gone.velmoracontroller");  // its message comes up
    w.Api.Plug(MakeFakeDevice("Pad K", 1, 1));
    w.Ui.WhileDialogShown = [&w] {
        w.Ui.WhileDialogShown = nullptr;
        MainPassWorld::Press(w.Api.Device(0), 0);
        w.Pass(2);
        w.Api.Plug(MakeFakeDevice("Pad N", 3, 1));
        w.List().RescanFlag = true;  // the system's device-change notice
        w.Pass(2);
    };
    w.Rescan();
    ASSERT_EQ(w.Ui.Dialogs.size(), 2u);  // the file's own message, then the auto-open's
    EXPECT_EQ(w.Ui.Dialogs[1].Heading, "Cannot auto-open controller file");
    EXPECT_EQ(Count(w.Sink.Lines, "key down"), 1);  // typed while the message was up
    EXPECT_EQ(w.Named("Pad N"), nullptr);
    w.Run();
    ASSERT_NE(w.Named("Pad N"), nullptr);
    EXPECT_EQ(w.Named("Pad N")->Connection, Connected);
}

// Regression: a controller that was not processed was not read, so its loss
// went unseen and its re-plug was ignored.
TEST(DeviceLoop, ANonProcessedControllerUnpluggedAndPluggedBackIsSeenAgain) {
    MainPassWorld w;
    w.Config.ProcessNonSelectedControllers = false;
    w.Api.Plug(MakeFakeDevice("Pad A", 1, 1));
    w.Api.Plug(MakeFakeDevice("Pad B", 2, 1));
    w.Run();
    ControllerDataType* b = w.Named("Pad B");
    ASSERT_FALSE(b->Processing);
    AssignKey(*b, "B");
    MainPassWorld::Press(w.Api.Device(1), 0);
    w.Run(2);
    EXPECT_TRUE(w.Sink.Lines.empty());  // read, but its assignments do not run

    w.Api.Unplug(1);
    w.Run();
    EXPECT_EQ(b->Connection, Lost);
    w.Api.Device(1).Attached = true;
    w.Rescan(2);
    EXPECT_EQ(b->Connection, Connected);
    DeviceRumble rumble(w.Api);
    DeviceContext context{w.List(), w.Api, w.Ui, w.Config, rumble};
    SelectController(context, 1);
    w.Run(2);
    EXPECT_EQ(b->Connection, Connected);
    EXPECT_EQ(Count(w.Sink.Lines, "key down"), 1);
}

// Regression: an XInput pad lost while rumbling was made unidentified before
// its rumble was stopped, and got a DirectInput stop-all instead.
TEST(DeviceLoop, ALostControllersRumbleIsStoppedThroughTheKindItWasStartedWith) {
    MainPassWorld w;
    w.Api.Plug(MakeFakeDevice("Pad X", 1, 1));
    w.Api.Pads[0] = RawXInputState{};
    w.Run();
    ASSERT_EQ(w.Pad(0).DeviceKind, XInputDevice);
    AssignmentType& a = Button1Of(w.Pad(0));
    a.Rumble = true;
    a.RumbleStrengths = {255, 1};
    w.Api.Pads[0]->Buttons = XInputA;
    w.Run();
    ASSERT_EQ(w.Api.Calls, (std::vector<std::string>{"XInput 0 65280 256"}));
    w.Api.Pads[0].reset();
    w.Api.Unplug(0);
    w.Run();
    ASSERT_EQ(w.Pad(0).Connection, Lost);
    EXPECT_EQ(w.Api.Calls[1], "XInput 0 0 0");
    EXPECT_EQ(Count(w.Api.Calls, "StopAll"), 0);

    MainPassWorld d;
    d.Api.Status = XInputNotFound;
    FakeDevice wheel = MakeFakeDevice("Wheel", 2, 1);
    wheel.Caps.ForceFeedback = true;
    wheel.Axes = {{AxisObjectType::X, true}, {AxisObjectType::Y, true}};
    d.Api.Plug(wheel);
    d.Run();
    AssignmentType& r = Button1Of(d.Pad(0));
    r.Rumble = true;
    r.RumbleStrengths = {255, 0};
    MainPassWorld::Press(d.Api.Device(0), 0);
    d.Run();
    ASSERT_EQ(d.Api.Calls, (std::vector<std::string>{"Force 0 9945 0"}));
    d.Api.Unplug(0);
    d.Run();
    EXPECT_EQ(d.Api.Calls[1], "StopAll 0");
}

// Regression: a hand-over that arrived while a dialog was up was dropped, and
// a later one cleared the shortcut still waiting for its controllers.
TEST(DeviceLoop, AHandOverKeepsAWaitingShortcut_AndOneDuringADialogIsServedAfterIt) {
    MainPassWorld w;
    w.State->HandOvers.push_back({"C:\\Games\\Game.lnk"});
    w.Run();
    w.State->HandOvers.push_back({w.WriteProfileFile("First")});  // waits for the first controller
    w.Run();
    EXPECT_EQ(w.State->CommandLine.ShortcutPath, "C:\\Games\\Game.lnk");
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Rescan(2);
    ASSERT_EQ(w.List().Count(), 1u);
    EXPECT_EQ(w.Pad(0).Profile.Name, "First");
    EXPECT_EQ(w.Shell.Launched, (std::vector<std::string>{"C:\\Games\\Game.lnk"}));

    const std::string handed = w.WriteProfileFile("Handed");
    w.Pad(0).OpenProfileRequest = {ChooseProfileFile, ""};
    w.Ui.WhileDialogShown = [&] {
        w.Ui.WhileDialogShown = nullptr;
        w.State->HandOvers.push_back({handed});
        w.Pass();
    };
    w.Run();  // the open dialog is cancelled
    ASSERT_EQ(w.Ui.OpenDialogs.size(), 1u);
    w.Run();
    EXPECT_EQ(w.Pad(0).Profile.Name, "Handed");
}

}  // namespace
}  // namespace velmora::test
