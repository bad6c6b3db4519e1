#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "hypertext/draw_device.h"

// One thing a fixed-metric device was asked to draw or show.
struct DrawnEvent {
    enum class Kind { Text, Image, Message };

    Kind kind = Kind::Text;
    std::int32_t x = 0; // text: left edge and baseline
    std::int32_t y = 0;
    FontDescription font;     // text: the description the selected font was made from
    ColorValue textColor = 0; // text: the colors in effect
    ColorValue backColor = 0;
    std::string text;              // text: the string; message: its text
    DeviceRect target{0, 0, 0, 0}; // image: where the part was copied to
    DeviceRect source{0, 0, 0, 0}; // image: the part of the bitmap
    std::string src;               // image: the file the bitmap was read from
};

// A deterministic device that measures by rule and records what is drawn, in order.
// - A font made from a description with height h has cell height |h|, or 13 when h is 0.
// - Every character is max(1, cell height / 2) pixels wide, plus 1 when the weight is 700 or more; the
//   height of any string is the cell height.
// - The window-text system color is black, the window color white.
// - A bitmap file is read from its BMP headers; no bitmap resource is ever found.
class FixedMetricDevice : public HyperTextDevice {
public:
    explicit FixedMetricDevice(std::int32_t pixelsPerInch = 96);

    const std::vector<DrawnEvent> &Events() const { return events; }
    // Fonts made and not yet freed.
    std::size_t LiveFontCount() const { return fonts.size(); }
    // Frees of a font that was selected, unknown or already freed.
    int BadFreeCount() const { return badFrees; }
    DeviceFont SelectedFont() const { return selected; }
    // The font selected before anything else, as a device context starts out.
    static constexpr DeviceFont stockFont = 1;

    static std::int32_t CellHeight(const FontDescription &description);
    static std::int32_t CharacterWidth(const FontDescription &description);
    static ColorValue SystemColorValue(SystemColor color);

    std::int32_t VerticalPixelsPerInch() override { return pixelsPerInch; }
    DeviceFont MakeFont(const FontDescription &description) override;
    DeviceFont ChangeFont(DeviceFont font) override;
    void FreeFont(DeviceFont font) override;
    void ApplyTextColor(const DeviceColor &color) override;
    void ApplyBackColor(const DeviceColor &color) override;
    void UseTransparentBaselineText() override {}
    TextExtent MeasureString(const char *text, std::size_t length) override;
    void DrawString(std::int32_t x, std::int32_t y, const char *text, std::size_t length) override;
    std::unique_ptr<DeviceBitmap> LoadBitmapFromFile(const std::string &fileName) override;
    std::unique_ptr<DeviceBitmap> LoadBitmapFromResource(std::uint16_t resourceId) override;
    void CopyBitmap(const DeviceBitmap &bitmap, const DeviceRect &target, const DeviceRect &source) override;
    void ShowMessageText(const char *text) override;

private:
    const FontDescription &SelectedDescription() const;
    static ColorValue Resolve(const DeviceColor &color);

    std::int32_t pixelsPerInch;
    FontDescription stockDescription;
    std::map<DeviceFont, FontDescription> fonts;
    DeviceFont nextFont = stockFont + 1;
    DeviceFont selected = stockFont;
    ColorValue textColor = 0x000000;
    ColorValue backColor = 0xFFFFFF;
    int badFrees = 0;
    std::vector<DrawnEvent> events;
};
