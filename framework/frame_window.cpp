#include "framework/frame_window.h"

// clang-format off
DEFINE_RESPONSE_TABLE(TFrameWindow, TWindow)
    EV_WM_SIZE,
    EV_WM_DESTROY,
    EV_WM_SETFOCUS,
END_RESPONSE_TABLE;
// clang-format on

TFrameWindow::TFrameWindow(TWindow *parent, const char *title, TWindow *client, bool shrinkToClient, HINSTANCE module)
    : TWindow(parent, title, module), client(client), shrinkToClient(shrinkToClient) {
    if (!parent) {
        Attr.Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    }
    if (client) {
        Attr.Style |= WS_CLIPCHILDREN;
        client->SetParent(this);
        if (!(client->Attr.Style & WS_CHILD)) {
            client->Attr.Style = WS_CHILD | WS_VISIBLE;
            client->Attr.X = client->Attr.Y = client->Attr.W = client->Attr.H = 0;
        }
    }
}

void TFrameWindow::SetIcon(HINSTANCE module, int resourceId) {
    iconModule = module;
    iconId = resourceId;
    if (GetHandle()) {
        ApplyIcon();
    }
}

void TFrameWindow::ApplyIcon() {
    if (!iconId) {
        return;
    }
    // Shared icons: the system keeps them for the module's lifetime, so they are not destroyed here.
    HANDLE big = LoadImageA(iconModule, MAKEINTRESOURCEA(iconId), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                            GetSystemMetrics(SM_CYICON), LR_SHARED);
    HANDLE small = LoadImageA(iconModule, MAKEINTRESOURCEA(iconId), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                              GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_BIG, LPARAM(big));
    SendMessage(WM_SETICON, ICON_SMALL, LPARAM(small));
}

void TFrameWindow::SetupWindow() {
    if (client) {
        client->Create();
    }
    TWindow::SetupWindow();
    ApplyIcon();
    if (client && client->GetHandle()) {
        if (shrinkToClient) {
            ShrinkToClient();
        } else {
            TRect area = GetClientRect();
            client->MoveWindow(0, 0, area.Width(), area.Height());
        }
    }
}

void TFrameWindow::ShrinkToClient() {
    TRect clientWindow = client->GetWindowRect();
    client->MoveWindow(0, 0, clientWindow.Width(), clientWindow.Height());
    // The frame's borders, caption and menu are whatever its window rectangle has beyond its client area.
    TRect frame = GetWindowRect();
    TRect area = GetClientRect();
    SetWindowPos(nullptr, 0, 0, clientWindow.Width() + frame.Width() - area.Width(),
                 clientWindow.Height() + frame.Height() - area.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFrameWindow::EvSize(UINT sizeType, const TSize &clientSize) {
    DefaultProcessing();
    if (client && client->GetHandle() && !shrinkToClient && sizeType != SIZE_MINIMIZED) {
        client->MoveWindow(0, 0, clientSize.cx, clientSize.cy, true);
    }
}

void TFrameWindow::EvDestroy() {
    beingDestroyed = true;
    DefaultProcessing();
}

void TFrameWindow::EvSetFocus(HWND lostBy) {
    if (client && client->GetHandle() && lostBy != client->GetHandle()) {
        ::SetFocus(client->GetHandle());
    } else {
        DefaultProcessing();
    }
}

void TFrameWindow::ChildDestroyed(TWindow *child) {
    if (child == client && !beingDestroyed && GetHandle()) {
        PostMessage(WM_CLOSE);
    }
}
