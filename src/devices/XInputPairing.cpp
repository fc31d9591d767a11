#include "devices/XInputPairing.h"

#include <array>

namespace velmora {
namespace {

inline constexpr int None = -1;

struct PadTable {
    std::array<bool, XInputUserCount> Free{};
    std::array<bool, XInputUserCount> Active{};
    std::array<RawXInputState, XInputUserCount> States{};
    int FreeCount = 0, LastFree = None, ActiveCount = 0, LastActive = None;
};

bool IndexInUse(const ControllerListType& list, std::uint8_t index) {
    for (const ControllerDataType& c : list.Controllers)
        if (c.Connection == Connected && c.DeviceKind == XInputDevice && c.XInputIndex == index) return true;
    return false;
}

PadTable BuildPadTable(DeviceContext& context) {
    PadTable t;
    for (std::uint8_t i = 0; i < XInputUserCount; ++i) {
        RawXInputState& s = t.States[i];
        if (!context.Devices.XInputGetState(i, s) || IndexInUse(context.List, i)) continue;
        t.Free[i] = true;
        ++t.FreeCount;
        t.LastFree = i;
        t.Active[i] = s.Buttons != 0 || s.LeftTrigger != 0 || s.RightTrigger != 0;
        if (!t.Active[i]) continue;
        ++t.ActiveCount;
        t.LastActive = i;
    }
    return t;
}

bool IsCandidate(const ControllerDataType& c) {
    return c.Connection == Connected && c.DeviceKind == UnidentifiedDevice;
}

bool CandidateActive(const ControllerDataType& c) {
    if (!POVCentred(c.RawJoy.POV[0]) || c.RawJoy.Z != 32767) return true;
    for (int b = 0; b < 10; ++b)
        if (RawButton(c.RawJoy, b)) return true;
    return false;
}

// The DPad bits (XInput's) that a hat position stands for; 0xFFFF for none.
std::uint16_t HatAsXInputDPad(std::uint32_t pov) {
    if (POVCentred(pov)) return 0;
    switch (pov) {
        case 0:
            return XInputDPadUp;
        case 4500:
            return XInputDPadUp | XInputDPadRight;
        case 9000:
            return XInputDPadRight;
        case 13500:
            return XInputDPadDown | XInputDPadRight;
        case 18000:
            return XInputDPadDown;
        case 22500:
            return XInputDPadDown | XInputDPadLeft;
        case 27000:
            return XInputDPadLeft;
        case 31500:
            return XInputDPadUp | XInputDPadLeft;
        default:
            return 0xFFFF;
    }
}

// DirectInput is for good. A device that looks like an XInput pad is given
// a few passes first: its XInput side may appear after its DirectInput
// side, and a press may show on one side a pass before the other.
void DecideDirectInput(DeviceContext& context, std::size_t index) {
    ControllerListType& list = context.List;
    ControllerDataType& c = list.Controllers[index];
    if (LooksLikeXInputPad(list, c) &&
        ++list.Detection[c.DetectionSlot].DirectInputVotes < XInputLookAlikePasses)
        return;
    SetDeviceKind(context, index, DirectInputDevice, NoXInputIndex);
}

void MarkDone(ControllerListType& list) {
    for (const ControllerDataType& c : list.Controllers)
        if (c.Connection == Connected && c.DeviceKind == UnidentifiedDevice) return;
    list.IdentificationDone = true;
}

// Every active candidate against every active free pad: only a single
// matching pair in all is taken, anything else waits for another press.
void PairByMatching(DeviceContext& context, const PadTable& t) {
    int matches = 0;
    std::size_t candidate = 0;
    int pad = None;
    for (std::size_t k = 0; k < context.List.Count(); ++k) {
        const ControllerDataType& c = context.List.Controllers[k];
        if (!IsCandidate(c) || !CandidateActive(c)) continue;
        for (std::size_t i = 0; i < XInputUserCount; ++i) {
            if (!t.Free[i] || !t.Active[i] || !PadMatches(c.RawJoy, t.States[i])) continue;
            ++matches;
            candidate = k;
            pad = static_cast<int>(i);
        }
    }
    if (matches == 1) SetDeviceKind(context, candidate, XInputDevice, static_cast<std::uint8_t>(pad));
}

void PairCandidates(DeviceContext& context, const PadTable& t) {
    ControllerListType& list = context.List;
    int candidates = 0, activeCandidates = 0;
    std::size_t lastCandidate = 0, lastActiveCandidate = 0;
    for (std::size_t k = 0; k < list.Count(); ++k) {
        if (!IsCandidate(list.Controllers[k])) continue;
        ++candidates;
        lastCandidate = k;
        if (!CandidateActive(list.Controllers[k])) continue;
        ++activeCandidates;
        lastActiveCandidate = k;
    }
    if (candidates == 1 && t.FreeCount == 1) {
        SetDeviceKind(context, lastCandidate, XInputDevice, static_cast<std::uint8_t>(t.LastFree));
    } else if (t.ActiveCount == 0) {
        // It moves while no free pad does: not an XInput pad.
        for (std::size_t k = 0; k < list.Count(); ++k)
            if (IsCandidate(list.Controllers[k]) && CandidateActive(list.Controllers[k]))
                DecideDirectInput(context, k);
    } else if (activeCandidates == 1 && t.ActiveCount == 1) {
        SetDeviceKind(context, lastActiveCandidate, XInputDevice, static_cast<std::uint8_t>(t.LastActive));
    } else if (activeCandidates > 0) {
        PairByMatching(context, t);
    }
}

}  // namespace

// What Windows shows of an XInput pad through DirectInput: the thumbs on
// X/Y and RX/RY, both triggers on Z, ten buttons and one hat.
bool LooksLikeXInputPad(const ControllerListType& list, const ControllerDataType& c) {
    const ControllerDetectionDataType* slot = list.DetectionOf(c);
    if (!slot || slot->ButtonCount != 10 || slot->POVCount != 1) return false;
    for (std::size_t axis = 0; axis < slot->AxisObjects.size(); ++axis)
        if (slot->AxisObjects[axis].Present != (axis <= 4)) return false;
    return true;
}

bool PadMatches(const RawJoyState& joy, const RawXInputState& pad) {
    for (std::size_t b = 0; b < XInputButtonOrder.size(); ++b)
        if (RawButton(joy, static_cast<int>(b)) != ((pad.Buttons & XInputButtonOrder[b]) != 0)) return false;
    // Both triggers share the Z axis: the left one pushes it up, the right one down.
    const std::int32_t z = joy.Z;
    if (pad.LeftTrigger != (z >= 32767 ? (z - 32767) / 128 : 0)) return false;
    if (pad.RightTrigger != (z < 32768 ? (32767 - z) / 128 : 0)) return false;
    constexpr std::uint16_t DPadBits = XInputDPadUp | XInputDPadDown | XInputDPadLeft | XInputDPadRight;
    return HatAsXInputDPad(joy.POV[0]) == (pad.Buttons & DPadBits);
}

void SetDeviceKind(DeviceContext& context, std::size_t index, std::uint8_t kind, std::uint8_t xinputIndex) {
    ControllerDataType& c = context.List.Controllers[index];
    // A rumble is stopped the way it was started: before the way changes.
    // The engine starts it again the new way in the next pass.
    if ((c.DeviceKind != kind || c.XInputIndex != xinputIndex) && (c.RumbleNow[0] > 0 || c.RumbleNow[1] > 0))
        SetRumble(c, 0, 0, true, context.Rumble);
    c.DeviceKind = kind;
    c.XInputIndex = xinputIndex;
    if (c.DetectionSlot < MaxDevices) context.List.Detection[c.DetectionSlot].DirectInputVotes = 0;
    UpdateCanRumble(context.List, c);
    if (index != context.List.Selected) return;
    context.Ui.RefreshWindow(SettingsWindow::ControllerProperties);
    context.Ui.RefreshWindow(SettingsWindow::Assignment);
    context.Ui.RefreshWindow(SettingsWindow::AdvancedAssignment);
}

void IdentifyXInput(DeviceContext& context) {
    ControllerListType& list = context.List;
    if (!context.Devices.XInputIsLoaded()) {
        for (std::size_t k = 0; k < list.Count(); ++k)
            SetDeviceKind(context, k, NoXInputDevice, NoXInputIndex);
    } else {
        const PadTable t = BuildPadTable(context);
        if (t.FreeCount == 0) {
            for (std::size_t k = 0; k < list.Count(); ++k)
                if (IsCandidate(list.Controllers[k])) DecideDirectInput(context, k);
        } else {
            PairCandidates(context, t);
        }
    }
    MarkDone(list);
}

}  // namespace velmora
