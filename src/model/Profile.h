#pragma once
// The profile model: eight sets, each with the control settings and one
// assignment per control. The engine reads it on every pass; the files load
// and store it; the windows edit it through the operations below.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/SlotCodes.h"

namespace velmora {

inline constexpr int SetCount = 8;
inline constexpr int ControlCount = 58;
inline constexpr std::uint8_t NoSet = 255;

// Control indexes, shared by layouts and profiles.
enum ControlIndex : int {
    Button1 = 0,  // Button1..Button32 are 0..31
    DPadUp = 32, DPadRight, DPadDown, DPadLeft,
    Stick1Up = 36, Stick1Right, Stick1Down, Stick1Left,
    Stick2Up = 40, Stick2Right, Stick2Down, Stick2Left,
    TriggerLeft = 44, TriggerRight,
    Stick1UpRight = 46, Stick1DownRight, Stick1DownLeft, Stick1UpLeft,
    Stick2UpRight = 50, Stick2DownRight, Stick2DownLeft, Stick2UpLeft,
    DPadUpRight = 54, DPadDownRight, DPadDownLeft, DPadUpLeft,
};

// The name of a control as profile files write it ("Button1", "Stick1UpRight").
std::string_view ControlName(int control);
// The control of that name, or -1.
int FindControl(std::string_view name);

enum DirectionMode : std::uint8_t { Standard = 0, FourWay, Diagonal, EightWay, Horizontal, Vertical };
enum MouseMode : std::uint8_t { LookCamera = 0, Cursor = 1, Spring = 2 };

enum SequenceStateValue : std::uint8_t { Simple = 0, Ready = 1, Running = 2, Finished = 3, Done = 4 };

struct SlotRange {
    std::int32_t First = 0;
    std::int32_t Last = 0;  // inclusive
};

struct CycleType {
    std::vector<SlotRange> Steps;
};

struct SlotType {
    std::vector<std::uint8_t> Codes;  // never holds NoneCode
    std::vector<CycleType> Cycles;    // derived from Codes by SetSlot
    std::int32_t CycleIndex = 0;      // run time
    std::int32_t StepIndex = 0;       // run time
    std::uint8_t SequenceState = Simple;
    std::uint8_t PauseCountdown = 0;

    std::int32_t CodeCount() const { return static_cast<std::int32_t>(Codes.size()); }
    // A sequence or a cycle: more than one cycle, or one cycle of several steps.
    bool IsSequenceOrCycle() const {
        return Cycles.size() > 1 || (Cycles.size() == 1 && Cycles[0].Steps.size() > 1);
    }
};

struct AssignmentType {
    std::string Name;
    SlotType Slots;
    bool Toggle = false;
    bool Turbo = false;
    bool Rumble = false;
    std::uint8_t TurboRate = 10;        // 2..250 passes
    std::uint8_t SetSelect = NoSet;     // 0..7 or NoSet; never the assignment's own set
    std::array<std::uint8_t, 2> RumbleStrengths{128, 128};
    std::uint8_t ToggleState = 0;       // run time
    std::uint8_t TurboCounter = 0;      // run time
    std::uint8_t MouseSpeed = 32;       // 1..255
    std::uint8_t MouseMode = LookCamera;
};

// The template every cleared assignment is copied from.
inline const AssignmentType DefaultAssignment{};

struct SetType {
    std::array<std::uint8_t, 2> StickDeadZones{64, 64};
    std::array<std::uint8_t, 2> StickDiagonalSizes{45, 45};
    std::array<std::uint8_t, 2> TriggerDeadZones{1, 1};
    std::uint8_t DPadMode = Standard;
    std::array<std::uint8_t, 2> StickModes{Standard, Standard};
    std::array<AssignmentType, ControlCount> Assignments;
};

struct ProfileType {
    std::string Name;
    std::string FileName;  // empty while never saved
    bool Changed = false;
    std::array<SetType, SetCount> Sets;
    std::uint8_t CurrentSet = 0;
    std::uint8_t RequestedSet = NoSet;

    AssignmentType& Current(int control) { return Sets[CurrentSet].Assignments[static_cast<std::size_t>(control)]; }
    const AssignmentType& Current(int control) const {
        return Sets[CurrentSet].Assignments[static_cast<std::size_t>(control)];
    }
};

}  // namespace velmora
