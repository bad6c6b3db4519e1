#pragma once

#include <windows.h>

#include "framework/window.h"

// A top-level frame around one client window (often a dialog). With shrinkToClient the frame is sized so that
// its client area is exactly the client window's size; otherwise the client window follows the frame's
// client area. When the client window is destroyed, the frame closes itself (posts itself WM_CLOSE).
//
// Default style: WS_OVERLAPPEDWINDOW | WS_VISIBLE, plus WS_CLIPCHILDREN when there is a client; change
// Attr.Style and Attr.ExStyle before the window is created.
class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow *parent, const char *title, TWindow *client = nullptr, bool shrinkToClient = false,
                 HINSTANCE module = nullptr);

    TWindow *GetClientWindow() const { return client; }
    // The icon resource `resourceId` of `module`, shown in the caption and the task bar.
    void SetIcon(HINSTANCE module, int resourceId);

    void SetupWindow() override;

    void EvSize(UINT sizeType, const TSize &clientSize);
    void EvDestroy();
    // The focus goes on to the client window (a dialog puts it on its control).
    void EvSetFocus(HWND lostBy);

protected:
    void ChildDestroyed(TWindow *child) override;

private:
    void ApplyIcon();
    void ShrinkToClient();

    TWindow *client;
    bool shrinkToClient;
    bool beingDestroyed = false;
    HINSTANCE iconModule = nullptr;
    int iconId = 0;

    DECLARE_RESPONSE_TABLE(TFrameWindow);
};
