#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exception.h"
#include "framework/application.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/frame_window.h"
#include "framework/window.h"
#include "framework_test_ids.h"
#include "framework_test_support.h"

namespace {

// Two levels of response tables, each recording which handler ran.
class RecordingBase : public TWindow {
public:
    explicit RecordingBase(TWindow *parent) : TWindow(parent) {}
    std::vector<std::string> calls;

    LRESULT EvShared(WPARAM, LPARAM) {
        calls.push_back("base shared");
        return 1;
    }
    LRESULT EvBaseOnly(WPARAM, LPARAM) {
        calls.push_back("base only");
        return 2;
    }

    DECLARE_RESPONSE_TABLE(RecordingBase);
};

// clang-format off
DEFINE_RESPONSE_TABLE(RecordingBase, TWindow)
    EV_MESSAGE(WM_APP, EvShared),
    EV_MESSAGE(WM_APP + 1, EvBaseOnly),
END_RESPONSE_TABLE;
// clang-format on

class RecordingDerived : public RecordingBase {
public:
    RecordingDerived() : RecordingBase(nullptr) {}

    LRESULT EvShared(WPARAM wParam, LPARAM) {
        calls.push_back("derived shared " + std::to_string(wParam));
        return 3;
    }
    void CmPress() { calls.push_back("command"); }
    void EvEditChanged() { calls.push_back("notification"); }
    void EvTimer(UINT timerId) { calls.push_back("timer " + std::to_string(timerId)); }

    DECLARE_RESPONSE_TABLE(RecordingDerived);
};

// clang-format off
DEFINE_RESPONSE_TABLE(RecordingDerived, RecordingBase)
    EV_MESSAGE(WM_APP, EvShared),
    EV_COMMAND(500, CmPress),
    EV_CHILD_NOTIFY(501, EN_CHANGE, EvEditChanged),
    EV_WM_TIMER,
END_RESPONSE_TABLE;
// clang-format on

TEST(ResponseTable, DerivedEntryComesBeforeTheBaseEntry) {
    RecordingDerived window;
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.SendMessage(WM_APP, 7), 3);
    EXPECT_EQ(window.calls, std::vector<std::string>{"derived shared 7"});
}

TEST(ResponseTable, BaseEntryComesBeforeTheDefault) {
    RecordingDerived window;
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.SendMessage(WM_APP + 1), 2);
    EXPECT_EQ(window.calls, std::vector<std::string>{"base only"});
}

TEST(ResponseTable, UnlistedMessagesReachThePlatformDefault) {
    RecordingDerived window;
    ASSERT_TRUE(window.Create());
    window.SendMessage(WM_SETTEXT, 0, LPARAM("set by the default"));
    EXPECT_EQ(window.GetCaption(), "set by the default");
    EXPECT_TRUE(window.calls.empty());
}

TEST(ResponseTable, CommandsAndNotificationsDispatchById) {
    RecordingDerived window;
    ASSERT_TRUE(window.Create());
    HWND someControl = window.GetHandle();
    window.SendMessage(WM_COMMAND, MAKEWPARAM(500, 0), 0);                            // menu
    window.SendMessage(WM_COMMAND, MAKEWPARAM(500, BN_CLICKED), LPARAM(someControl)); // button
    window.SendMessage(WM_COMMAND, MAKEWPARAM(500, EN_CHANGE), LPARAM(someControl));  // not a command
    window.SendMessage(WM_COMMAND, MAKEWPARAM(501, EN_CHANGE), LPARAM(someControl));
    window.SendMessage(WM_COMMAND, MAKEWPARAM(501, EN_UPDATE), LPARAM(someControl));
    window.SendMessage(WM_TIMER, 42);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"command", "command", "notification", "timer 42"}));
}

// A window whose idle action answers as told and counts its calls.
class IdleChild : public TWindow {
public:
    IdleChild(TWindow *parent, bool answer) : TWindow(parent), answer(answer) {}
    bool IdleAction(long idleCount) override {
        counts.push_back(idleCount);
        return answer;
    }
    bool answer;
    std::vector<long> counts;
};

