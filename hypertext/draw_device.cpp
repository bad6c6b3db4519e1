#include "hypertext/draw_device.h"

#include <algorithm>
#include <cstring>

void FontDescription::SetFaceName(const std::string &face) {
    const std::size_t length = std::min(face.size(), faceNameSize - 1);
    std::memcpy(faceName, face.data(), length);
    std::fill(faceName + length, faceName + faceNameSize, '\0');
}

std::string FontDescription::FaceName() const {
    const char *end = std::find(faceName, faceName + faceNameSize, '\0');
    return std::string(faceName, end);
}
