#pragma once

#include <cstdint>
#include <string>

// Reads the width and height of a BMP file from its headers, without its pixels. A BMP starts with "BM",
// holds the 14-byte file header and a whole DIB header of 12 bytes (16-bit unsigned sizes) or of 40, 52,
// 56, 108 or 124 bytes (32-bit signed sizes; a negative height is a top-down bitmap of that many rows).
// Both sizes must come out above zero. False for anything else.
bool ReadBmpSize(const std::string &bytes, std::int32_t &width, std::int32_t &height);

// The same for a file; false when it cannot be read or is no BMP.
bool ReadBmpFileSize(const std::string &fileName, std::int32_t &width, std::int32_t &height);
