#pragma once

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "colors/color_value.h"
#include "hypertext/fixed_metric_device.h"
#include "hypertext/win_hyper_text.h"

// Helpers for drawing documents on the fixed-metric device and reading back what was drawn.
namespace drawing_test {

inline std::string FontText(const FontDescription &font) {
    return font.FaceName() + "," + std::to_string(font.height) + "," + std::to_string(font.weight) + "," +
           std::to_string(font.italic) + "," + std::to_string(font.underline) + "," + std::to_string(font.strikeOut);
}

inline std::string RectText(const DeviceRect &rect) {
    return std::to_string(rect.x) + " " + std::to_string(rect.y) + " " + std::to_string(rect.width) + " " +
           std::to_string(rect.height);
}

// "text X Y FONT TEXTCOLOR BACKCOLOR |string|", "image TARGET SOURCE src" or "message TEXT".
inline std::string Describe(const DrawnEvent &event) {
    switch (event.kind) {
    case DrawnEvent::Kind::Text:
        return "text " + std::to_string(event.x) + " " + std::to_string(event.y) + " " + FontText(event.font) + " " +
               FormatHexCode(event.textColor) + " " + FormatHexCode(event.backColor) + " |" + event.text + "|";
    case DrawnEvent::Kind::Image:
        return "image " + RectText(event.target) + " " + RectText(event.source) + " " + event.src;
    case DrawnEvent::Kind::Message:
        return "message " + event.text;
    }
    return "?";
}

// "link LEFT TOP RIGHT BOTTOM href".
inline std::string Describe(const LinkData &link) {
    return "link " + std::to_string(link.rect.left) + " " + std::to_string(link.rect.top) + " " +
           std::to_string(link.rect.right) + " " + std::to_string(link.rect.bottom) + " " + link.anchor->href;
}

inline std::vector<std::string> DescribeEvents(const FixedMetricDevice &device) {
    std::vector<std::string> lines;
    for (const DrawnEvent &event : device.Events())
        lines.push_back(Describe(event));
    return lines;
}

inline std::vector<std::string> DescribeLinks(const WinHyperText &document) {
    std::vector<std::string> lines;
    for (const LinkData &link : document.links)
        lines.push_back(Describe(link));
    return lines;
}

// The drawing of `markup` at origin (0, 0), events then links.
inline std::vector<std::string> DrawLines(const std::string &markup, std::int32_t width = 300, std::int32_t dpi = 96) {
    WinHyperText document(markup);
    document.width = width;
    FixedMetricDevice device(dpi);
    document.Draw(device, 0, 0);
    std::vector<std::string> lines = DescribeEvents(device);
    for (const std::string &link : DescribeLinks(document))
        lines.push_back(link);
    return lines;
}

// Little-endian bytes of `value`.
inline std::string LittleEndian(std::uint32_t value, int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFFu);
    return bytes;
}

// A BMP file header and an info header of `headerSize` bytes (40 and larger: 32-bit sizes; 12: 16-bit).
inline std::string BmpHeaders(std::uint32_t headerSize, std::int32_t width, std::int32_t height) {
    std::string bytes = "BM" + LittleEndian(0, 4) + LittleEndian(0, 4) + LittleEndian(14 + headerSize, 4);
    bytes += LittleEndian(headerSize, 4);
    if (headerSize == 12) {
        bytes +=
            LittleEndian(static_cast<std::uint32_t>(width), 2) + LittleEndian(static_cast<std::uint32_t>(height), 2);
        bytes += LittleEndian(1, 2) + LittleEndian(24, 2);
        return bytes;
    }
    bytes += LittleEndian(static_cast<std::uint32_t>(width), 4) + LittleEndian(static_cast<std::uint32_t>(height), 4);
    bytes += LittleEndian(1, 2) + LittleEndian(24, 2);
    bytes.resize(14 + headerSize, '\0');
    return bytes;
}

inline void WriteFile(const std::string &path, const std::string &bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace drawing_test
