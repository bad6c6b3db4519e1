#include "controls/window_utilities.h"

char SharedTextBuffer[SharedTextBufferSize];

namespace {

int ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

} // namespace

void CenterWindowOnScreen(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) {
        return;
    }
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    MoveWindow(window, (ScreenWidth() - width) / 2, (ScreenHeight() - height) / 2, width, height, TRUE);
}

void CenterWindowOnScreenWithOffset(HWND window, int width, int height, int dx, int dy) {
    SetWindowPos(window, HWND_TOP, (ScreenWidth() - width) / 2 + dx, (ScreenHeight() - height) / 2 + dy, 0, 0,
                 SWP_NOSIZE);
}

void CenterDialogItem(HWND dialog, int itemId) {
    HWND item = GetDlgItem(dialog, itemId);
    RECT dialogRect;
    RECT itemRect;
    if (!item || !GetWindowRect(dialog, &dialogRect) || !GetWindowRect(item, &itemRect)) {
        return;
    }
    POINT topLeft{itemRect.left, itemRect.top};
    ScreenToClient(dialog, &topLeft);
    int itemWidth = itemRect.right - itemRect.left;
    int itemHeight = itemRect.bottom - itemRect.top;
    int x = ((dialogRect.right - dialogRect.left) - itemWidth) / 2;
    MoveWindow(item, x, topLeft.y, itemWidth, itemHeight, TRUE);
}

void SetDialogItemTextFromResource(HWND dialog, HINSTANCE module, int stringId, int itemId) {
    if (LoadStringA(module, UINT(stringId), SharedTextBuffer, SharedTextBufferSize) > 0) {
        SetDlgItemTextA(dialog, itemId, SharedTextBuffer);
    }
}
