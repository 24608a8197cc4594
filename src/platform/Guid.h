#pragma once
// Globally unique identifiers, laid out as the desktop's GUID.

#include <cstdint>

namespace shopbiz {

struct Guid {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};

// A random (version 4, RFC 4122 variant) GUID from the system's random device.
Guid NewRandomGuid();

}  // namespace shopbiz
