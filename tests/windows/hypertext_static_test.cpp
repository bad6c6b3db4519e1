// The hypertext static control in a real dialog: its text, paints, links, cursor and messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/dialog.h"
#include "hypertext/hyper_static.h"
#include "hypertext/trigger_functions.h"
#include "hypertext_test_ids.h"

namespace {

// Closes every message box that appears while the watcher lives (it must be in a modal loop to be seen),
// noting its caption and text.
class MessageBoxWatcher {
public:
    struct Box {
        std::string caption;
        std::string text;
        bool operator==(const Box &other) const { return caption == other.caption && text == other.text; }
    };

    explicit MessageBoxWatcher(HWND ignored) : ignored(ignored), timer(SetTimer(nullptr, 0, 50, Tick)) {
        current = this;
    }
    MessageBoxWatcher(const MessageBoxWatcher &) = delete;
    MessageBoxWatcher &operator=(const MessageBoxWatcher &) = delete;
    ~MessageBoxWatcher() {
        KillTimer(nullptr, timer);
        current = nullptr;
    }

    std::vector<Box> boxes;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CloseBox, 0); }

    static BOOL CALLBACK CloseBox(HWND window, LPARAM) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (current == nullptr || window == current->ignored || std::strcmp(className, "#32770") != 0 ||
            !IsWindowVisible(window))
            return TRUE;
        Box box;
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        box.caption = text;
        EnumChildWindows(window, ReadText, reinterpret_cast<LPARAM>(&box.text));
        current->boxes.push_back(box);
        SendMessageA(window, WM_COMMAND, IDOK, 0);
        return TRUE;
    }

    // The first non-empty text of a static child.
    static BOOL CALLBACK ReadText(HWND child, LPARAM result) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        char text[256] = {};
        GetWindowTextA(child, text, sizeof text);
        auto *found = reinterpret_cast<std::string *>(result);
        if (_stricmp(className, "Static") == 0 && text[0] != '\0' && found->empty())
            *found = text;
        return TRUE;
    }

    static MessageBoxWatcher *current;
    HWND ignored;
    UINT_PTR timer;
};

MessageBoxWatcher *MessageBoxWatcher::current = nullptr;

const char *const templateText =
    "Go to <A HREF=!nothing>the trigger</A> or <A HREF=C:/tintwick-missing/none.tintwick>the file</A>.";

TPoint CenterOf(const LinkData &link) {
    return TPoint((link.rect.left + link.rect.right) / 2, (link.rect.top + link.rect.bottom) / 2);
}

LPARAM PointParameter(const TPoint &point) {
    return MAKELPARAM(point.x, point.y);
}

int triggerCalls = 0;
void CountCall() {
    ++triggerCalls;
}

class HyperStaticDialog : public ::testing::Test {
protected:
    // The program's resources, for the link cursor 10441.
    static void SetUpTestSuite() {
        char path[MAX_PATH] = {};
        std::string file(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
        file.erase(file.find_last_of("\\/") + 1);
        file += "tintwick_resource_probe.dll";
        probe = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        if (probe != nullptr)
            FreeLibrary(probe);
        probe = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(probe, nullptr);
        dialog = std::make_unique<TDialog>(nullptr, IDD_HYPERTEXT_TEST);
        links = new THyperStatic(dialog.get(), IDC_HYPERTEXT_LINKS, 0, probe);
        bang = new THyperStatic(dialog.get(), IDC_HYPERTEXT_BANG, 0, probe);
        made =
            new THyperStatic(dialog.get(), IDC_HYPERTEXT_MADE, "made <A HREF=x>here</A>", 200, 150, 120, 20, 0, probe);
        ASSERT_TRUE(dialog->Create());
        ASSERT_NE(links->GetHandle(), nullptr);
    }

    void TearDown() override { dialog.reset(); }

    // Shows the dialog and paints the control at once.
    void PaintNow(THyperStatic &control) {
        dialog->ShowWindow(SW_SHOWNA);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }

    // Clicks `control` at `point` and returns the message boxes that the click showed.
    std::vector<MessageBoxWatcher::Box> Click(THyperStatic &control, const TPoint &point) {
        MessageBoxWatcher watcher(*dialog);
        control.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParameter(point));
        control.SendMessage(WM_LBUTTONUP, 0, PointParameter(point));
        return watcher.boxes;
    }

