#include "hypertext/gdi_draw_device.h"

#include <climits>
#include <cstring>

#include "framework/gdi_objects.h"
#include "hypertext/win_hyper_text.h"

namespace {

// A bitmap read into a device-independent bitmap; released with the object.
class GdiBitmap : public DeviceBitmap {
public:
    explicit GdiBitmap(std::unique_ptr<TDiBitmap> bitmap) : bitmap(std::move(bitmap)) {}
    std::int32_t Width() const override { return bitmap->Width(); }
    std::int32_t Height() const override { return bitmap->Height(); }
    HBITMAP Handle() const { return *bitmap; }

private:
    std::unique_ptr<TDiBitmap> bitmap;
};

HFONT FontHandle(DeviceFont font) {
    return reinterpret_cast<HFONT>(font);
}

// GDI counts characters in an int; longer strings are cut there.
int CharacterCount(std::size_t length) {
    return length > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(length);
}

} // namespace

TColor GdiDrawDevice::ToTColor(const DeviceColor &color) {
    return color.IsSystem() ? TColor::System(static_cast<int>(color.GetSystemColor())) : TColor(color.GetValue());
}

LOGFONTA GdiDrawDevice::ToLogFont(const FontDescription &description) {
    LOGFONTA font{};
    font.lfHeight = description.height;
    font.lfWidth = description.width;
    font.lfEscapement = description.escapement;
    font.lfOrientation = description.orientation;
    font.lfWeight = description.weight;
    font.lfItalic = description.italic;
    font.lfUnderline = description.underline;
    font.lfStrikeOut = description.strikeOut;
    font.lfCharSet = description.charSet;
    font.lfOutPrecision = description.outPrecision;
    font.lfClipPrecision = description.clipPrecision;
    font.lfQuality = description.quality;
    font.lfPitchAndFamily = description.pitchAndFamily;
    static_assert(sizeof font.lfFaceName == FontDescription::faceNameSize, "face name sizes differ");
    std::memcpy(font.lfFaceName, description.faceName, sizeof font.lfFaceName);
    return font;
}

std::int32_t GdiDrawDevice::VerticalPixelsPerInch() {
    return dc.GetDeviceCaps(LOGPIXELSY);
}

DeviceFont GdiDrawDevice::MakeFont(const FontDescription &description) {
    const LOGFONTA font = ToLogFont(description);
    return reinterpret_cast<DeviceFont>(CreateFontIndirectA(&font));
}

DeviceFont GdiDrawDevice::ChangeFont(DeviceFont font) {
    return reinterpret_cast<DeviceFont>(::SelectObject(dc.GetHDC(), FontHandle(font)));
}

void GdiDrawDevice::FreeFont(DeviceFont font) {
    DeleteObject(FontHandle(font));
}

void GdiDrawDevice::ApplyTextColor(const DeviceColor &color) {
    dc.SetTextColor(ToTColor(color));
}

void GdiDrawDevice::ApplyBackColor(const DeviceColor &color) {
    dc.SetBkColor(ToTColor(color));
}

void GdiDrawDevice::UseTransparentBaselineText() {
    ::SetBkMode(dc.GetHDC(), TRANSPARENT);
    ::SetTextAlign(dc.GetHDC(), TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    if (dc.GetAttributeHDC() != dc.GetHDC()) {
        ::SetBkMode(dc.GetAttributeHDC(), TRANSPARENT);
        ::SetTextAlign(dc.GetAttributeHDC(), TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    }
}

TextExtent GdiDrawDevice::MeasureString(const char *text, std::size_t length) {
    SIZE size{0, 0};
    GetTextExtentPointA(dc.GetAttributeHDC(), text, CharacterCount(length), &size);
    return TextExtent{size.cx, size.cy};
}

void GdiDrawDevice::DrawString(std::int32_t x, std::int32_t y, const char *text, std::size_t length) {
    dc.TextOut(x, y, text, CharacterCount(length));
}

std::unique_ptr<DeviceBitmap> GdiDrawDevice::LoadBitmapFromFile(const std::string &fileName) {
    return std::make_unique<GdiBitmap>(std::make_unique<TDiBitmap>(fileName.c_str()));
}

std::unique_ptr<DeviceBitmap> GdiDrawDevice::LoadBitmapFromResource(std::uint16_t resourceId) {
    return std::make_unique<GdiBitmap>(std::make_unique<TDiBitmap>(nullptr, resourceId));
}

void GdiDrawDevice::CopyBitmap(const DeviceBitmap &bitmap, const DeviceRect &target, const DeviceRect &source) {
    const auto *gdiBitmap = dynamic_cast<const GdiBitmap *>(&bitmap);
    if (gdiBitmap == nullptr)
        return;
    TMemoryDC memory(dc.GetHDC());
    const TSelection selection(memory, gdiBitmap->Handle());
    ::StretchBlt(dc.GetHDC(), target.x, target.y, target.width, target.height, memory, source.x, source.y, source.width,
                 source.height, SRCCOPY);
}

void GdiDrawDevice::ShowMessageText(const char *text) {
    MessageBoxExA(nullptr, text, "", MB_OK, 0);
}

void WinHyperText::Draw(TDC &dc, const TPoint &origin) {
    GdiDrawDevice device(dc);
    Draw(device, origin.x, origin.y);
}
