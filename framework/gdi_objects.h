#pragma once

#include <windows.h>

#include "framework/graphics.h"

// A GDI object (brush, pen, font, bitmap) owned by the C++ object that made it: deleted in the destructor.
// Not copyable; movable.
class TGdiObject {
public:
    TGdiObject(const TGdiObject &) = delete;
    TGdiObject &operator=(const TGdiObject &) = delete;
    TGdiObject(TGdiObject &&other) noexcept : handle(other.handle) { other.handle = nullptr; }
    TGdiObject &operator=(TGdiObject &&other) noexcept;
    virtual ~TGdiObject();

    HGDIOBJ GetHandle() const { return handle; }
    bool IsValid() const { return handle != nullptr; }

protected:
    explicit TGdiObject(HGDIOBJ handle) : handle(handle) {}

    HGDIOBJ handle;
};

class TBrush : public TGdiObject {
public:
    // A solid brush; a system color is looked up now.
    explicit TBrush(const TColor &color);
    operator HBRUSH() const { return HBRUSH(handle); }
};

class TPen : public TGdiObject {
public:
    explicit TPen(const TColor &color, int width = 1, int style = PS_SOLID);
    operator HPEN() const { return HPEN(handle); }
};

class TFont : public TGdiObject {
public:
    explicit TFont(const LOGFONTA &description);
    TFont(const char *faceName, int height, int weight = FW_NORMAL);
    operator HFONT() const { return HFONT(handle); }
    LOGFONTA GetDescription() const;
};

class TBitmap : public TGdiObject {
public:
    // Takes ownership of `bitmap` (which may be null: IsValid() tells).
    explicit TBitmap(HBITMAP bitmap);
    // Loads bitmap resource `resourceId` of `module` (LoadBitmapA); check IsValid().
    TBitmap(HINSTANCE module, int resourceId);
    // A bitmap compatible with the device context `dc`.
    TBitmap(HDC dc, int width, int height);
    operator HBITMAP() const { return HBITMAP(handle); }

    int Width() const;
    int Height() const;
    TSize Size() const { return TSize(Width(), Height()); }
};

// A device-independent bitmap (DIB section) read from a .bmp file or from a bitmap resource.
// Both constructors throw Orvak::Exception when the bitmap cannot be read.
class TDiBitmap : public TBitmap {
public:
    explicit TDiBitmap(const char *fileName);
    // `module` null means the program's own executable.
    TDiBitmap(HINSTANCE module, int resourceId);
};

// A cursor loaded from a resource, destroyed with the object.
class TCursor {
public:
    // `module` null means the program's own executable. IsValid() tells whether the resource was found.
    TCursor(HINSTANCE module, int resourceId);
    TCursor(const TCursor &) = delete;
    TCursor &operator=(const TCursor &) = delete;
    ~TCursor();

    bool IsValid() const { return handle != nullptr; }
    HCURSOR GetHandle() const { return handle; }
    operator HCURSOR() const { return handle; }

private:
    HCURSOR handle;
};
