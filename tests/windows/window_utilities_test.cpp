#include <gtest/gtest.h>

#include <string>

#include "controls/window_utilities.h"
#include "framework/dialog.h"
#include "framework/window.h"
#include "framework_test_ids.h"

namespace {

// A bare popup window of the given size at (7, 9).
class PopupWindow {
public:
    PopupWindow(int width, int height, DWORD exStyle = 0) {
        window.Attr.Style = WS_POPUP;
        window.Attr.ExStyle = exStyle;
        window.Attr.X = 7;
        window.Attr.Y = 9;
        window.Attr.W = width;
        window.Attr.H = height;
        window.Create();
    }
    HWND Handle() const { return window.GetHandle(); }
    TRect Rect() const { return window.GetWindowRect(); }

private:
    TWindow window{nullptr, "popup"};
};

TEST(WindowUtilities, TheTestScreenIs1024By768) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
}

TEST(WindowUtilities, CenterWindowOnScreen) {
    struct Case {
        int width, height, x, y;
    };
    const Case cases[] = {
        {1024, 768, 0, 0},   // exactly the screen
        {100, 50, 462, 359}, // plain
        {101, 51, 461, 358}, // odd excess halves truncate
        {1025, 769, 0, 0},   // one larger: -1 / 2 truncates toward zero
        {1030, 780, -3, -6}, // larger: half the excess, negative
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        PopupWindow popup(c.width, c.height);
        CenterWindowOnScreen(popup.Handle());
        EXPECT_EQ(popup.Rect(), TRect(c.x, c.y, c.x + c.width, c.y + c.height));
    }
}

TEST(WindowUtilities, CenterWindowOnScreenWithOffset) {
    struct Case {
        int width, height, dx, dy, x, y;
    };
    const Case cases[] = {
        {141, 152, -10, -75, 431, 233},
        {1024, 768, 0, 0, 0, 0},
        {1025, 768, 5, 0, 5, 0}, // (1024 - 1025) / 2 is 0, plus the offset
        {1026, 770, 0, 0, -1, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        PopupWindow popup(30, 20); // the window's own size plays no part and is kept
        CenterWindowOnScreenWithOffset(popup.Handle(), c.width, c.height, c.dx, c.dy);
        EXPECT_EQ(popup.Rect(), TRect(c.x, c.y, c.x + 30, c.y + 20));
    }
}

TEST(WindowUtilities, CenterWindowOnScreenWithOffsetKeepsATopmostWindowTopmost) {
    PopupWindow popup(30, 20, WS_EX_TOPMOST);
    CenterWindowOnScreenWithOffset(popup.Handle(), 141, 152, -10, -75);
    EXPECT_TRUE(GetWindowLongA(popup.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(WindowUtilities, CenterDialogItemUsesTheOuterWidth) {
    TDialog dialog(nullptr, IDD_FRAMEWORK_MODAL);
    ASSERT_TRUE(dialog.Create());
    HWND button = dialog.GetDlgItem(IDOK);
    TRect before = TRect();
    GetWindowRect(button, &before);
    POINT oldTopLeft{before.left, before.top};
    ScreenToClient(dialog.GetHandle(), &oldTopLeft);

    CenterDialogItem(dialog.GetHandle(), IDOK);

    TRect after;
    GetWindowRect(button, &after);
    POINT topLeft{after.left, after.top};
    ScreenToClient(dialog.GetHandle(), &topLeft);
    EXPECT_EQ(topLeft.x, (dialog.GetWindowRect().Width() - before.Width()) / 2);
    EXPECT_EQ(topLeft.y, oldTopLeft.y);
    EXPECT_EQ(after.Size(), before.Size());
}

TEST(WindowUtilities, SetDialogItemTextFromResource) {
    TDialog dialog(nullptr, IDD_FRAMEWORK_MODAL);
    ASSERT_TRUE(dialog.Create());
    HINSTANCE module = GetModuleHandleA(nullptr);

    SetDialogItemTextFromResource(dialog.GetHandle(), module, IDS_FRAMEWORK_TEXT + 1, IDC_FRAMEWORK_LABEL);
    EXPECT_EQ(dialog.GetDlgItemString(IDC_FRAMEWORK_LABEL), "Label");

    SetDialogItemTextFromResource(dialog.GetHandle(), module, IDS_FRAMEWORK_TEXT, IDC_FRAMEWORK_LABEL);
    EXPECT_EQ(dialog.GetDlgItemString(IDC_FRAMEWORK_LABEL), "Text from the string table");
    EXPECT_STREQ(SharedTextBuffer, "Text from the string table");

    // A control the dialog does not have: nothing happens.
    SetDialogItemTextFromResource(dialog.GetHandle(), module, IDS_FRAMEWORK_TEXT, IDC_FRAMEWORK_MISSING);
}

} // namespace
