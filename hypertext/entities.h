#pragma once

#include <cstdint>
#include <string>

// One named character: the name between "&" and ";" and its code in the Windows Latin-1 code page.
struct HTEntity {
    const char *name;
    std::uint8_t code;
};

constexpr int htEntityCount = 70;

// Names compare case-sensitively and are all different. Three rows differ from HTML on purpose:
// "trade" gives 174 like "reg", "nbsp" gives an ordinary space, and sharp s is "Szlig".
extern const HTEntity htEntities[htEntityCount];

// The code of the entity `name`, or -1 when no row has that name.
std::int32_t FindEntityCode(const std::string &name);
