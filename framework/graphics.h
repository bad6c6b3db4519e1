#pragma once

#include <windows.h>

// A color as the framework applies it: either a plain Color value (0x00BBGGRR), a reference to a system
// color that is looked up each time it is applied, or one of the two special values None and Transparent
// that window backgrounds understand.
class TColor {
public:
    enum class Kind { Value, System, None, Transparent };

    constexpr TColor() = default;
    constexpr TColor(COLORREF value) : kind(Kind::Value), value(value) {}
    constexpr TColor(int red, int green, int blue)
        : kind(Kind::Value), value(COLORREF((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16))) {}

    // A reference to system color `index` (COLOR_WINDOW, COLOR_BTNFACE, ...).
    static constexpr TColor System(int index) { return TColor(Kind::System, COLORREF(index)); }

    static const TColor None;
    static const TColor Transparent;
    static const TColor SysWindow;
    static const TColor SysWindowText;
    static const TColor Sys3dFace;

    Kind GetKind() const { return kind; }
    bool IsSysColor() const { return kind == Kind::System; }
    bool IsSpecialColor() const { return kind == Kind::None || kind == Kind::Transparent; }

    // The Color value to apply now: a system color is looked up at this moment; None and Transparent give 0.
    COLORREF GetValue() const;
    int Red() const { return GetValue() & 0xFF; }
    int Green() const { return (GetValue() >> 8) & 0xFF; }
    int Blue() const { return (GetValue() >> 16) & 0xFF; }

    bool operator==(const TColor &other) const { return kind == other.kind && value == other.value; }
    bool operator!=(const TColor &other) const { return !(*this == other); }

private:
    constexpr TColor(Kind kind, COLORREF value) : kind(kind), value(value) {}

    Kind kind = Kind::Value;
    COLORREF value = 0; // the Color value, or the system color index
};

class TSize : public SIZE {
public:
    TSize() : SIZE{0, 0} {}
    TSize(int width, int height) : SIZE{width, height} {}
    TSize(const SIZE &size) : SIZE(size) {}
    bool operator==(const TSize &other) const { return cx == other.cx && cy == other.cy; }
    bool operator!=(const TSize &other) const { return !(*this == other); }
};

class TPoint : public POINT {
public:
    TPoint() : POINT{0, 0} {}
    TPoint(int x, int y) : POINT{x, y} {}
    TPoint(const POINT &point) : POINT(point) {}
    TPoint operator+(const TSize &size) const { return TPoint(x + size.cx, y + size.cy); }
    TPoint operator-(const TSize &size) const { return TPoint(x - size.cx, y - size.cy); }
    bool operator==(const TPoint &other) const { return x == other.x && y == other.y; }
    bool operator!=(const TPoint &other) const { return !(*this == other); }
};

// A rectangle whose right and bottom edges are outside it (as everywhere in GDI).
class TRect : public RECT {
public:
    TRect() : RECT{0, 0, 0, 0} {}
    TRect(int left, int top, int right, int bottom) : RECT{left, top, right, bottom} {}
    TRect(const TPoint &topLeft, const TSize &size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    TRect(const RECT &rect) : RECT(rect) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    TSize Size() const { return TSize(Width(), Height()); }
    TPoint TopLeft() const { return TPoint(left, top); }
    TPoint BottomRight() const { return TPoint(right, bottom); }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(const TPoint &point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    TRect &Offset(int dx, int dy);
    TRect &Inflate(int dx, int dy);
    bool operator==(const TRect &other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const TRect &other) const { return !(*this == other); }
};
