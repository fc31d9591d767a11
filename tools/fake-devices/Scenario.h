#pragma once
// A device scenario for the fake dinput8.dll and xinput1_3.dll: which
// controllers exist, when they are plugged in and pulled out, and what state
// they report. Every change waits for a number of reads of one device (so a
// scenario plays the same on a fast or a slow machine) or, when nothing is
// being read (a pulled-out controller), for a number of milliseconds.
// The format is described in tests/e2e/README.md.

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::fake {

// DirectInput axes in the order of the 80-byte joystick state.
enum AxisIndex { AxisX, AxisY, AxisZ, AxisRX, AxisRY, AxisRZ, AxisSlider1, AxisSlider2, AxisCount };

// XInput button bits, as the XInput state reports them.
inline constexpr std::uint16_t PadDPadUp = 0x0001;
inline constexpr std::uint16_t PadDPadDown = 0x0002;
inline constexpr std::uint16_t PadDPadLeft = 0x0004;
inline constexpr std::uint16_t PadDPadRight = 0x0008;
inline constexpr std::uint16_t PadDPadMask = 0x000F;

struct DeviceTraits {
    std::string Name;     // the scenario's own name for the device
    std::string Product;  // the product name that enumeration reports
    std::uint16_t Vendor = 0;
    std::uint16_t ProductId = 0;
    bool XInput = false;         // also an XInput pad (its DirectInput state follows the pad)
    bool ForceFeedback = false;  // X and Y are force-feedback actuators
    std::uint8_t AxisMask = 0;   // bit per AxisIndex
    int Buttons = 0;
    int Povs = 0;
};

enum class ActionKind {
    Plug, Unplug, Button, Axis, Pov, Stick, Trigger, XInputSide, StartSecond, StartProgram, Close, CloseDialogs, EndSession,
    Crash, Mark, Sleep, Wake, Battery
};

// How an XInput pad's XInput side answers (its DirectInput side always follows the pad).
enum XInputSideValue { SideShown = 0, SideHidden = 1, SideLate = 2 };
// An XInput pad's battery: wired, or a wireless pad's level (BATTERY_LEVEL_EMPTY..FULL).
enum BatteryValue { BatteryIsWired = -1 };

struct Action {
    ActionKind Kind = ActionKind::Mark;
    int Device = -1;
    int Index = 0;  // button (0-based), axis, stick (0/1), trigger (0 left, 1 right)
    int Value = 0;  // pressed 0/1, axis value, POV hundredths of a degree (-1 centred), trigger value
    int Value2 = 0; // second stick coordinate
    std::string Text;  // arguments of start-second, name of a mark
};

enum class WaitKind { Start, Reads, Milliseconds, File };

struct Step {
    WaitKind Wait = WaitKind::Start;
    int Device = -1;  // WaitKind::Reads
    int Count = 0;    // reads or milliseconds
    std::string File; // WaitKind::File: a file name in the program's folder
    int Line = 0;
    std::vector<Action> Actions;
};

struct Scenario {
    std::vector<DeviceTraits> Devices;
    std::vector<Step> Steps;  // Steps[0] waits for nothing: it runs when the fakes start
};

// Parses a scenario; lines for the runner (profile, file, expect, ...) are
// skipped. Returns false with a message naming the line on a bad line.
bool ParseScenario(const std::string& text, Scenario& scenario, std::string& error);

// The DPad word of a direction list such as "up+right" or "none".
bool ParseDirections(const std::string& text, std::uint16_t& bits);

// The POV angle (hundredths of a degree, -1 centred) of XInput DPad bits.
int PovOfDirections(std::uint16_t bits);

}  // namespace velmora::fake
