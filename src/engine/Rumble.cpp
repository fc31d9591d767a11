#include "engine/Rumble.h"

namespace velmora {

void SetRumble(ControllerDataType& c, std::uint8_t s0, std::uint8_t s1, bool forced, RumbleOutput& output) {
    if (s0 == 0 && s1 == 0) {
        // Not yet accepted: RumbleNow keeps its value, so the engine asks again next pass.
        if (c.RumblePasses < MinimumRumblePasses && !forced) return;
        c.RumblePasses = 0;
        output.StopRumble(c);
        c.RumbleNow = {0, 0};
        return;
    }
    c.RumblePasses = 0;
    output.StartRumble(c, s0, s1);
    c.RumbleNow = {s0, s1};
}

}  // namespace velmora