    static HMODULE probe;
    TApplication application{"Hypertext test"};
    std::unique_ptr<TDialog> dialog;
    THyperStatic *links = nullptr;
    THyperStatic *bang = nullptr;
    THyperStatic *made = nullptr;
};

HMODULE HyperStaticDialog::probe = nullptr;

TEST_F(HyperStaticDialog, ReadsItsMarkupFromTheTemplate) {
    std::vector<std::string> texts;
    std::vector<std::string> targets;
    for (const HyperTextElement *element = links->Document().first; element != nullptr; element = element->next) {
        if (!element->IsTag())
            texts.push_back(static_cast<const HyperTextBlock *>(element)->text);
        else if (const auto *anchor = dynamic_cast<const HyperTextAnchorStartTag *>(element))
            targets.push_back(anchor->href);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Go to ", "the trigger", " or ", "the file", "."}));
    EXPECT_EQ(targets, (std::vector<std::string>{"!nothing", "C:/tintwick-missing/none.tintwick"}));
    EXPECT_EQ(links->GetCaption(), templateText);

    const TRect client = links->GetClientRect();
    EXPECT_EQ(links->Document().width, client.Width());
    EXPECT_EQ(links->Document().height, client.Height());
    const DWORD style = links->GetStyle();
    EXPECT_EQ(style & SS_TYPEMASK, DWORD(SS_OWNERDRAW));
    for (DWORD bit : {DWORD(WS_CLIPSIBLINGS), DWORD(WS_CLIPCHILDREN), DWORD(WS_BORDER), DWORD(SS_NOTIFY),
                      DWORD(WS_CHILD), DWORD(WS_VISIBLE)}) {
        SCOPED_TRACE(bit);
        EXPECT_EQ(style & bit, bit);
    }
    EXPECT_NE(links->LinkCursor(), nullptr);
}

TEST_F(HyperStaticDialog, AControlMadeByTheProgramTakesItsTitleAsMarkup) {
    ASSERT_NE(made->GetHandle(), nullptr);
    PaintNow(*made);
    ASSERT_EQ(made->Document().links.size(), 1u);
    EXPECT_EQ(made->Document().links[0].anchor->href, "x");
    EXPECT_EQ(made->GetStyle() & SS_TYPEMASK, DWORD(SS_OWNERDRAW));
    EXPECT_EQ(made->Document().width, made->GetClientRect().Width());
}

TEST_F(HyperStaticDialog, LinksAreHitTestedAfterAPaintAndNotBefore) {
    EXPECT_TRUE(links->Document().links.empty());
    EXPECT_EQ(links->FindLink(TPoint(30, 8)), nullptr);
    EXPECT_TRUE(Click(*links, TPoint(60, 8)).empty());

    PaintNow(*links);
    const auto &records = links->Document().links;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].anchor->href, "!nothing");
    EXPECT_EQ(records[1].anchor->href, "C:/tintwick-missing/none.tintwick");
    const LinkData *found = links->FindLink(CenterOf(records[1]));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->anchor->href, "C:/tintwick-missing/none.tintwick");
    EXPECT_EQ(links->FindLink(TPoint(records[0].rect.right, CenterOf(records[0]).y)) == &records[0], false);
}

