#include <gtest/gtest.h>

#include "devices/DeviceScan.h"
#include "support/DeviceWorld.h"

namespace velmora::test {
namespace {

ControllerDataType Entry(std::string name, std::uint8_t known, std::uint8_t instance) {
    ControllerDataType c;
    c.Identity.DeviceName = std::move(name);
    c.KnownIndex = known;
    c.InstanceNumber = instance;
    return c;
}

TEST(SortControllers, KnownFirstByIndexAndInstanceThenOthersByNameAndTheSelectionFollows) {
    ControllerListType list;
    list.Controllers = {Entry("Zed", 255, 0), Entry("Pad", 1, 1),     Entry("Alpha", 255, 1),
                        Entry("Pad", 1, 0),   Entry("Alpha", 255, 0), Entry("Stick", 0, 0)};
    list.Selected = 2;  // Alpha #1
    SortControllers(list);
    std::vector<std::string> order;
    for (const ControllerDataType& c : list.Controllers)
        order.push_back(c.Identity.DeviceName + std::to_string(c.InstanceNumber));
    EXPECT_EQ(order, (std::vector<std::string>{"Stick0", "Pad0", "Pad1", "Alpha0", "Alpha1", "Zed0"}));
    EXPECT_EQ(list.Selected, 4);
}

TEST(LinkDevice, UnknownControllersAreNumberedByTheirIdentityInTheList) {
    DeviceWorld w;
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Api.Plug(MakeFakeDevice("Stick", 2, 1));
    w.Api.Plug(MakeFakeDevice("Pad", 1, 2));
    w.Rescan();
    ASSERT_EQ(w.List.Count(), 3u);
    std::vector<int> padInstances;
    for (const ControllerDataType& c : w.List.Controllers)
        if (c.Identity.DeviceName == "Pad") padInstances.push_back(c.InstanceNumber);
    EXPECT_EQ(padInstances, (std::vector<int>{0, 1}));
    EXPECT_EQ(w.Pad(2).Identity.DeviceName, "Stick");  // sorted by name
    EXPECT_EQ(w.List.Selected, 0);
    EXPECT_EQ(w.Pad(0).ControllerFileIndex, w.Pad(1).ControllerFileIndex);
    EXPECT_EQ(w.List.Layouts.size(), 2u);
}

TEST(LinkDevice, ASeventeenthControllerIsNotAddedAndItsDeviceIsReleased) {
    DeviceWorld w;
    for (std::uint8_t i = 0; i < 16; ++i) w.Api.Plug(MakeFakeDevice("Pad", 1, i));
    w.Rescan();
    ASSERT_EQ(w.List.Count(), 16u);
    w.Api.Unplug(3);  // its controller is lost and frees its slot
    ControllerLost(w.Context, 3);
    w.Api.Plug(MakeFakeDevice("Other", 2, 1));
    w.Rescan();
    EXPECT_EQ(w.List.Count(), 16u);
    EXPECT_FALSE(w.List.Detection[3].InUse);
    EXPECT_EQ(w.Api.Calls.back(), "Release 3");
}

TEST(ControllerLost, KeepsTheEntryDropsRunningActionsAndCountsTheKnownIdentity) {
    DeviceWorld w;
    w.Know("Pad", 0x045E0028, "");
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    ScanDevices(w.Context);  // linked, not completed: no controller file to open
    ASSERT_EQ(w.List.Count(), 1u);
    ControllerDataType& c = w.Pad(0);
    c.Connection = Connected;
    c.DeviceKind = XInputDevice;
    c.Input.Buttons = 1;
    AssignmentType& a = c.Profile.Sets[0].Assignments[Button1];
    a.Toggle = true;
    a.ToggleState = 1;
    a.Slots.SequenceState = Running;
    a.Slots.StepIndex = 3;
    ControllerLost(w.Context, 0);
    EXPECT_EQ(c.Connection, Lost);
    EXPECT_EQ(c.DeviceKind, UnidentifiedDevice);
    EXPECT_EQ(c.Input.Buttons, 0u);
    EXPECT_EQ(a.ToggleState, 0);
    EXPECT_EQ(a.Slots.SequenceState, Ready);
    EXPECT_EQ(a.Slots.StepIndex, 0);
    EXPECT_EQ(w.Config.KnownControllers[0].ConnectedCount, 0);
    EXPECT_EQ(w.Config.KnownControllers[0].LostCount, 1);

    w.Api.Device(0).Attached = true;
    ScanDevices(w.Context);
    EXPECT_EQ(c.Connection, Returned);
    ControllerReturned(w.Context, 0);
    EXPECT_EQ(c.Connection, Connected);
    EXPECT_FALSE(w.List.IdentificationDone);  // the pad is matched again
    EXPECT_EQ(w.Config.KnownControllers[0].ConnectedCount, 1);
    EXPECT_EQ(w.Config.KnownControllers[0].LostCount, 0);
}

TEST(ControllerLost, ASecondControllerOfAKnownModelCountsThoseAboutForItsInstance) {
    DeviceWorld w;
    w.Know("Pad", 0x045E0028, "");
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Api.Plug(MakeFakeDevice("Pad", 1, 2));
    ScanDevices(w.Context);
    ASSERT_EQ(w.List.Count(), 2u);
    EXPECT_EQ(w.Pad(0).InstanceNumber, 0);
    EXPECT_EQ(w.Pad(1).InstanceNumber, 1);
    EXPECT_EQ(w.Config.KnownControllers[0].ConnectedCount, 2);
}

}  // namespace
}  // namespace velmora::test
