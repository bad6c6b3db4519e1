#pragma once

#include <cstdint>
#include <string>

// A Color value holds a color as 0x00BBGGRR: red in the low byte. The high byte plays no part
// in any component (a failed pixel read yields all 32 bits set, which reads as white).
using ColorValue = std::uint32_t;

inline unsigned Red(ColorValue color) { return color & 0xFFu; }
inline unsigned Green(ColorValue color) { return (color >> 8) & 0xFFu; }
inline unsigned Blue(ColorValue color) { return (color >> 16) & 0xFFu; }

inline ColorValue MakeColorValue(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

// Six lower-case hexadecimal digits, red first: 0x00FF901E gives "1e90ff".
std::string FormatHexCode(ColorValue color);

// "RGB (r, g, b)" with three signed decimal numbers.
std::string FormatRgbText(int red, int green, int blue);