TEST_F(HyperStaticDialog, TheCursorFollowsThePreviousMouseMove) {
    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 2u);
    const TPoint onLink = CenterOf(links->Document().links[0]);
    const TPoint offLink(1, 1);
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR hand = links->LinkCursor();
    ASSERT_NE(hand, arrow);

    struct Step {
        TPoint point;
        HCURSOR cursorBeforeMove;
        bool overLinkAfterMove;
    };
    // The platform asks for the cursor before it reports each move.
    const Step steps[] = {{onLink, arrow, true}, {onLink, hand, true}, {offLink, hand, false}, {offLink, arrow, false}};
    int index = 0;
    for (const Step &step : steps) {
        SCOPED_TRACE(index++);
        EXPECT_EQ(links->SendMessage(WM_SETCURSOR, WPARAM(links->GetHandle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(GetCursor(), step.cursorBeforeMove);
        links->SendMessage(WM_MOUSEMOVE, 0, PointParameter(step.point));
        EXPECT_EQ(links->IsOverLink(), step.overLinkAfterMove);
    }
}

TEST_F(HyperStaticDialog, AnUnregisteredTriggerShowsItsMessage) {
    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 2u);
    EXPECT_EQ(Click(*links, CenterOf(links->Document().links[0])),
              (std::vector<MessageBoxWatcher::Box>{{"Hypertext test", "Could not find trigger function."}}));
    EXPECT_TRUE(triggerFunctions.empty());
}

TEST_F(HyperStaticDialog, ABangAloneLooksUpTheEmptyName) {
    PaintNow(*bang);
    ASSERT_EQ(bang->Document().links.size(), 1u);
    EXPECT_EQ(Click(*bang, CenterOf(bang->Document().links[0])),
              (std::vector<MessageBoxWatcher::Box>{{"Hypertext test", "Could not find trigger function."}}));
    EXPECT_TRUE(triggerFunctions.empty());
}

TEST_F(HyperStaticDialog, ARegisteredTriggerIsCalled) {
    static const char name[] = "nothing";
    RegisterTriggerFunction(name, CountCall);
    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 2u);
    triggerCalls = 0;
    EXPECT_TRUE(Click(*links, CenterOf(links->Document().links[0])).empty());
    EXPECT_EQ(triggerCalls, 1);
    triggerFunctions.erase(name);
}

TEST_F(HyperStaticDialog, ATargetTheShellCannotOpenShowsItsMessage) {
    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 2u);
    EXPECT_EQ(Click(*links, CenterOf(links->Document().links[1])),
              (std::vector<MessageBoxWatcher::Box>{{"", "Could not get on to the internet."}}));
}

TEST_F(HyperStaticDialog, AClickOutsideTheLinksDoesNothing) {
    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 2u);
    EXPECT_TRUE(Click(*links, TPoint(1, 1)).empty());
    // Just right of the first link: its right edge is outside it.
    const LinkRect first = links->Document().links[0].rect;
    EXPECT_TRUE(Click(*links, TPoint(first.right, (first.top + first.bottom) / 2)).empty());
}

TEST_F(HyperStaticDialog, SetTextReplacesTheDocumentAndEmptiesTheLinks) {
    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 2u);
    const TPoint oldLink = CenterOf(links->Document().links[0]);

    links->SendMessage(WM_SETTEXT, 0, LPARAM("Now <A HREF=!other>another link</A> here"));
    EXPECT_TRUE(links->Document().links.empty());
    EXPECT_EQ(links->FindLink(oldLink), nullptr);
    EXPECT_TRUE(Click(*links, oldLink).empty());
    EXPECT_EQ(links->GetCaption(), templateText); // the window keeps its own text

    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 1u);
    EXPECT_EQ(links->Document().links[0].anchor->href, "!other");
}

TEST_F(HyperStaticDialog, ANewSizeTakesEffectAtTheNextPaint) {
    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 2u);
    const LinkRect before = links->Document().links[1].rect;

    const TRect window = links->GetWindowRect();
    const int narrow = before.left; // the second link no longer fits after its start
    links->SetWindowPos(nullptr, 0, 0, narrow, window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(links->Document().width, links->GetClientRect().Width());
    EXPECT_LT(links->Document().width, before.left);
    ASSERT_EQ(links->Document().links.size(), 2u);
    EXPECT_EQ(links->Document().links[1].rect.top, before.top); // nothing redrawn yet

    PaintNow(*links);
    ASSERT_EQ(links->Document().links.size(), 2u);
    EXPECT_GT(links->Document().links[1].rect.bottom, before.bottom);
}

} // namespace
