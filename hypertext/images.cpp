// Inline images: loading by file name or registered resource name, the part and the size to draw.
#include "hypertext/images.h"

#include <cstring>
#include <memory>

#include "hypertext/wrapping_arithmetic.h"

std::map<const char *, unsigned int, lessThanCharPtr> imageRegistry;

namespace {

// The drawn size and the part of the bitmap to take. A given drawn size always wins; a part cut out
// without a drawn size is drawn at its own size.
struct ImageGeometry {
    std::int32_t drawnWidth;
    std::int32_t drawnHeight;
    DeviceRect part;
};

ImageGeometry MeasureImage(const HyperTextImageTag &tag, std::int32_t bitmapWidth, std::int32_t bitmapHeight) {
    ImageGeometry geometry{bitmapWidth, bitmapHeight,
                           DeviceRect{tag.subX, tag.subY, Wrapping::Subtract(bitmapWidth, tag.subX),
                                      Wrapping::Subtract(bitmapHeight, tag.subY)}};
    if (tag.width != -1)
        geometry.drawnWidth = tag.width;
    if (tag.subWidth != -1) {
        geometry.part.width = tag.subWidth;
        if (tag.width == -1)
            geometry.drawnWidth = tag.subWidth;
    }
    if (tag.height != -1)
        geometry.drawnHeight = tag.height;
    if (tag.subHeight != -1) {
        geometry.part.height = tag.subHeight;
        if (tag.height == -1)
            geometry.drawnHeight = tag.subHeight;
    }
    return geometry;
}

std::unique_ptr<DeviceBitmap> LoadImageBitmap(HyperTextDevice &device, const std::string &src) {
    if (!src.empty() && src[0] == '#')
        return device.LoadBitmapFromResource(FindImageResource(src.c_str() + 1));
    return device.LoadBitmapFromFile(src);
}

// Draws the image; false when it could not be loaded.
bool TryDrawImage(HyperTextDevice &device, HyperTextPen &pen, const HyperTextImageTag &tag) {
    const std::unique_ptr<DeviceBitmap> bitmap = LoadImageBitmap(device, tag.src);
    if (!bitmap)
        return false;
    const ImageGeometry geometry = MeasureImage(tag, bitmap->Width(), bitmap->Height());
    // The lower edge lies 2 pixels below the baseline; a tall image reaches up over earlier lines.
    const DeviceRect target{pen.x, Wrapping::Add(Wrapping::Subtract(pen.y, geometry.drawnHeight), 2),
                            geometry.drawnWidth, geometry.drawnHeight};
    device.CopyBitmap(*bitmap, target, geometry.part);
    pen.x = Wrapping::Add(pen.x, geometry.drawnWidth);
    return true;
}

} // namespace

void RegisterImage(const char *name, unsigned int resourceId) {
    // A name registered again keeps the newer pointer.
    imageRegistry.erase(name);
    imageRegistry.emplace(name, resourceId);
}

unsigned short FindImageResource(const char *name) {
    const auto entry = imageRegistry.find(name);
    return entry == imageRegistry.end() ? 0 : static_cast<unsigned short>(entry->second & 0xFFFFu);
}

void DrawImage(HyperTextDevice &device, HyperTextPen &pen, const HyperTextImageTag &tag) {
    bool drawn = false;
    try {
        drawn = TryDrawImage(device, pen, tag);
    } catch (...) {
        drawn = false;
    }
    if (!drawn)
        device.DrawString(pen.x, pen.y, imageErrorText, std::strlen(imageErrorText));
}
