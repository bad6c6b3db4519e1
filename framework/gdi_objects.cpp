#include "framework/gdi_objects.h"

#include <string>
#include <utility>

#include "core/exception.h"

TGdiObject &TGdiObject::operator=(TGdiObject &&other) noexcept {
    if (this != &other) {
        if (handle) {
            DeleteObject(handle);
        }
        handle = std::exchange(other.handle, nullptr);
    }
    return *this;
}

TGdiObject::~TGdiObject() {
    if (handle) {
        DeleteObject(handle);
    }
}

TBrush::TBrush(const TColor &color) : TGdiObject(CreateSolidBrush(color.GetValue())) {}

TPen::TPen(const TColor &color, int width, int style) : TGdiObject(CreatePen(style, width, color.GetValue())) {}

TFont::TFont(const LOGFONTA &description) : TGdiObject(CreateFontIndirectA(&description)) {}

TFont::TFont(const char *faceName, int height, int weight)
    : TGdiObject(CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, faceName)) {}

LOGFONTA TFont::GetDescription() const {
    LOGFONTA description{};
    GetObjectA(handle, sizeof description, &description);
    return description;
}

TBitmap::TBitmap(HBITMAP bitmap) : TGdiObject(bitmap) {}

TBitmap::TBitmap(HINSTANCE module, int resourceId) : TGdiObject(LoadBitmapA(module, MAKEINTRESOURCEA(resourceId))) {}

TBitmap::TBitmap(HDC dc, int width, int height) : TGdiObject(CreateCompatibleBitmap(dc, width, height)) {}

int TBitmap::Width() const {
    BITMAP info{};
    GetObjectA(handle, sizeof info, &info);
    return info.bmWidth;
}

int TBitmap::Height() const {
    BITMAP info{};
    GetObjectA(handle, sizeof info, &info);
    return info.bmHeight;
}

namespace {

HBITMAP LoadBitmapFile(const char *fileName) {
    HANDLE bitmap = LoadImageA(nullptr, fileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!bitmap) {
        throw Orvak::Exception("Cannot read the bitmap file \"" + std::string(fileName) + "\".");
    }
    return HBITMAP(bitmap);
}

HBITMAP LoadBitmapResource(HINSTANCE module, int resourceId) {
    HANDLE bitmap = LoadImageA(module ? module : GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP,
                               0, 0, LR_CREATEDIBSECTION);
    if (!bitmap) {
        throw Orvak::Exception("Cannot load the bitmap resource " + std::to_string(resourceId) + ".");
    }
    return HBITMAP(bitmap);
}

} // namespace

TDiBitmap::TDiBitmap(const char *fileName) : TBitmap(LoadBitmapFile(fileName)) {}

TDiBitmap::TDiBitmap(HINSTANCE module, int resourceId) : TBitmap(LoadBitmapResource(module, resourceId)) {}

TCursor::TCursor(HINSTANCE module, int resourceId)
    : handle(HCURSOR(LoadImageA(module ? module : GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_CURSOR,
                                0, 0, LR_DEFAULTSIZE))) {}

TCursor::~TCursor() {
    if (handle) {
        DestroyCursor(handle);
    }
}
