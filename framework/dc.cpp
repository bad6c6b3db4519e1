#include "framework/dc.h"

#include <cstring>

#include "framework/gdi_objects.h"

namespace {

int LengthOf(const char *text, int length) {
    return length < 0 ? int(std::strlen(text)) : length;
}

} // namespace

bool TDC::TextOut(int x, int y, const char *text, int length) {
    return ::TextOutA(handle, x, y, text, LengthOf(text, length)) != 0;
}

int TDC::DrawText(const char *text, int length, const TRect &rect, UINT format) {
    RECT area = rect;
    return ::DrawTextA(handle, text, length, &area, format);
}

TSize TDC::GetTextExtent(const char *text, int length) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(handle, text, LengthOf(text, length), &size);
    return TSize(size);
}

bool TDC::FillSolidRect(const TRect &rect, const TColor &color) {
    TBrush brush(color);
    return FillRect(rect, brush);
}

bool TDC::BitBlt(const TRect &target, HDC source, const TPoint &sourceOrigin, DWORD rop) {
    return ::BitBlt(handle, target.left, target.top, target.Width(), target.Height(), source, sourceOrigin.x,
                    sourceOrigin.y, rop) != 0;
}

bool TDC::StretchBlt(const TRect &target, HDC source, const TRect &sourceRect, DWORD rop) {
    return ::StretchBlt(handle, target.left, target.top, target.Width(), target.Height(), source, sourceRect.left,
                        sourceRect.top, sourceRect.Width(), sourceRect.Height(), rop) != 0;
}

TClientDC::TClientDC(HWND window) : TDC(GetDC(window)), window(window) {}

TClientDC::~TClientDC() {
    if (handle) {
        ReleaseDC(window, handle);
    }
}

TWindowDC::TWindowDC(HWND window) : TDC(GetWindowDC(window)), window(window) {}

TWindowDC::~TWindowDC() {
    if (handle) {
        ReleaseDC(window, handle);
    }
}

TDesktopDC::TDesktopDC() : TDC(GetDC(nullptr)) {}

TDesktopDC::~TDesktopDC() {
    if (handle) {
        ReleaseDC(nullptr, handle);
    }
}

TPaintDC::TPaintDC(HWND window) : TDC(nullptr), window(window), paint{} {
    handle = BeginPaint(window, &paint);
}

TPaintDC::~TPaintDC() {
    EndPaint(window, &paint);
}

TMemoryDC::TMemoryDC() : TDC(CreateCompatibleDC(nullptr)) {}

TMemoryDC::TMemoryDC(HDC compatibleWith) : TDC(CreateCompatibleDC(compatibleWith)) {}

TMemoryDC::~TMemoryDC() {
    if (handle) {
        DeleteDC(handle);
    }
}
