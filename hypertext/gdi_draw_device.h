#pragma once

#include <windows.h>

#include "framework/dc.h"
#include "hypertext/draw_device.h"

// Draws hypertext through GDI on a device context that the caller owns.
class GdiDrawDevice : public HyperTextDevice {
public:
    explicit GdiDrawDevice(TDC &dc) : dc(dc) {}

    static TColor ToTColor(const DeviceColor &color);
    static LOGFONTA ToLogFont(const FontDescription &description);

    std::int32_t VerticalPixelsPerInch() override;
    DeviceFont MakeFont(const FontDescription &description) override;
    DeviceFont ChangeFont(DeviceFont font) override;
    void FreeFont(DeviceFont font) override;
    void ApplyTextColor(const DeviceColor &color) override;
    void ApplyBackColor(const DeviceColor &color) override;
    void UseTransparentBaselineText() override;
    TextExtent MeasureString(const char *text, std::size_t length) override;
    void DrawString(std::int32_t x, std::int32_t y, const char *text, std::size_t length) override;
    std::unique_ptr<DeviceBitmap> LoadBitmapFromFile(const std::string &fileName) override;
    std::unique_ptr<DeviceBitmap> LoadBitmapFromResource(std::uint16_t resourceId) override;
    void CopyBitmap(const DeviceBitmap &bitmap, const DeviceRect &target, const DeviceRect &source) override;
    void ShowMessageText(const char *text) override;

private:
    TDC &dc;
};
