#include "controls/color_sample.h"

// The generic paint handler rather than the static control's own painting, which would cover the color.
// clang-format off
DEFINE_RESPONSE_TABLE(TColorSample, TControl)
    EV_HANDLER(WM_PAINT, Void, TWindow::EvPaint),
END_RESPONSE_TABLE;
// clang-format on

TColorSample::TColorSample(TWindow *parent, int resourceId) : TControl(parent, resourceId) {}

void TColorSample::SetColor(const TColor &color) {
    SetBkgndColor(color);
    Invalidate(true);
    UpdateWindow();
}