TEST(IdleAction, ChildIsCalledAtZeroAndWhileItAsksForMore) {
    TWindow parent(nullptr, "idle parent");
    auto *eager = new IdleChild(&parent, true);
    auto *content = new IdleChild(&parent, false);
    ASSERT_TRUE(parent.Create());

    EXPECT_TRUE(parent.IdleAction(0));
    EXPECT_TRUE(parent.IdleAction(1));
    EXPECT_TRUE(parent.IdleAction(2));
    eager->answer = false;
    EXPECT_FALSE(parent.IdleAction(3));
    EXPECT_FALSE(parent.IdleAction(4));
    EXPECT_EQ(eager->counts, (std::vector<long>{0, 1, 2, 3}));
    EXPECT_EQ(content->counts, std::vector<long>{0});
}

TEST(Window, DeletingTheParentDeletesTheChildrenAndTheirWindows) {
    auto *parent = new TWindow(nullptr, "parent");
    auto *child = new TWindow(parent, "child");
    ASSERT_TRUE(parent->Create());
    HWND parentHandle = parent->GetHandle();
    HWND childHandle = child->GetHandle();
    ASSERT_TRUE(IsWindow(childHandle));
    EXPECT_EQ(TWindow::FromHandle(childHandle), child);
    delete parent;
    EXPECT_FALSE(IsWindow(parentHandle));
    EXPECT_FALSE(IsWindow(childHandle));
}

TEST(Window, StyleChangesBeforeAndAfterCreation) {
    TWindow window(nullptr, "styles");
    window.Attr.Style &= ~WS_VISIBLE;
    window.SetStyle(window.GetStyle() | WS_CLIPCHILDREN);
    EXPECT_TRUE(window.Attr.Style & WS_CLIPCHILDREN);
    ASSERT_TRUE(window.Create());
    EXPECT_TRUE(GetWindowLongA(window.GetHandle(), GWL_STYLE) & WS_CLIPCHILDREN);
    window.SetStyle(window.GetStyle() | WS_CLIPSIBLINGS);
    EXPECT_TRUE(GetWindowLongA(window.GetHandle(), GWL_STYLE) & WS_CLIPSIBLINGS);
}

