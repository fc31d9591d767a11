#pragma once
// The configuration record: options kept in Velmora.ini.

#include <cstdint>

namespace velmora {

struct ConfigurationType {
    std::uint8_t DefaultStickDeadZone = 64;   // 1..255
    std::uint8_t DefaultTriggerDeadZone = 1;  // 1..255
};

}  // namespace velmora
