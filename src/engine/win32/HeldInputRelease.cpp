#include "engine/win32/HeldInputRelease.h"

#include <array>
#include <atomic>

namespace velmora {
namespace {

// Static rather than on the stack: a stack overflow is one of the crashes
// that come this way.
constinit std::array<InputRelease, HeldInputSlots> releases;
constinit std::array<INPUT, HeldInputSlots> records;
std::atomic_flag sending = ATOMIC_FLAG_INIT;

void Fill(INPUT& record, const InputRelease& release) {
    record = INPUT{};
    if (release.Mouse) {
        record.type = INPUT_MOUSE;
        record.mi.dwFlags = release.Button.Flags;
    } else {
        record.type = INPUT_KEYBOARD;
        record.ki.wVk = release.Key.VirtualKey;
        record.ki.wScan = release.Key.ScanCode;
        record.ki.dwFlags = release.Key.Flags;
    }
}

}  // namespace

UINT SendHeldReleases(HeldInput& held, SendInputFunction send) {
    if (!send || sending.test_and_set()) return 0;
    const std::size_t count = TakeReleases(held, releases);
    for (std::size_t i = 0; i < count; ++i) Fill(records[i], releases[i]);
    // One call: no other program's input comes between the releases.
    const UINT sent = count ? send(static_cast<UINT>(count), records.data(), sizeof(INPUT)) : 0;
    sending.clear();
    return sent;
}

}  // namespace velmora
