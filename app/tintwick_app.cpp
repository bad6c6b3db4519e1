#include "app/tintwick_app.h"

#include "app/detector_dialog.h"
#include "framework/frame_window.h"
#include "resources/resource_ids.h"

void TTintwickApp::InitMainWindow() {
    auto *detector = new TTintwickDlg(nullptr);
    auto *frame = new TFrameWindow(nullptr, "Tintwick", detector, true);
    detector->SetParent(frame);

    frame->Attr.Style &= ~(WS_THICKFRAME | WS_MAXIMIZEBOX);  // fixed size, no maximize
    frame->Attr.ExStyle |= WS_EX_TOPMOST;
    frame->SetIcon(GetInstance(), IDI_TINTWICK);
    SetMainWindow(frame);
}
