// Ready layouts from real lines of the controller database.

#include <gtest/gtest.h>

#include <memory>

#include "model/ReadyLayout.h"

namespace velmora {
namespace {

constexpr std::string_view PS4Line =
    "030000004c050000c405000000000000,PS4 Controller,a:b1,b:b2,back:b8,dpdown:h0.4,dpleft:h0.8,dpright:h0.2,"
    "dpup:h0.1,guide:b12,leftshoulder:b4,leftstick:b10,lefttrigger:a3,leftx:a0,lefty:a1,rightshoulder:b5,"
    "rightstick:b11,righttrigger:a4,rightx:a2,righty:a5,start:b9,touchpad:b13,x:b0,y:b3,platform:Windows,";
constexpr std::string_view HalfTriggersLine =
    "030000005509000000b4000000000000,NVIDIA Virtual,a:b0,b:b1,back:b6,dpdown:h0.4,dpleft:h0.8,dpright:h0.2,"
    "dpup:h0.1,leftshoulder:b4,leftstick:b8,lefttrigger:+a2,leftx:a0,lefty:a1,rightshoulder:b5,rightstick:b9,"
    "righttrigger:-a2,rightx:a3,righty:a4,start:b7,x:b2,y:b3,platform:Windows,";
constexpr std::string_view ZRZLine =
    "03000000c82d00000060000000000000,8BitDo SF30 Pro,a:b1,b:b0,back:b10,dpdown:h0.4,dpleft:h0.8,"
    "dpright:h0.2,dpup:h0.1,leftshoulder:b6,leftstick:b13,lefttrigger:b8,leftx:a0,lefty:a1,rightshoulder:b7,"
    "rightstick:b14,righttrigger:b9,rightx:a2,righty:a3,start:b11,x:b4,y:b3,platform:Windows,";
constexpr std::string_view ButtonDPadLine =
    "030000007e0500006920000000000000,Nintendo Switch 2 Pro Controller,a:b0,b:b1,back:b14,dpdown:b8,"
    "dpleft:b10,dpright:b9,dpup:b11,guide:b16,leftshoulder:b12,leftstick:b15,lefttrigger:b13,leftx:a0,"
    "lefty:a1~,misc1:b17,misc2:b20,paddle1:b18,paddle2:b19,rightshoulder:b4,rightstick:b7,righttrigger:b5,"
    "rightx:a2,righty:a3~,start:b6,x:b2,y:b3,platform:Windows,";
constexpr std::string_view AxisDPadLine =
    "030000003512000012ab000000000000,8BitDo NES30,a:b2,b:b1,back:b6,dpdown:+a1,dpleft:-a0,dpright:+a0,"
    "dpup:-a1,leftshoulder:b4,rightshoulder:b5,start:b7,x:b3,y:b0,platform:Windows,";

PadMapping Entry(std::string_view line) {
    PadMapping entry;
    EXPECT_EQ(ParsePadMappingLine(line, entry), PadLineKind::Entry) << line;
    return entry;
}

// A device with the named axes (indexes into X Y Z RX RY RZ Slider1 Slider2).
PadCapabilities Device(std::initializer_list<int> axes, std::uint8_t buttons, std::uint8_t povs = 1) {
    PadCapabilities device;
    for (int axis : axes) device.Axes[static_cast<std::size_t>(axis)] = true;
    device.ButtonCount = buttons;
    device.POVCount = povs;
    return device;
}

constexpr int X = 0, Y = 1, Z = 2, RX = 3, RY = 4, RZ = 5;
const AxisAccess Unset{};

struct Built {
    std::unique_ptr<ControllerFileType> Layout = std::make_unique<ControllerFileType>();
    std::optional<ReadyPlan> Plan;
};

Built Map(std::string_view line, const PadCapabilities& device, std::uint32_t vendorProduct) {
    Built built;
    built.Layout->Identity = {"Pad", vendorProduct};
    built.Plan = MapPadEntry(*built.Layout, Entry(line), device);
    return built;
}

TEST(ReadyLayoutMapping, SixAxisPadGetsItsRightStickAndFullRangeTriggersByPresentAxisOrder) {
    const Built ps4 = Map(PS4Line, Device({X, Y, Z, RX, RY, RZ}, 14), 0x054C05C4);
    ASSERT_TRUE(ps4.Plan);
    const ControllerFileType& l = *ps4.Layout;
    EXPECT_EQ(l.StickAccess[0][0], (AxisAccess{X, 0, 0}));
    EXPECT_EQ(l.StickAccess[0][1], (AxisAccess{Y, 0, 0}));
    EXPECT_EQ(l.StickAccess[1][0], (AxisAccess{Z, 0, 0}));
    EXPECT_EQ(l.StickAccess[1][1], (AxisAccess{RZ, 0, 0}));
    // A trigger resting at one end of its axis travels over the whole axis.
    EXPECT_EQ(l.TriggerAccess[0], (AxisAccess{RX, 0, 1}));
    EXPECT_EQ(l.TriggerAccess[1], (AxisAccess{RY, 0, 1}));
    for (const DPadDirectionAccess& d : l.DPadAccess) EXPECT_EQ(d.Kind, DPadKind::POV);
    EXPECT_EQ(ps4.Plan->Family, PadFamily::PlayStation);
    // Buttons keep their numbers; the database only names them.
    EXPECT_EQ(l.ButtonNames[0], "Square");
    EXPECT_EQ(l.ButtonNames[1], "Cross");
    EXPECT_EQ(l.ButtonNames[12], "PS");
    EXPECT_EQ(l.ButtonNames[13], "Touchpad");
    EXPECT_EQ(ps4.Plan->Roles[1], PadButtonRole::South);
    EXPECT_EQ(l.TriggerNames[0], "L2");
    EXPECT_TRUE(l.ButtonNames[14].empty());
}

TEST(ReadyLayoutMapping, AxisNumbersSkipTheAxesTheDeviceLacks) {
    // The same line on a device without Z: a2 is now RX, a5 would be an eighth axis it lacks.
    Built missing = Map(PS4Line, Device({X, Y, RX, RY, RZ}, 14), 0x054C05C4);
    EXPECT_FALSE(missing.Plan);
    EXPECT_EQ(missing.Layout->StickAccess[0][0], Unset) << "the layout is left as it was";

    // Four axes X Y Z RZ: the right stick is Z and RZ.
    const Built sf30 = Map(ZRZLine, Device({X, Y, Z, RZ}, 15), 0x2DC86000);
    ASSERT_TRUE(sf30.Plan);
    EXPECT_EQ(sf30.Layout->StickAccess[1][0], (AxisAccess{Z, 0, 0}));
    EXPECT_EQ(sf30.Layout->StickAccess[1][1], (AxisAccess{RZ, 0, 0}));
    // Triggers that are buttons stay buttons, named as triggers.
    EXPECT_EQ(sf30.Layout->TriggerAccess[0], Unset);
    EXPECT_EQ(sf30.Plan->Roles[8], PadButtonRole::LeftTrigger);
    EXPECT_EQ(sf30.Layout->ButtonNames[8], "LT");
    EXPECT_EQ(sf30.Layout->ButtonNames[1], "A");
}

TEST(ReadyLayoutMapping, HalfAxisTriggersShareZ) {
    const Built nv = Map(HalfTriggersLine, Device({X, Y, Z, RX, RY}, 10), 0x0955B400);
    ASSERT_TRUE(nv.Plan);
    EXPECT_EQ(nv.Layout->TriggerAccess[0], (AxisAccess{Z, 0, 0}));
    EXPECT_EQ(nv.Layout->TriggerAccess[1], (AxisAccess{Z, 1, 0}));
    EXPECT_EQ(nv.Layout->StickAccess[1][0], (AxisAccess{RX, 0, 0}));
}

TEST(ReadyLayoutMapping, DPadOnButtonsAndInvertedAxesOfANintendoPad) {
    const Built pro = Map(ButtonDPadLine, Device({X, Y, Z, RZ}, 21, 0), 0x057E2069);
    ASSERT_TRUE(pro.Plan);
    const ControllerFileType& l = *pro.Layout;
    EXPECT_EQ(l.DPadAccess[0], (DPadDirectionAccess{DPadKind::Button, 0, 11}));
    EXPECT_EQ(l.DPadAccess[1], (DPadDirectionAccess{DPadKind::Button, 0, 9}));
    EXPECT_EQ(l.DPadAccess[2], (DPadDirectionAccess{DPadKind::Button, 0, 8}));
    EXPECT_EQ(l.DPadAccess[3], (DPadDirectionAccess{DPadKind::Button, 0, 10}));
    EXPECT_EQ(l.StickAccess[0][1], (AxisAccess{Y, 1, 0}));
    EXPECT_EQ(pro.Plan->Family, PadFamily::Nintendo);
    // By position: the bottom button (the database's "a") is Nintendo's B.
    EXPECT_EQ(l.ButtonNames[0], "B");
    EXPECT_EQ(l.ButtonNames[1], "A");
    EXPECT_EQ(l.ButtonNames[16], "Home");
    EXPECT_EQ(l.ButtonNames[17], "Capture");
    EXPECT_EQ(pro.Plan->Roles[18], PadButtonRole::Paddle1);
    EXPECT_EQ(l.ButtonNames[20], "21") << "a button the families do not name keeps its number";
}

TEST(ReadyLayoutMapping, DPadOnAxisHalvesAndHatsAsTheDPadReadingAllows) {
    const Built nes = Map(AxisDPadLine, Device({X, Y}, 8, 0), 0x3512AB12);
    ASSERT_TRUE(nes.Plan);
    EXPECT_EQ(nes.Layout->DPadAccess[0], (DPadDirectionAccess{DPadKind::Axis, Y, 0}));
    EXPECT_EQ(nes.Layout->DPadAccess[1], (DPadDirectionAccess{DPadKind::Axis, X, 0}));
    EXPECT_EQ(nes.Layout->StickAccess[0][0], Unset);
    EXPECT_EQ(nes.Plan->Family, PadFamily::Generic);
    EXPECT_EQ(nes.Layout->ButtonNames[2], "3") << "generic pads number their buttons";

    // Up on the high half cannot be read as Up; a hat the device lacks is no DPad.
    const Built swapped =
        Map("03000000aaaa0000bbbb000000000000,Odd,dpup:+a1,dpright:+a0,dpdown:-a1,dpleft:-a0,",
            Device({X, Y}, 4), 1);
    EXPECT_EQ(swapped.Layout->DPadAccess[0].Kind, DPadKind::None);
    EXPECT_EQ(swapped.Layout->DPadAccess[1].Kind, DPadKind::None) << "no Up: the DPad is not placed";
    const Built noHat = Map(PS4Line, Device({X, Y, Z, RX, RY, RZ}, 14, 0), 1);
    EXPECT_EQ(noHat.Layout->DPadAccess[0].Kind, DPadKind::None);
}

TEST(ReadyLayoutMapping, ARightStickAloneBecomesStick1) {
    const Built dual = Map(
        "030000005e0400002800000000000000,Microsoft Dual Strike,a:b3,b:b2,back:b4,dpdown:h0.4,dpleft:h0.8,"
        "dpright:h0.2,dpup:h0.1,leftshoulder:b6,lefttrigger:b8,rightshoulder:b7,rightx:a0,righty:a1~,start:"
        "b5,"
        "x:b1,y:b0,platform:Windows,",
        Device({X, Y}, 9), 0x045E0028);
    ASSERT_TRUE(dual.Plan);
    EXPECT_EQ(dual.Layout->StickAccess[0][0], (AxisAccess{X, 0, 0}));
    EXPECT_EQ(dual.Layout->StickAccess[0][1], (AxisAccess{Y, 1, 0}));
    EXPECT_EQ(dual.Layout->StickAccess[1][0], Unset);
}

TEST(ReadyLayoutMapping, XInputPadsFollowTheFixedButtonOrder) {
    ControllerFileType layout;
    const ReadyPlan plan = MapXInputPad(layout);
    EXPECT_EQ(plan.Family, PadFamily::Xbox);
    EXPECT_EQ(layout.ButtonNames[0], "A");
    EXPECT_EQ(layout.ButtonNames[6], "Back");
    EXPECT_EQ(layout.ButtonNames[9], "RS");
    EXPECT_EQ(plan.Roles[10], PadButtonRole::None);
    EXPECT_EQ(layout.TriggerAccess[0], (AxisAccess{Z, 0, 0}));
    EXPECT_EQ(layout.TriggerAccess[1], (AxisAccess{Z, 1, 0}));
    EXPECT_EQ(layout.StickAccess[1][1], (AxisAccess{RY, 0, 0}));
}

TEST(ReadyLayoutBuilt, EveryMappedGroupIsPlacedOnThePictureAndKeepsItsAccess) {
    auto layout = std::make_unique<ControllerFileType>();
    layout->Identity = {"Pad", 0x054C05C4};
    const ConfigurationType config;
    ASSERT_TRUE(
        MakeReadyLayout(*layout, Entry(PS4Line), Device({X, Y, Z, RX, RY, RZ}, 14), config.Interface));
    EXPECT_TRUE(Stick1Placed(*layout) && Stick2Placed(*layout) && TriggersPlaced(*layout) &&
                TriggerRightPlaced(*layout) && DPadPlaced(*layout));
    EXPECT_EQ(layout->StickAccess[1][1], (AxisAccess{RZ, 0, 0}));
    EXPECT_EQ(layout->TriggerAccess[1], (AxisAccess{RY, 0, 1}));
    EXPECT_EQ(layout->DPadAccess[3].Kind, DPadKind::POV);
    EXPECT_NE(layout->Locations[13].Left, 0) << "the touchpad button is drawn";
    EXPECT_EQ(layout->Changed, 0);
    EXPECT_TRUE(layout->Indicators[Stick2Indicator].Present);
}

TEST(ReadyLayoutFamilies, VendorsNamesAndShapesDecide) {
    EXPECT_EQ(FamilyOf(Entry(PS4Line), 0x054C05C4), PadFamily::PlayStation);
    EXPECT_EQ(FamilyOf(Entry(HalfTriggersLine), 0x0955B400), PadFamily::Xbox) << "a full pad";
    EXPECT_EQ(
        FamilyOf(Entry("03000000000000000000000000000000,Hori Fighting Stick,a:b0,b:b1,x:b2,y:b3,leftx:a0,"
                       "rightx:a2,touchpad:b4,"),
                 0x054C0001),
        PadFamily::Generic)
        << "a fight stick looks like no pad";
}

TEST(PadMappingLines, GuidRuleIsLittleEndianVendorAndProduct) {
    EXPECT_EQ(GuidVendorProduct("030000004c050000c405000000000000"), 0x054C05C4u);
    EXPECT_EQ(GuidVendorProduct("030000004C050000C405000000000000"), 0x054C05C4u);
    EXPECT_EQ(GuidVendorProduct("0300004112000000e500000000000000"), std::nullopt);
    EXPECT_EQ(GuidVendorProduct("050000004c050000c405000000000000"), std::nullopt) << "a Bluetooth GUID";
    EXPECT_EQ(GuidVendorProduct("030000004c050000c405000000000001"), std::nullopt);
    EXPECT_EQ(GuidVendorProduct("xinput"), std::nullopt);
}

TEST(PadMappingLines, MalformedLinesAreToldApartFromOtherPlatformsAndComments) {
    PadMapping entry;
    for (std::string_view bad :
         {"030000004c050000c405000000000000", "030000004c050000c405000000000000,,a:b0", "not-a-guid,Pad,a:b0",
          "030000004c050000c405000000000000,Pad,a", "030000004c050000c405000000000000,Pad,a:b",
          "030000004c050000c405000000000000,Pad,a:b256", "030000004c050000c405000000000000,Pad,dpup:h0.3",
          "030000004c050000c405000000000000,Pad,leftx:a0~~", ",Pad,a:b0"})
        EXPECT_EQ(ParsePadMappingLine(bad, entry), PadLineKind::Malformed) << bad;
    for (std::string_view ignored :
         {"", "   ", "# Windows", "03000000c82d00001930000000000000,8BitDo 64,a:b0,platform:Linux,"})
        EXPECT_EQ(ParsePadMappingLine(ignored, entry), PadLineKind::Ignored) << ignored;
    // Keys a newer database adds are left alone.
    ASSERT_EQ(ParsePadMappingLine(
                  "030000004c050000c405000000000000,Pad,a:b0,crc:1a2b,hint:!X:=1,platform:Windows\r", entry),
              PadLineKind::Entry);
    ASSERT_EQ(entry.Bindings.size(), 1u);
    EXPECT_EQ(entry.Name, "Pad");
    EXPECT_EQ(*entry.Find("a"), (PadInput{PadInputKind::Button, 0, 0, 0, false}));
}

TEST(PadMappingLines, InputsOfEveryKind) {
    EXPECT_EQ(ParsePadInput("h0.8"), (PadInput{PadInputKind::Hat, 0, 8, 0, false}));
    EXPECT_EQ(ParsePadInput("-a5"), (PadInput{PadInputKind::Axis, 5, 0, -1, false}));
    EXPECT_EQ(ParsePadInput("+a2~"), (PadInput{PadInputKind::Axis, 2, 0, 1, true}));
    EXPECT_EQ(ParsePadInput("b31"), (PadInput{PadInputKind::Button, 31, 0, 0, false}));
    EXPECT_EQ(ParsePadInput("~a1"), std::nullopt);
    EXPECT_EQ(ParsePadInput("a-1"), std::nullopt);
}

}  // namespace
}  // namespace velmora