TEST(FrameWindow, ShrinkToClientMakesTheClientAreaTheDialogsSize) {
    auto *dialog = new TDialog(nullptr, IDD_FRAMEWORK_PANEL);
    TFrameWindow frame(nullptr, "shrink", dialog, true);
    frame.Attr.Style &= ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
    frame.Attr.ExStyle |= WS_EX_TOPMOST;
    ASSERT_TRUE(frame.Create());
    ASSERT_TRUE(dialog->GetHandle());
    EXPECT_EQ(GetParent(dialog->GetHandle()), frame.GetHandle());
    TRect panel = dialog->GetWindowRect();
    TRect area = frame.GetClientRect();
    EXPECT_EQ(area.Width(), panel.Width());
    EXPECT_EQ(area.Height(), panel.Height());
    DWORD style = DWORD(GetWindowLongA(frame.GetHandle(), GWL_STYLE));
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    EXPECT_TRUE(GetWindowLongA(frame.GetHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(FrameWindow, DefaultStyleOfAFrameWithAClient) {
    TFrameWindow frame(nullptr, "style", new TWindow(nullptr));
    EXPECT_EQ(frame.Attr.Style, DWORD(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN));
}

TEST(FrameWindow, ClientFollowsTheFrameWithoutShrinkToClient) {
    auto *client = new TWindow(nullptr, "client");
    TFrameWindow frame(nullptr, "follow", client);
    ASSERT_TRUE(frame.Create());
    frame.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(client->GetClientRect().Size(), frame.GetClientRect().Size());
}

TEST(FrameWindow, FocusGoesToTheClientDialogsControls) {
    auto *dialog = new TDialog(nullptr, IDD_FRAMEWORK_PANEL);
    TFrameWindow frame(nullptr, "focus", dialog, true);
    ASSERT_TRUE(frame.Create());
    frame.ShowWindow(SW_SHOWNORMAL);
    SetFocus(frame.GetHandle());
    HWND focus = GetFocus();
    EXPECT_TRUE(IsChild(dialog->GetHandle(), focus));
    EXPECT_EQ(GetDlgCtrlID(focus), IDC_FRAMEWORK_EDIT);
}

TEST(FrameWindow, IconIsSetBeforeOrAfterCreation) {
    TFrameWindow before(nullptr, "icon before");
    before.SetIcon(GetModuleHandleA(nullptr), IDI_FRAMEWORK_ICON);
    ASSERT_TRUE(before.Create());
    EXPECT_NE(before.SendMessage(WM_GETICON, ICON_BIG), 0);
    EXPECT_NE(before.SendMessage(WM_GETICON, ICON_SMALL), 0);

    TFrameWindow after(nullptr, "icon after");
    ASSERT_TRUE(after.Create());
    EXPECT_EQ(after.SendMessage(WM_GETICON, ICON_BIG), 0);
    after.SetIcon(GetModuleHandleA(nullptr), IDI_FRAMEWORK_ICON);
    EXPECT_NE(after.SendMessage(WM_GETICON, ICON_BIG), 0);
}

TEST(Dialog, ControlsAttachByIdAndReceiveTheirTextLimits) {
    auto *dialog = new TDialog(nullptr, IDD_FRAMEWORK_PANEL);
    auto *limited = new TEdit(dialog, IDC_FRAMEWORK_EDIT, 7);
    auto *unlimited = new TEdit(dialog, IDC_FRAMEWORK_EDIT_UNLIMITED);
    auto *label = new TStatic(dialog, IDC_FRAMEWORK_LABEL);
    auto *missing = new TEdit(dialog, IDC_FRAMEWORK_MISSING, 4);
    TFrameWindow frame(nullptr, "limits", dialog, true);
    ASSERT_TRUE(frame.Create());

    EXPECT_EQ(limited->GetHandle(), dialog->GetDlgItem(IDC_FRAMEWORK_EDIT));
    EXPECT_EQ(limited->SendMessage(EM_GETLIMITTEXT), 6);
    EXPECT_GT(unlimited->SendMessage(EM_GETLIMITTEXT), 6);
    EXPECT_EQ(label->GetText(), "Label");
    EXPECT_EQ(missing->GetHandle(), nullptr);

    // The limit bounds typing only; the program may write more.
    limited->SetText("1234567890");
    EXPECT_EQ(limited->GetText(), "1234567890");
    limited->SetSelection(2, 5);
    int start = 0;
    int end = 0;
    limited->GetSelection(start, end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 5);
}

// A dialog that records its set-up and close requests.
class RecordingDialog : public TDialog {
public:
    RecordingDialog(TWindow *parent, int resourceId) : TDialog(parent, resourceId) {
        edit = new TEdit(this, IDC_FRAMEWORK_EDIT, 7);
    }
    void SetupWindow() override {
        TDialog::SetupWindow();
        editAttachedAtSetup = edit->GetHandle() != nullptr;
    }
    void CloseWindow(int retVal) override {
        closeRequests.push_back(retVal);
        if (allowClose) {
            TDialog::CloseWindow(retVal);
        }
    }
    bool CanClose() override { return allowClose; }

    TEdit *edit;
    bool editAttachedAtSetup = false;
    bool allowClose = true;
    std::vector<int> closeRequests;
};

// An application whose main window is a frame around a RecordingDialog; a key is posted to the dialog's
// edit on the first idle call.
class KeyApplication : public TApplication {
public:
    explicit KeyApplication(WPARAM key) : TApplication("Keys"), key(key) {}
    void InitMainWindow() override {
        dialog = new RecordingDialog(nullptr, IDD_FRAMEWORK_PANEL);
        SetMainWindow(new TFrameWindow(nullptr, "Keys", dialog, true));
    }
    bool IdleAction(long idleCount) override {
        if (!keySent) {
            keySent = true;
            PostMessageA(dialog->edit->GetHandle(), WM_KEYDOWN, key, 1);
        }
        return TApplication::IdleAction(idleCount);
    }
    WPARAM key;
    bool keySent = false;
    RecordingDialog *dialog = nullptr;
};

TEST(Dialog, EnterInAFramesClientDialogRunsCloseWindowWithOk) {
    LoopWatchdog watchdog;
    KeyApplication application(VK_RETURN);
    EXPECT_EQ(application.Run(), 0);
    EXPECT_TRUE(application.dialog->editAttachedAtSetup);
    EXPECT_EQ(application.dialog->closeRequests, std::vector<int>{IDOK});
}

TEST(Dialog, EscapeDestroysTheDialogWithoutCloseWindowAndTheFrameFollows) {
    LoopWatchdog watchdog;
    KeyApplication application(VK_ESCAPE);
    EXPECT_EQ(application.Run(), 0);
    EXPECT_TRUE(application.dialog->closeRequests.empty());
    EXPECT_EQ(application.dialog->GetHandle(), nullptr);
}

TEST(Dialog, ClosingTheFrameEndsTheLoopWithoutTheDialogsCloseWindow) {
    LoopWatchdog watchdog;
    struct CloseApplication : KeyApplication {
        CloseApplication() : KeyApplication(0) {}
        bool IdleAction(long idleCount) override {
            if (!keySent) {
                keySent = true;
                GetMainWindow()->PostMessage(WM_CLOSE);
            }
            return TApplication::IdleAction(idleCount);
        }
    } application;
    EXPECT_EQ(application.Run(), 0);
    EXPECT_TRUE(application.dialog->closeRequests.empty());
}

TEST(Dialog, ModalDialogEndsWithTheResultOfCloseWindow) {
    struct OkAtSetup : RecordingDialog {
        OkAtSetup() : RecordingDialog(nullptr, IDD_FRAMEWORK_MODAL) {}
        void SetupWindow() override {
            RecordingDialog::SetupWindow();
            PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(IDOK)));
        }
    } dialog;
    LoopWatchdog watchdog;
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(dialog.editAttachedAtSetup);
    EXPECT_EQ(dialog.closeRequests, std::vector<int>{IDOK});
    EXPECT_EQ(dialog.GetHandle(), nullptr);
}

TEST(Dialog, ModalDialogThatMayNotCloseStaysUntilCancel) {
    struct RefusingDialog : RecordingDialog {
        RefusingDialog() : RecordingDialog(nullptr, IDD_FRAMEWORK_MODAL) { allowClose = false; }
        void SetupWindow() override {
            RecordingDialog::SetupWindow();
            PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(IDOK)));
            PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    } dialog;
    LoopWatchdog watchdog;
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dialog.closeRequests, std::vector<int>{IDOK});
}

