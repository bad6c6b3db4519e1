#include "hypertext/fixed_metric_device.h"

#include <algorithm>

#include "hypertext/bmp_size.h"
#include "hypertext/wrapping_arithmetic.h"

namespace {

// A bitmap of the fixed-metric device: its size and the file it came from.
class FixedBitmap : public DeviceBitmap {
public:
    FixedBitmap(std::int32_t width, std::int32_t height, std::string fileName)
        : width(width), height(height), fileName(std::move(fileName)) {}
    std::int32_t Width() const override { return width; }
    std::int32_t Height() const override { return height; }
    const std::string &FileName() const { return fileName; }

private:
    std::int32_t width;
    std::int32_t height;
    std::string fileName;
};

} // namespace

FixedMetricDevice::FixedMetricDevice(std::int32_t pixelsPerInch) : pixelsPerInch(pixelsPerInch) {
    stockDescription.height = 16;
    stockDescription.weight = 700;
    stockDescription.SetFaceName("System");
}

std::int32_t FixedMetricDevice::CellHeight(const FontDescription &description) {
    if (description.height == 0)
        return 13;
    // |h| of the lowest height wraps back to itself.
    return description.height < 0 ? Wrapping::Negate(description.height) : description.height;
}

std::int32_t FixedMetricDevice::CharacterWidth(const FontDescription &description) {
    const std::int32_t width = std::max<std::int32_t>(1, CellHeight(description) / 2);
    return description.weight >= 700 ? Wrapping::Add(width, 1) : width;
}

ColorValue FixedMetricDevice::SystemColorValue(SystemColor color) {
    return color == SystemColor::Window ? 0xFFFFFF : 0x000000;
}

ColorValue FixedMetricDevice::Resolve(const DeviceColor &color) {
    return color.IsSystem() ? SystemColorValue(color.GetSystemColor()) : color.GetValue();
}

const FontDescription &FixedMetricDevice::SelectedDescription() const {
    const auto font = fonts.find(selected);
    return font == fonts.end() ? stockDescription : font->second;
}

DeviceFont FixedMetricDevice::MakeFont(const FontDescription &description) {
    const DeviceFont font = nextFont++;
    fonts.emplace(font, description);
    return font;
}

// Like selecting into a device context: an unknown font changes nothing and reports no previous one.
DeviceFont FixedMetricDevice::ChangeFont(DeviceFont font) {
    if (font != stockFont && fonts.count(font) == 0)
        return 0;
    const DeviceFont previous = selected;
    selected = font;
    return previous;
}

void FixedMetricDevice::FreeFont(DeviceFont font) {
    if (font == selected || fonts.erase(font) == 0)
        ++badFrees;
}

void FixedMetricDevice::ApplyTextColor(const DeviceColor &color) {
    textColor = Resolve(color);
}

void FixedMetricDevice::ApplyBackColor(const DeviceColor &color) {
    backColor = Resolve(color);
}

TextExtent FixedMetricDevice::MeasureString(const char *, std::size_t length) {
    const FontDescription &description = SelectedDescription();
    const std::uint32_t count = static_cast<std::uint32_t>(length);
    return TextExtent{Wrapping::FromBits(count * Wrapping::Bits(CharacterWidth(description))), CellHeight(description)};
}

void FixedMetricDevice::DrawString(std::int32_t x, std::int32_t y, const char *text, std::size_t length) {
    DrawnEvent event;
    event.kind = DrawnEvent::Kind::Text;
    event.x = x;
    event.y = y;
    event.font = SelectedDescription();
    event.textColor = textColor;
    event.backColor = backColor;
    event.text.assign(text, length);
    events.push_back(event);
}

std::unique_ptr<DeviceBitmap> FixedMetricDevice::LoadBitmapFromFile(const std::string &fileName) {
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!ReadBmpFileSize(fileName, width, height))
        return nullptr;
    return std::make_unique<FixedBitmap>(width, height, fileName);
}

std::unique_ptr<DeviceBitmap> FixedMetricDevice::LoadBitmapFromResource(std::uint16_t) {
    return nullptr;
}

void FixedMetricDevice::CopyBitmap(const DeviceBitmap &bitmap, const DeviceRect &target, const DeviceRect &source) {
    DrawnEvent event;
    event.kind = DrawnEvent::Kind::Image;
    event.target = target;
    event.source = source;
    if (const auto *fixed = dynamic_cast<const FixedBitmap *>(&bitmap))
        event.src = fixed->FileName();
    events.push_back(event);
}

void FixedMetricDevice::ShowMessageText(const char *text) {
    DrawnEvent event;
    event.kind = DrawnEvent::Kind::Message;
    event.text = text;
    events.push_back(event);
}
