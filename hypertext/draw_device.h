#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "colors/color_value.h"

// The system colors that hypertext refers to, numbered as the platform numbers them.
enum class SystemColor : std::int32_t {
    Window = 5,
    WindowText = 8,
};

// A color as the drawing applies it: a Color value, or a reference to a system color that the device
// looks up each time the color is applied.
class DeviceColor {
public:
    static DeviceColor Value(ColorValue value) { return DeviceColor(false, value); }
    static DeviceColor System(SystemColor index) { return DeviceColor(true, static_cast<std::uint32_t>(index)); }

    bool IsSystem() const { return system; }
    // The Color value of a plain color.
    ColorValue GetValue() const { return bits; }
    // The system color a reference names.
    SystemColor GetSystemColor() const { return static_cast<SystemColor>(bits); }

    bool operator==(const DeviceColor &other) const { return system == other.system && bits == other.bits; }
    bool operator!=(const DeviceColor &other) const { return !(*this == other); }

private:
    DeviceColor(bool system, std::uint32_t bits) : system(system), bits(bits) {}

    bool system;
    std::uint32_t bits; // the Color value, or the system color's index
};

// A font description with the fields of the platform's LOGFONTA, in the same order.
struct FontDescription {
    static constexpr std::size_t faceNameSize = 32; // with the terminating zero

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    char faceName[faceNameSize] = {};

    // Copies the first 31 characters of `face`; a longer face is cut there.
    void SetFaceName(const std::string &face);
    std::string FaceName() const;
};

// A font made by a device, as the device identifies it; 0 is no font.
using DeviceFont = std::uintptr_t;

struct TextExtent {
    std::int32_t width;
    std::int32_t height;
};

// A rectangle of a stretch copy: left, top, width and height.
struct DeviceRect {
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
};

// The pen of the drawing walk; y is always a baseline.
struct HyperTextPen {
    std::int32_t x;
    std::int32_t y;
};

// A bitmap loaded by a device, released with the object.
class DeviceBitmap {
public:
    virtual ~DeviceBitmap() = default;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;
};

// The handful of device operations that drawing hypertext needs. One implementation draws through GDI;
// a fixed-metric one measures by rule and records what is drawn.
class HyperTextDevice {
public:
    virtual ~HyperTextDevice() = default;

    virtual std::int32_t VerticalPixelsPerInch() = 0;

    // A new font owned by the caller until FreeFont.
    virtual DeviceFont MakeFont(const FontDescription &description) = 0;
    // Selects `font` and returns the font it replaced.
    virtual DeviceFont ChangeFont(DeviceFont font) = 0;
    virtual void FreeFont(DeviceFont font) = 0;

    virtual void ApplyTextColor(const DeviceColor &color) = 0;
    virtual void ApplyBackColor(const DeviceColor &color) = 0;
    // Text is drawn without a background box, with its baseline at the given y.
    virtual void UseTransparentBaselineText() = 0;

    // Width and cell height of a string in the selected font.
    virtual TextExtent MeasureString(const char *text, std::size_t length) = 0;
    // Draws a string with its left edge at x and its baseline at y.
    virtual void DrawString(std::int32_t x, std::int32_t y, const char *text, std::size_t length) = 0;

    // A bitmap read from a file, or from the program's bitmap resource `resourceId`. Failure is null or
    // an exception of any kind.
    virtual std::unique_ptr<DeviceBitmap> LoadBitmapFromFile(const std::string &fileName) = 0;
    virtual std::unique_ptr<DeviceBitmap> LoadBitmapFromResource(std::uint16_t resourceId) = 0;
    // Copies the `source` part of `bitmap` onto `target`, scaling as needed.
    virtual void CopyBitmap(const DeviceBitmap &bitmap, const DeviceRect &target, const DeviceRect &source) = 0;

    // A message box with `text`, no owner, an empty caption and an OK button.
    virtual void ShowMessageText(const char *text) = 0;
};
