#include "hypertext/bmp_size.h"

#include <fstream>

#include "hypertext/wrapping_arithmetic.h"

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t largestInfoHeaderSize = 124;

std::uint32_t ReadLittleEndian(const std::string &bytes, std::size_t offset, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

bool IsInfoHeaderSize(std::uint32_t size) {
    static const std::uint32_t sizes[] = {40, 52, 56, 108, 124};
    for (std::uint32_t known : sizes) {
        if (size == known)
            return true;
    }
    return false;
}

} // namespace

bool ReadBmpSize(const std::string &bytes, std::int32_t &width, std::int32_t &height) {
    if (bytes.size() < fileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::uint32_t headerSize = ReadLittleEndian(bytes, fileHeaderSize, 4);
    if (headerSize != 12 && !IsInfoHeaderSize(headerSize))
        return false;
    if (bytes.size() < fileHeaderSize + headerSize)
        return false;
    std::int64_t w = 0;
    std::int64_t h = 0;
    if (headerSize == 12) {
        w = ReadLittleEndian(bytes, fileHeaderSize + 4, 2);
        h = ReadLittleEndian(bytes, fileHeaderSize + 6, 2);
    } else {
        w = Wrapping::FromBits(ReadLittleEndian(bytes, fileHeaderSize + 4, 4));
        h = Wrapping::FromBits(ReadLittleEndian(bytes, fileHeaderSize + 8, 4));
        if (h < 0)
            h = -h; // top-down rows
    }
    if (w <= 0 || h <= 0 || h > INT32_MAX)
        return false;
    width = static_cast<std::int32_t>(w);
    height = static_cast<std::int32_t>(h);
    return true;
}

bool ReadBmpFileSize(const std::string &fileName, std::int32_t &width, std::int32_t &height) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return false;
    std::string bytes(fileHeaderSize + largestInfoHeaderSize, '\0');
    file.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return ReadBmpSize(bytes, width, height);
}
