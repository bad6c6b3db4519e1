#pragma once

#include <windows.h>

#include "framework/graphics.h"

// A device context. The base class wraps a handle it does not own (for example the one a WM_ERASEBKGND or
// WM_DRAWITEM message carries); each derived kind acquires its handle in its constructor and releases it in
// its destructor. Not copyable.
class TDC {
public:
    explicit TDC(HDC handle) : handle(handle) {}
    TDC(const TDC &) = delete;
    TDC &operator=(const TDC &) = delete;
    virtual ~TDC() = default;

    HDC GetHDC() const { return handle; }
    HDC GetAttributeHDC() const { return handle; }
    operator HDC() const { return handle; }
    bool IsValid() const { return handle != nullptr; }

    // Selects `object` and returns the object it replaced (prefer TSelection, which puts it back).
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(handle, object); }
    HGDIOBJ SelectStockObject(int index) { return ::SelectObject(handle, GetStockObject(index)); }

    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(handle, index); }
    // The Color value of a pixel; CLR_INVALID (0xFFFFFFFF) when it cannot be read.
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(handle, x, y); }
    COLORREF GetPixel(const TPoint &point) const { return GetPixel(point.x, point.y); }
    COLORREF SetPixel(int x, int y, const TColor &color) { return ::SetPixel(handle, x, y, color.GetValue()); }

    COLORREF SetTextColor(const TColor &color) { return ::SetTextColor(handle, color.GetValue()); }
    COLORREF SetBkColor(const TColor &color) { return ::SetBkColor(handle, color.GetValue()); }
    int SetBkMode(int mode) { return ::SetBkMode(handle, mode); }

    bool TextOut(int x, int y, const char *text, int length = -1);
    bool TextOut(const TPoint &point, const char *text, int length = -1) {
        return TextOut(point.x, point.y, text, length);
    }
    int DrawText(const char *text, int length, const TRect &rect, UINT format);
    TSize GetTextExtent(const char *text, int length) const;

    bool FillRect(const TRect &rect, HBRUSH brush) { return ::FillRect(handle, &rect, brush) != 0; }
    bool FillSolidRect(const TRect &rect, const TColor &color);
    bool FrameRect(const TRect &rect, HBRUSH brush) { return ::FrameRect(handle, &rect, brush) != 0; }
    bool DrawFocusRect(const TRect &rect) { return ::DrawFocusRect(handle, &rect) != 0; }
    bool Rectangle(const TRect &rect) { return ::Rectangle(handle, rect.left, rect.top, rect.right, rect.bottom) != 0; }
    bool BitBlt(const TRect &target, HDC source, const TPoint &sourceOrigin, DWORD rop = SRCCOPY);
    bool StretchBlt(const TRect &target, HDC source, const TRect &sourceRect, DWORD rop = SRCCOPY);

protected:
    HDC handle;
};

// The client area of a window (GetDC / ReleaseDC).
class TClientDC : public TDC {
public:
    explicit TClientDC(HWND window);
    ~TClientDC() override;

private:
    HWND window;
};

// The whole window, frame included (GetWindowDC / ReleaseDC).
class TWindowDC : public TDC {
public:
    explicit TWindowDC(HWND window);
    ~TWindowDC() override;

private:
    HWND window;
};

// The whole screen (GetDC(NULL)): GetPixel reads what the screen shows.
class TDesktopDC : public TDC {
public:
    TDesktopDC();
    ~TDesktopDC() override;
};

// Painting in answer to WM_PAINT (BeginPaint / EndPaint).
class TPaintDC : public TDC {
public:
    explicit TPaintDC(HWND window);
    ~TPaintDC() override;

    bool Erase() const { return paint.fErase != FALSE; }
    TRect PaintRect() const { return TRect(paint.rcPaint); }

private:
    HWND window;
    PAINTSTRUCT paint;
};

// A memory device context compatible with another one, or with the screen when made without one.
class TMemoryDC : public TDC {
public:
    TMemoryDC();
    explicit TMemoryDC(HDC compatibleWith);
    ~TMemoryDC() override;
};

// Selects an object into a device context for the guard's lifetime and selects the previous one back.
class TSelection {
public:
    TSelection(HDC dc, HGDIOBJ object) : dc(dc), previous(::SelectObject(dc, object)) {}
    TSelection(const TSelection &) = delete;
    TSelection &operator=(const TSelection &) = delete;
    ~TSelection() {
        if (previous && previous != HGDI_ERROR) {
            ::SelectObject(dc, previous);
        }
    }

    HGDIOBJ Previous() const { return previous; }

private:
    HDC dc;
    HGDIOBJ previous;
};
