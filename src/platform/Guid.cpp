#include "platform/Guid.h"

#include <random>

namespace shopbiz {

Guid NewRandomGuid() {
    std::random_device device;
    std::uint32_t words[4];
    for (auto& w : words) w = device();
    Guid g;
    g.Data1 = words[0];
    g.Data2 = static_cast<std::uint16_t>(words[1] >> 16);
    g.Data3 = static_cast<std::uint16_t>((words[1] & 0x0FFFu) | 0x4000u);  // version 4
    for (int i = 0; i < 8; ++i) g.Data4[i] = static_cast<std::uint8_t>(words[2 + i / 4] >> (8 * (i % 4)));
    g.Data4[0] = static_cast<std::uint8_t>((g.Data4[0] & 0x3Fu) | 0x80u);  // variant 10xx
    return g;
}

}  // namespace shopbiz
