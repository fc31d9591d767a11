#pragma once
// The run-time record of one controller: what the engine reads and writes on
// every pass. The device side (reading, identity, links) adds its own fields.

#include <array>
#include <cstdint>
#include <string>

#include "model/ControllerLayout.h"
#include "model/Profile.h"
#include "model/RawState.h"

namespace velmora {

// The normalised input of one pass.
struct NormalisedInput {
    std::array<std::int16_t, 2> StickX{};    // -255..255, right positive
    std::array<std::int16_t, 2> StickY{};    // -255..255, up positive
    std::uint32_t Buttons = 0;               // bit b: button b + 1 pressed
    std::uint8_t DPad = 0;                   // DPadUpBit | DPadRightBit | ...
    std::array<std::uint8_t, 2> Triggers{};  // left, right: 0..255

    bool Button(int b) const { return (Buttons >> b) & 1u; }
};
inline constexpr std::uint8_t DPadUpBit = 1, DPadRightBit = 2, DPadDownBit = 4, DPadLeftBit = 8;

// Control states: 0 inactive, 1 filtered (touched but held back), 2 active.
inline constexpr std::uint8_t Inactive = 0, Filtered = 1, Active = 2;
using ControlStates = std::array<std::uint8_t, ControlCount>;

// Geometry of one stick in this pass, kept for mouse emulation.
struct StickGeometry {
    int Distance = 0;  // 0..255
    bool InDeadZone = true;
    int Angle = 0;  // 0..90 whole degrees from the vertical axis
};

// Unidentified: may be an XInput pad, the pairing has not decided yet;
// NoXInput: XInput is not loaded, so the question does not arise.
enum DeviceKindValue : std::uint8_t {
    DirectInputDevice = 0,
    XInputDevice = 1,
    UnidentifiedDevice = 2,
    NoXInputDevice = 3
};
inline constexpr std::uint8_t NoXInputIndex = 255;
inline constexpr std::uint8_t NoDetectionSlot = 255;

// A profile waiting to be opened on a controller.
enum ProfileRequestCode : std::uint8_t {
    NoProfileRequest = 0,
    OpenProfileFile = 1,    // asked by the program itself: command line, last profile
    ChooseProfileFile = 2,  // the user picks the file in the open dialog first
    OpenRecentProfile = 3,  // the user picked it from the recent list
    FollowProgramFile = 4,  // the program in front asks for it: the user's windows stay as they are
};
struct RequestedProfileType {
    std::uint8_t Request = NoProfileRequest;
    std::string Path;
    // The last profile of a controller just plugged: it closes only that
    // controller's windows, not the global settings nor another pad's.
    bool AtPlug = false;
};
// What the profiles that follow the program in front did to a controller.
struct ProgramSwitchType {
    bool Switched = false;  // a rule's profile is open in place of the user's own
    std::string Before;     // the user's profile before the first switch (empty: a new one)
    std::string Opened;     // the file the last switch opened
};

enum ConnectionValue : std::uint8_t { New = 0, Connected = 1, Lost = 2, Returned = 3 };

struct ControllerDataType {
    std::string Name;  // shown in messages and questions
    std::uint8_t DeviceKind = DirectInputDevice;
    std::uint8_t XInputIndex = 0;
    bool CanRumble = false;  // XInput pads, and devices with a force-feedback effect
    bool Processing = true;
    std::uint8_t Connection = Connected;
    std::array<std::uint8_t, 2> RumbleNow{};
    std::uint32_t RumblePasses = 0;
    std::uint8_t MouseAcceleration = 0;
    NormalisedInput Input;
    ControlStates ControlState{};
    ControlStates PreviousControlState{};
    ControlStates EffectiveState{};
    ControlStates PreviousEffectiveState{};
    std::array<StickGeometry, 2> Sticks;
    ProfileType Profile;
    RequestedProfileType OpenProfileRequest;
    ProgramSwitchType ProgramSwitch;

    // The device side: identity, links and raw state.
    std::uint8_t KnownIndex = 255;    // entry of the known-controller list, 255 when unknown
    std::uint8_t InstanceNumber = 0;  // 0 for the first controller of its identity, 1 for the second...
    // The order in which the controller was met: it names the controller
    // wherever the sorting puts it, since entries are never removed.
    std::uint8_t Arrival = 0;
    ControllerIDType Identity;
    std::uint8_t DetectionSlot = NoDetectionSlot;  // the opened device
    std::uint8_t ControllerFileIndex = 0;          // its layout among the loaded layouts
    RawJoyState RawJoy;
    RawXInputState RawXInput;
};

}  // namespace velmora
