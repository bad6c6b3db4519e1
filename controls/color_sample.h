#pragma once

#include <windows.h>

#include "framework/controls.h"
#include "framework/graphics.h"

// A color swatch over a static control of a dialog template: its client area shows one solid color.
// The color is the window's background color; the erase fills the client area with it and the paint draws
// nothing more, so the static's own gray never shows. The static's sunken edge stays as the frame.
class TColorSample : public TControl {
public:
    TColorSample(TWindow *parent, int resourceId);

    // Shows `color` and repaints before returning. The two forms behave alike: one takes a framework color,
    // the other a plain Color value (0x00BBGGRR).
    void SetColor(const TColor &color);
    void SetColor(COLORREF color) { SetColor(TColor(color)); }

    DECLARE_RESPONSE_TABLE(TColorSample);
};
