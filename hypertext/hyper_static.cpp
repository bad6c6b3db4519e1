#include "hypertext/hyper_static.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "hypertext/trigger_functions.h"

namespace {

// Clipping, a border, notifications (so that mouse messages arrive) and owner drawing (so that the
// platform's static does not draw the markup itself).
constexpr DWORD initStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | SS_NOTIFY | SS_OWNERDRAW;
constexpr DWORD setupStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SS_NOTIFY;

} // namespace

// clang-format off
DEFINE_RESPONSE_TABLE(THyperStatic, TStatic)
    EV_HANDLER(WM_PAINT, Void, TWindow::EvPaint),
    EV_WM_SETCURSOR,
    EV_WM_MOUSEMOVE,
    EV_WM_LBUTTONDOWN,
    EV_WM_SIZE,
    EV_WM_SETTEXT,
END_RESPONSE_TABLE;
// clang-format on

THyperStatic::THyperStatic(TWindow *parent, int id, const char *title, int x, int y, int w, int h, UINT textLimit,
                           HINSTANCE module)
    : TStatic(parent, id, title, x, y, w, h, textLimit, module) {
    Init("");
}

THyperStatic::THyperStatic(TWindow *parent, int resourceId, UINT textLimit, HINSTANCE module)
    : TStatic(parent, resourceId, textLimit, module) {
    Init("");
}

THyperStatic::~THyperStatic() = default;

void THyperStatic::Init(const char *text) {
    SetStyle(Attr.Style | initStyle);
    document = std::make_unique<WinHyperText>(text);
    linkCursor = std::make_unique<TCursor>(GetModule(), linkCursorId);
    overLink = false;
}

void THyperStatic::SetupWindow() {
    SetStyle(Attr.Style | setupStyle);
    TStatic::SetupWindow();
    const int length = GetWindowTextLengthA(GetHandle());
    std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(GetHandle(), text.data(), static_cast<int>(text.size()));
    document->SetText(text.data());
    const TRect client = GetClientRect();
    document->width = client.right - client.left;
    document->height = client.bottom - client.top;
}

// The background is left to the platform; the document draws transparently over it.
void THyperStatic::Paint(TDC &dc, bool, TRect &) {
    document->Draw(dc, TPoint(0, 0));
}

const LinkData *THyperStatic::FindLink(const TPoint &point) const {
    return document->FindLink(point.x, point.y);
}

// Only the move decides; the platform asks for the cursor before it reports the move, so the cursor
// follows the previous move.
void THyperStatic::EvMouseMove(UINT modifierKeys, const TPoint &point) {
    TStatic::EvMouseMove(modifierKeys, point);
    overLink = FindLink(point) != nullptr;
}

bool THyperStatic::EvSetCursor(HWND, UINT, UINT) {
    if (overLink)
        ::SetCursor(*linkCursor);
    else
        ::SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return true;
}

void THyperStatic::EvLButtonDown(UINT modifierKeys, const TPoint &point) {
    TWindow::EvLButtonDown(modifierKeys, point);
    const LinkData *link = FindLink(point);
    if (link == nullptr)
        return;
    // A copy: a message box runs a message loop, in which the document may be replaced.
    const std::string target = link->anchor->href;
    if (!target.empty() && target[0] == '!')
        RunTrigger(target.c_str() + 1);
    else
        OpenWithShell(target.c_str());
}

void THyperStatic::RunTrigger(const char *name) {
    if (TriggerFunction function = FindTriggerFunction(name)) {
        function();
        return;
    }
    if (TApplication *application = GetApplication())
        application->MessageBox(GetHandle(), noTriggerMessage, nullptr, MB_OK);
    else
        ::MessageBoxA(GetHandle(), noTriggerMessage, nullptr, MB_OK);
}

void THyperStatic::OpenWithShell(const char *target) {
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32)
        return;
    MessageBoxExA(nullptr, shellFailureMessage, "", MB_OK, 0);
}

// The new width takes effect at the next paint; nothing is redrawn now.
void THyperStatic::EvSize(UINT, const TSize &clientSize) {
    document->width = clientSize.cx;
    document->height = clientSize.cy;
}

// The window keeps its old text; the new document is shown at the next paint. The link records point
// into the replaced text, so they go at once.
void THyperStatic::EvSetText(const char *text) {
    document->SetText(text != nullptr ? text : "");
    document->links.clear();
}
