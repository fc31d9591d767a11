#include "engine/HeldInput.h"

#include <initializer_list>

#include "engine/Emission.h"
#include "model/SlotCodes.h"

namespace velmora {
namespace {

inline constexpr std::size_t NoSlot = HeldInputSlots;
inline constexpr std::size_t FirstButtonSlot = HeldKeySlots;

std::size_t KeySlot(const KeyboardRecord& r) {
    const bool scan = (r.Flags & KeyScanCode) != 0;
    const std::uint16_t code = scan ? r.ScanCode : r.VirtualKey;
    if (code > 0xFF) return NoSlot;
    return (scan ? 512u : 0u) + ((r.Flags & KeyExtended) ? 256u : 0u) + code;
}

KeyboardRecord KeyReleaseOf(std::size_t slot) {
    KeyboardRecord r;
    const auto code = static_cast<std::uint16_t>(slot & 0xFF);
    const bool scan = slot >= 512;
    (scan ? r.ScanCode : r.VirtualKey) = code;
    r.Flags = KeyUp | (scan ? KeyScanCode : 0u) | ((slot & 256) ? KeyExtended : 0u);
    return r;
}

constexpr std::uint32_t ButtonDown[3] = {MouseLeftDown, MouseRightDown, MouseMiddleDown};
constexpr std::uint32_t ButtonUp[3] = {MouseLeftUp, MouseRightUp, MouseMiddleUp};

// Set on the place of everything but a modifier: taking the highest place
// first then releases the other keys and the buttons before the modifiers,
// as the engine's own release does, and each group latest press first.
inline constexpr std::uint32_t BeforeModifiers = 0x80000000u;

bool IsModifier(const KeyboardRecord& press) {
    for (std::size_t code = 0; code < SlotCodeTable.size(); ++code) {
        if (!SlotCodeTable[code].Modifier) continue;
        for (KeyCodeMode mode : {KeyCodeMode::ScanCodes, KeyCodeMode::VirtualKeys}) {
            const KeyboardRecord r = KeyRecord(static_cast<std::uint8_t>(code), false, mode);
            if (r.ScanCode == press.ScanCode && r.VirtualKey == press.VirtualKey && r.Flags == press.Flags)
                return true;
        }
    }
    return false;
}

void Hold(HeldInput& held, std::size_t slot, bool modifier) {
    if (held.Order[slot].load() != 0) return;  // a repeat keeps the place of the first press
    std::uint32_t order = held.NextOrder.fetch_add(1) & ~BeforeModifiers;
    if (order == 0) order = held.NextOrder.fetch_add(1) & ~BeforeModifiers;  // 0 means "not held"
    held.Order[slot].store(modifier ? order : order | BeforeModifiers);
}

std::size_t LatestSlot(const HeldInput& held) {
    std::size_t latest = NoSlot;
    std::uint32_t best = 0;
    for (std::size_t slot = 0; slot < HeldInputSlots; ++slot) {
        const std::uint32_t order = held.Order[slot].load();
        if (order > best) {
            best = order;
            latest = slot;
        }
    }
    return latest;
}

InputRelease ReleaseOf(std::size_t slot) {
    InputRelease release;
    if (slot < FirstButtonSlot) {
        release.Key = KeyReleaseOf(slot);
    } else {
        release.Mouse = true;
        release.Button.Flags = ButtonUp[slot - FirstButtonSlot];
    }
    return release;
}

}  // namespace

void NoteKeyboard(HeldInput& held, const KeyboardRecord& record) {
    const std::size_t slot = KeySlot(record);
    if (slot == NoSlot) return;
    if (record.Flags & KeyUp)
        held.Order[slot].store(0);
    else
        Hold(held, slot, IsModifier(record));
}

void NoteMouse(HeldInput& held, const MouseRecord& record) {
    for (std::size_t b = 0; b < 3; ++b) {
        if (record.Flags & ButtonDown[b]) Hold(held, FirstButtonSlot + b, false);
        if (record.Flags & ButtonUp[b]) held.Order[FirstButtonSlot + b].store(0);
    }
}

std::size_t TakeReleases(HeldInput& held, std::span<InputRelease> out) {
    std::size_t count = 0;
    while (count < out.size()) {
        const std::size_t slot = LatestSlot(held);
        if (slot == NoSlot) break;
        // Another path (the terminate handler after the exception filter)
        // may have taken it meanwhile: each release goes out once.
        if (held.Order[slot].exchange(0) == 0) continue;
        out[count++] = ReleaseOf(slot);
    }
    return count;
}

void HeldInputSink::SendKeyboard(const KeyboardRecord& record) {
    // A press is noted before it goes out and a release after, so that a
    // crash in between releases once too often rather than never.
    if (!(record.Flags & KeyUp)) NoteKeyboard(held_, record);
    output_.SendKeyboard(record);
    if (record.Flags & KeyUp) NoteKeyboard(held_, record);
}

void HeldInputSink::SendMouse(const MouseRecord& record) {
    constexpr std::uint32_t releases = MouseLeftUp | MouseRightUp | MouseMiddleUp;
    if (!(record.Flags & releases)) NoteMouse(held_, record);
    output_.SendMouse(record);
    if (record.Flags & releases) NoteMouse(held_, record);
}

}  // namespace velmora
