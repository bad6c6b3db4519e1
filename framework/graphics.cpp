#include "framework/graphics.h"

const TColor TColor::None(TColor::Kind::None, 0);
const TColor TColor::Transparent(TColor::Kind::Transparent, 0);
const TColor TColor::SysWindow = TColor::System(COLOR_WINDOW);
const TColor TColor::SysWindowText = TColor::System(COLOR_WINDOWTEXT);
const TColor TColor::Sys3dFace = TColor::System(COLOR_BTNFACE);

COLORREF TColor::GetValue() const {
    switch (kind) {
    case Kind::Value:
        return value;
    case Kind::System:
        return GetSysColor(int(value));
    default:
        return 0;
    }
}

TRect &TRect::Offset(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
    return *this;
}

TRect &TRect::Inflate(int dx, int dy) {
    left -= dx;
    right += dx;
    top -= dy;
    bottom += dy;
    return *this;
}