TEST(Dialog, ExecuteOfAMissingTemplateFails) {
    TDialog dialog(nullptr, IDC_FRAMEWORK_MISSING);
    EXPECT_EQ(dialog.Execute(), -1);
}

TEST(ScrollBar, AnswersItsOwnScrollNotifications) {
    auto *dialog = new TDialog(nullptr, IDD_FRAMEWORK_PANEL);
    auto *bar = new TScrollBar(dialog, IDC_FRAMEWORK_SCROLL);
    TFrameWindow frame(nullptr, "scroll", dialog, true);
    ASSERT_TRUE(frame.Create());
    int minimum = -1;
    int maximum = -1;
    bar->GetRange(minimum, maximum);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 100);
    EXPECT_EQ(bar->GetPosition(), 0);

    struct Step {
        UINT code;
        int thumb;
        int expected;
    };
    const Step steps[] = {
        {SB_LINEDOWN, 0, 1}, {SB_PAGEDOWN, 0, 11},    {SB_LINEUP, 0, 10},     {SB_PAGEUP, 0, 0},
        {SB_LINEUP, 0, 0},   {SB_THUMBTRACK, 95, 95}, {SB_PAGEDOWN, 0, 100},  {SB_THUMBPOSITION, 40, 40},
        {SB_TOP, 0, 0},      {SB_BOTTOM, 0, 100},     {SB_ENDSCROLL, 0, 100},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.code);
        dialog->SendMessage(WM_HSCROLL, MAKEWPARAM(step.code, step.thumb), LPARAM(bar->GetHandle()));
        EXPECT_EQ(bar->GetPosition(), step.expected);
    }
    bar->SetRange(0, 255);
    bar->SetPosition(300);
    EXPECT_EQ(bar->GetPosition(), 255);
}

// A dialog answering a user message with a value and throwing from another.
class AnsweringDialog : public TDialog {
public:
    AnsweringDialog() : TDialog(nullptr, IDD_FRAMEWORK_MODAL) {}
    LRESULT EvAsk(WPARAM wParam, LPARAM) { return LRESULT(wParam * 2); }

