#pragma once

#include <cstdint>

// The walk's 32-bit quantities (pen, heights, widths, link and image coordinates) wrap as unsigned
// 32-bit arithmetic and are read back as signed, so no input can cause signed overflow.
namespace Wrapping {

inline std::uint32_t Bits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

inline std::int32_t FromBits(std::uint32_t bits) {
    if (bits <= 0x7FFFFFFFu)
        return static_cast<std::int32_t>(bits);
    return static_cast<std::int32_t>(bits - 0x80000000u) + INT32_MIN;
}

inline std::int32_t Add(std::int32_t a, std::int32_t b) {
    return FromBits(Bits(a) + Bits(b));
}

inline std::int32_t Subtract(std::int32_t a, std::int32_t b) {
    return FromBits(Bits(a) - Bits(b));
}

inline std::int32_t Multiply(std::int32_t a, std::int32_t b) {
    return FromBits(Bits(a) * Bits(b));
}

inline std::int32_t Negate(std::int32_t value) {
    return FromBits(0u - Bits(value));
}

} // namespace Wrapping
