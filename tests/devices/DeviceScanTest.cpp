#include <gtest/gtest.h>

#include "devices/DeviceLibraries.h"
#include "devices/DeviceScan.h"
#include "support/DeviceWorld.h"

namespace velmora::test {
namespace {

// The serial byte of the device a controller reads (0 when it holds none).
int ReadsSerial(DeviceWorld& w, std::size_t k) {
    const FakeDevice* d =
        w.Pad(k).DetectionSlot < MaxDevices ? w.Api.InSlot(w.Pad(k).DetectionSlot) : nullptr;
    return d ? d->Record.Instance.Bytes[1] : 0;
}

void PlugListed(DeviceWorld& w, FakeDevice device, bool first) {
    w.Api.Devices.insert(first ? w.Api.Devices.begin() : w.Api.Devices.end(), std::move(device));
}

// The fault: the scan left out the first listed device of the model instead
// of the one already open, so a pad listed before the open one opened the
// open pad a second time and was itself never read.
TEST(DeviceScan, SecondPadOfAModelIsReadByItsOwnControllerInEitherListingOrder) {
    for (const bool newFirst : {true, false}) {
        SCOPED_TRACE(newFirst ? "new pad listed first" : "new pad listed last");
        DeviceWorld w;
        w.Api.Plug(MakeFakeDevice("Pad", 7, 1));
        w.Rescan();
        PlugListed(w, MakeFakeDevice("Pad", 7, 2), newFirst);
        w.Rescan();
        ASSERT_EQ(w.List.Count(), 2u);
        EXPECT_EQ(w.Pad(1).InstanceNumber, 1);
        EXPECT_EQ(ReadsSerial(w, 0), 1);
        EXPECT_EQ(ReadsSerial(w, 1), 2);
        w.Rescan();  // nothing new: nothing opened again
        EXPECT_EQ(w.List.Count(), 2u);
        EXPECT_EQ(ReadsSerial(w, 0), 1);
        EXPECT_EQ(ReadsSerial(w, 1), 2);
    }
}

TEST(DeviceScan, PadPulledOutAndPluggedBackIsReadAgainByItsOwnControllerInEitherListingOrder) {
    for (const bool backFirst : {true, false}) {
        SCOPED_TRACE(backFirst ? "returning pad listed first" : "returning pad listed last");
        DeviceWorld w;
        w.Api.Plug(MakeFakeDevice("Pad", 7, 1));
        w.Api.Plug(MakeFakeDevice("Pad", 7, 2));
        w.Rescan();
        ASSERT_EQ(w.List.Count(), 2u);
        const std::size_t pulled = backFirst ? 1 : 0;  // the pad at the other end of the listing
        const int serial = ReadsSerial(w, pulled);
        FakeDevice device = *w.Api.InSlot(w.Pad(pulled).DetectionSlot);
        w.Api.Unplug(static_cast<std::size_t>(serial - 1));
        ControllerLost(w.Context, pulled);
        w.Api.Devices.erase(w.Api.Devices.begin() + (serial - 1));
        PlugListed(w, device, backFirst);
        w.Rescan();
        ASSERT_EQ(w.List.Count(), 2u);
        EXPECT_EQ(w.Pad(pulled).Connection, Returned);
        EXPECT_EQ(ReadsSerial(w, pulled), serial);
        EXPECT_EQ(ReadsSerial(w, 1 - pulled), 3 - serial);
    }
}

TEST(DeviceScan, IdentityTakesTheNameAndPutsTheVendorHigh) {
    DeviceWorld w;
    w.Api.Plug(MakeFakeDevice(std::string(300, 'n'), 1, 1, 0x1234, 0xABCD));
    w.Rescan();
    ASSERT_EQ(w.List.Count(), 1u);
    EXPECT_EQ(w.Pad(0).Identity.VendorProduct, 0x1234ABCDu);
    EXPECT_EQ(w.Pad(0).Identity.DeviceName.size(), MaxDeviceNameLength);
}

TEST(DeviceScan, NameIsCutByCharactersNotBytes) {
    EXPECT_EQ(CutName("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(CutName("ab", 5), "ab");
}

TEST(DeviceScan, ForceFeedbackNeedsBothXAndYActuatorsAndAnEffect) {
    DeviceWorld w;
    FakeDevice onlyX = MakeFakeDevice("OnlyX", 1, 1);
    onlyX.Caps.ForceFeedback = true;
    onlyX.Axes = {{AxisObjectType::X, true}, {AxisObjectType::Y, false}};
    FakeDevice both = MakeFakeDevice("Both", 2, 1);
    both.Caps.ForceFeedback = true;
    both.Axes = {{AxisObjectType::X, true}, {AxisObjectType::Y, true}};
    FakeDevice noEffect = both;
    noEffect.Record = MakeFakeDevice("NoEffect", 3, 1).Record;
    noEffect.EffectFails = true;
    w.Api.Plug(onlyX);
    w.Api.Plug(both);
    w.Api.Plug(noEffect);
    w.Rescan();
    ASSERT_EQ(w.List.Count(), 3u);
    EXPECT_FALSE(w.List.Detection[0].ForceFeedback);
    EXPECT_TRUE(w.List.Detection[1].ForceFeedback);
    EXPECT_FALSE(w.List.Detection[2].ForceFeedback);
    EXPECT_EQ(w.Api.CreatedEffects, 1);  // only the device with both actuators asks for one
    EXPECT_TRUE(w.Ui.Dialogs.empty());   // force-feedback failures are silent
}

TEST(DeviceScan, SlidersFillSliderOneThenSliderTwo) {
    DeviceWorld w;
    FakeDevice d = MakeFakeDevice("Sliders", 1, 1);
    d.Axes = {{AxisObjectType::Slider, false},
              {AxisObjectType::Z, false},
              {AxisObjectType::Slider, true},
              {AxisObjectType::Slider, false},
              {AxisObjectType::Other, true}};
    w.Api.Plug(d);
    w.Rescan();
    const auto& axes = w.List.Detection[0].AxisObjects;
    EXPECT_TRUE(axes[2].Present);
    EXPECT_TRUE(axes[6].Present);
    EXPECT_FALSE(axes[6].Actuator);
    // The third slider lands on Slider 2 again and overwrites the second.
    EXPECT_TRUE(axes[7].Present);
    EXPECT_FALSE(axes[7].Actuator);
    EXPECT_FALSE(axes[0].Present);
}

TEST(DeviceScan, FailedSetUpNamesTheCommandAndTheNextDeviceIsStillOpened) {
    DeviceWorld w;
    FakeDevice bad = MakeFakeDevice("Broken", 1, 1);
    bad.FailingCommand = "GetCapabilities";
    w.Api.Plug(bad);
    w.Api.Plug(MakeFakeDevice("Good", 2, 1));
    w.Rescan();
    ASSERT_EQ(w.List.Count(), 1u);
    EXPECT_EQ(w.Pad(0).Identity.DeviceName, "Good");
    EXPECT_EQ(w.Pad(0).DetectionSlot, 0);  // the failed device's slot was free again
    ASSERT_EQ(w.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(w.Ui.Dialogs[0].Heading, "DirectInput Error");
    EXPECT_EQ(w.Ui.Dialogs[0].Values, "Broken#GetCapabilities");
    EXPECT_EQ(w.Api.Calls, (std::vector<std::string>{"Unacquire 0", "Release 0"}));
}

TEST(DeviceScan, FailedCreateDeviceReleasesNothing) {
    DeviceWorld w;
    FakeDevice bad = MakeFakeDevice("Broken", 1, 1);
    bad.FailingCommand = "CreateDevice";
    w.Api.Plug(bad);
    w.Rescan();
    ASSERT_EQ(w.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(w.Ui.Dialogs[0].Values, "Broken#CreateDevice");
    EXPECT_TRUE(w.Api.Calls.empty());
    // The failure repeats on the next scan, as long as the device fails.
    w.Rescan();
    EXPECT_EQ(w.Ui.Dialogs.size(), 2u);
}

TEST(DeviceScan, EnumerationFailuresAreReported) {
    DeviceWorld w;
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Api.Enumeration = EnumerationResult::Error;
    w.Rescan();
    w.Api.Enumeration = EnumerationResult::DebugDirectInput;
    w.Rescan();
    EXPECT_EQ(w.List.Count(), 0u);
    ASSERT_EQ(w.Ui.Dialogs.size(), 2u);
    EXPECT_EQ(w.Ui.Dialogs[0].Values, "EnumDevices");
    EXPECT_NE(w.Ui.Dialogs[1].Message.find("debug version of DINPUT"), std::string::npos);
}

TEST(DeviceScan, ADebugDirectInputBreakingOffMidwayOpensNothingAndSaysSoAtEveryScan) {
    DeviceWorld w;
    for (std::uint8_t i = 0; i < 3; ++i) w.Api.Plug(MakeFakeDevice("Pad " + std::to_string(i), i, 1));
    w.Api.RaisesAfter = 2;
    w.Rescan();
    w.Rescan();
    EXPECT_EQ(w.List.Count(), 0u);  // not even the two enumerated before the exception
    EXPECT_EQ(w.Api.InSlot(0), nullptr);
    ASSERT_EQ(w.Ui.Dialogs.size(), 2u);
    EXPECT_EQ(w.Ui.Dialogs[1].Heading, "DirectInput Error");
    EXPECT_EQ(w.Ui.Dialogs[1].Message,
              "A debug version of DINPUT has been detected.#Search for and rename \"dinputd.dll\" as "
              "\"_dinputd.dll\".");
    // Once the debug library is renamed, the next scan finds them all.
    w.Api.RaisesAfter = -1;
    w.Rescan();
    EXPECT_EQ(w.List.Count(), 3u);
    EXPECT_EQ(w.Ui.Dialogs.size(), 2u);
}

TEST(DeviceScan, OnlySixteenDevicesAreSeen) {
    DeviceWorld w;
    for (std::uint8_t i = 0; i < 18; ++i) w.Api.Plug(MakeFakeDevice("Pad " + std::to_string(i), i, 1));
    w.Rescan();
    EXPECT_EQ(w.List.Count(), 16u);
}

TEST(DeviceScan, ReleasingAControllerStopsItsRumbleAtOnce) {
    DeviceWorld w;
    FakeDevice d = MakeFakeDevice("Wheel", 1, 1);
    d.Caps.ForceFeedback = true;
    d.Axes = {{AxisObjectType::X, true}, {AxisObjectType::Y, true}};
    w.Api.Plug(d);
    w.Rescan();
    ControllerDataType& c = w.Pad(0);
    SetRumble(c, 200, 100, false, w.Rumble);
    ReleaseDevice(w.Context, c);
    EXPECT_EQ(w.Api.Calls, (std::vector<std::string>{"Force 0 5850 4500", "StopAll 0", "Unacquire 0",
                                                     "Unload 0", "Release 0"}));
    EXPECT_FALSE(w.List.Detection[0].InUse);
    EXPECT_EQ(c.RumbleNow, (std::array<std::uint8_t, 2>{0, 0}));
}

TEST(DeviceLibraries, XInputIsTriedNewestFirstAndNeverRowZero) {
    std::vector<std::string> tried;
    const auto only12 = [&](std::string_view file) {
        tried.emplace_back(file);
        return file == "xinput1_2.dll";
    };
    const XInputChoice choice = LoadXInput(true, 5, only12);
    EXPECT_EQ(choice.Status, XInputLoaded);
    EXPECT_EQ(choice.Version, 3);
    EXPECT_EQ(tried, (std::vector<std::string>{"xinput1_3.dll", "XInput9_1_0.dll", "xinput1_2.dll"}));

    tried.clear();
    const auto none = [&](std::string_view file) {
        tried.emplace_back(file);
        return false;
    };
    EXPECT_EQ(LoadXInput(true, 7, none).Status, XInputNotFound);
    EXPECT_EQ(tried.size(), 5u);
}

TEST(DeviceLibraries, XInputIsNotLoadedOnWindows2000OrWhenScanningIsOff) {
    int tries = 0;
    const auto any = [&](std::string_view) { return ++tries > 0; };
    EXPECT_EQ(LoadXInput(true, 4, any).Status, XInputUnsupported);
    EXPECT_EQ(LoadXInput(false, 7, any).Status, XInputDisabled);
    EXPECT_EQ(tries, 0);
}

TEST(DeviceLibraries, AnyExceptionInsideTheEnumerationButACxxThrowIsADebugDirectInput) {
    // A breakpoint, an access violation, an exception of the library's own.
    for (const std::uint32_t code : {0x80000003u, 0xC0000005u, 0xE0000001u})
        EXPECT_TRUE(IsDebugDirectInputException(code)) << std::hex << code;
    // C++ throws out of the program's callback: GCC's throw, unwind and forced unwind, MSVC's.
    for (const std::uint32_t code : {0x20474343u, 0x21474343u, 0x22474343u, 0xE06D7363u})
        EXPECT_FALSE(IsDebugDirectInputException(code)) << std::hex << code;
}

TEST(DeviceLibraries, DirectXMessageNamesTheLastVersionForOldWindows) {
    RecordingUserInterface ui;
    EXPECT_FALSE(LoadDirectInput(
        2, [] { return false; }, ui));
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "DirectX incompatible");
    EXPECT_EQ(ui.Dialogs[0].Message,
              "DirectX 8 or later is required. Please update DirectX.##Last version of DirectX compatible "
              "with this "
              "version of Windows:#DirectX 9.0c (10/2005)");
    EXPECT_EQ(DirectXIncompatibleMessage(5).Message,
              "DirectX 8 or later is required. Please update DirectX.");
    EXPECT_TRUE(LoadDirectInput(
        5, [] { return true; }, ui));
    EXPECT_EQ(ui.Dialogs.size(), 1u);
}

}  // namespace
}  // namespace velmora::test
