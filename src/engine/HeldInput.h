#pragma once
// What is held down in the system right now: every key and mouse button
// whose press went out through the sink and whose release has not. It is
// made of lock-free atomics and the program keeps it in static storage, so
// that a crashed program (an unhandled exception, a terminate) can still
// take the releases out of it and send them, without allocating, locking or
// trusting the engine's own state.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/InputSink.h"

namespace velmora {

// One slot per key as sent (scan code or virtual key, each with and without
// the extended flag) and one per mouse button: a record can never run out.
inline constexpr std::size_t HeldKeySlots = 2 * 2 * 256;
inline constexpr std::size_t HeldInputSlots = HeldKeySlots + 3;

struct HeldInput {
    // 0: not held; otherwise the press's place in the order of releases.
    std::array<std::atomic<std::uint32_t>, HeldInputSlots> Order{};
    std::atomic<std::uint32_t> NextOrder{1};
};

// The release of one held key or button, ready to send.
struct InputRelease {
    bool Mouse = false;
    KeyboardRecord Key;
    MouseRecord Button;
};

// Notes a record about to go out: a key or button press becomes held (a
// repeat keeps its first place), a release lets go. Moves and wheel steps
// are not held and change nothing, nor does a code over one byte, which
// the engine never sends.
void NoteKeyboard(HeldInput& held, const KeyboardRecord& record);
void NoteMouse(HeldInput& held, const MouseRecord& record);

// Empties the record into out: the other keys and the buttons, then the
// modifiers, each group latest press first, as the engine's own release
// orders them (a modifier never comes up before the key it changes). Returns how many
// releases were written; a second call sends nothing twice. Allocates
// nothing and takes no lock: safe from a crashed state and from another
// thread than the one that sends.
std::size_t TakeReleases(HeldInput& held, std::span<InputRelease> out);

// The sink the engine sends through: notes each record in the held record
// (a press before it goes out, a release after) and hands it on.
class HeldInputSink : public InputSink {
public:
    HeldInputSink(InputSink& output, HeldInput& held) : output_(output), held_(held) {}
    void SendKeyboard(const KeyboardRecord& record) override;
    void SendMouse(const MouseRecord& record) override;

private:
    InputSink& output_;
    HeldInput& held_;
};

}  // namespace velmora