    DECLARE_RESPONSE_TABLE(AnsweringDialog);
};

// clang-format off
DEFINE_RESPONSE_TABLE(AnsweringDialog, TDialog)
    EV_MESSAGE(WM_APP, EvAsk),
END_RESPONSE_TABLE;
// clang-format on

TEST(Dialog, HandlerResultsReachTheSenderAndUnlistedMessagesTheDialogManager) {
    AnsweringDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.SendMessage(WM_APP, 617), 1234);
    EXPECT_EQ(dialog.SendMessage(WM_GETDLGCODE), 0);
    dialog.SendMessage(WM_SETTEXT, 0, LPARAM("new caption"));
    EXPECT_EQ(dialog.GetCaption(), "new caption");
    // The dialog manager's own message: the default push button.
    EXPECT_EQ(LOWORD(dialog.SendMessage(DM_GETDEFID)), IDOK);
}

TEST(Dialog, ExceptionFromSetupWindowEndsExecuteAndIsThrownAgain) {
    struct ThrowingDialog : TDialog {
        ThrowingDialog() : TDialog(nullptr, IDD_FRAMEWORK_MODAL) {}
        void SetupWindow() override {
            TDialog::SetupWindow();
            throw Orvak::Exception("set-up failed");
        }
    } dialog;
    LoopWatchdog watchdog;
    try {
        dialog.Execute();
        FAIL() << "no exception";
    } catch (const Orvak::Exception &error) {
        EXPECT_EQ(error.message, "set-up failed");
    }
    EXPECT_EQ(dialog.GetHandle(), nullptr);

    try {
        dialog.Create();
        FAIL() << "no exception";
    } catch (const Orvak::Exception &error) {
        EXPECT_EQ(error.message, "set-up failed");
    }
    EXPECT_EQ(dialog.GetHandle(), nullptr);
}

class ThrowingFrame : public TFrameWindow {
public:
    ThrowingFrame() : TFrameWindow(nullptr, "throws") {}
    LRESULT EvFail(WPARAM, LPARAM) { throw Orvak::Exception("handler failed"); }

    DECLARE_RESPONSE_TABLE(ThrowingFrame);
};

// clang-format off
DEFINE_RESPONSE_TABLE(ThrowingFrame, TFrameWindow)
    EV_MESSAGE(WM_APP, EvFail),
END_RESPONSE_TABLE;
// clang-format on

TEST(MessageLoopExceptions, ExceptionFromAHandlerLeavesRun) {
    struct ThrowingApplication : TApplication {
        void InitMainWindow() override { SetMainWindow(new ThrowingFrame); }
        bool IdleAction(long) override {
            GetMainWindow()->PostMessage(WM_APP);
            return false;
        }
    } application;
    LoopWatchdog watchdog;
    try {
        application.Run();
        FAIL() << "no exception";
    } catch (const Orvak::Exception &error) {
        EXPECT_EQ(error.message, "handler failed");
    }
}

TEST(Dialog, StyleAskedForBeforeAttachingJoinsTheTemplatesStyle) {
    auto *dialog = new TDialog(nullptr, IDD_FRAMEWORK_PANEL);
    auto *label = new TStatic(dialog, IDC_FRAMEWORK_LABEL);
    label->SetStyle(label->GetStyle() | SS_NOTIFY);
    EXPECT_EQ(label->Attr.Style, DWORD(SS_NOTIFY));
    TFrameWindow frame(nullptr, "styles", dialog, true);
    ASSERT_TRUE(frame.Create());

    EXPECT_TRUE(label->Attr.Style & SS_NOTIFY);
    EXPECT_TRUE(label->Attr.Style & WS_CHILD);
    EXPECT_FALSE(GetWindowLongA(label->GetHandle(), GWL_STYLE) & SS_NOTIFY);
    label->SetStyle(label->Attr.Style | WS_CLIPSIBLINGS);
    DWORD live = DWORD(GetWindowLongA(label->GetHandle(), GWL_STYLE));
    EXPECT_TRUE(live & SS_NOTIFY);
    EXPECT_TRUE(live & WS_CLIPSIBLINGS);
    EXPECT_TRUE(live & WS_CHILD);
}

} // namespace
