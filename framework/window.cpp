#include "framework/window.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "framework/application.h"
#include "framework/gdi_objects.h"

namespace {

const char ObjectProperty[] = "TintwickWindowObject";
const UINT_PTR SubclassId = 1;

} // namespace

std::exception_ptr TWindow::pendingException;

// The root table: no base.
const TResponseTable TWindow::ResponseTable = {nullptr, TWindow::ResponseEntries};
// clang-format off
const TResponseEntry TWindow::ResponseEntries[] = {
    EV_WM_PAINT,
    EV_WM_ERASEBKGND,
    EV_WM_CLOSE,
    EV_WM_HSCROLL,
    EV_WM_VSCROLL,
END_RESPONSE_TABLE;
// clang-format on

TWindow::TWindow(TWindow *parent, const char *title, HINSTANCE module) : title(title ? title : ""), module(module) {
    if (!this->module) {
        TApplication *application = TApplication::Current();
        this->module = application ? application->GetInstance() : GetModuleHandleA(nullptr);
    }
    if (parent) {
        Attr.Style = WS_CHILD | WS_VISIBLE;
        SetParent(parent);
    } else {
        Attr.Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        Attr.X = Attr.W = CW_USEDEFAULT;
    }
}

TWindow::~TWindow() {
    destroying = true;
    if (handle) {
        HWND hwnd = handle;
        bool owned = ownsHandle;
        DetachHandle();
        if (owned) {
            DestroyWindow(hwnd);
        }
    }
    while (!children.empty()) {
        delete children.back(); // removes itself from the list
    }
    if (parent) {
        parent->RemoveChild(this);
    }
    if (TApplication *application = TApplication::Current()) {
        application->WindowDeleted(this);
    }
}

TWindow *TWindow::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<TWindow *>(GetPropA(hwnd, ObjectProperty)) : nullptr;
}

void TWindow::SetParent(TWindow *newParent) {
    if (newParent == parent) {
        return;
    }
    if (parent) {
        parent->RemoveChild(this);
    }
    parent = newParent;
    if (parent) {
        parent->AddChild(this);
        if (handle && parent->handle && (GetStyle() & WS_CHILD)) {
            ::SetParent(handle, parent->handle);
        }
    }
}

void TWindow::AddChild(TWindow *child) {
    children.push_back(child);
}

void TWindow::RemoveChild(TWindow *child) {
    children.erase(std::remove(children.begin(), children.end(), child), children.end());
}

TApplication *TWindow::GetApplication() const {
    return TApplication::Current();
}

void TWindow::SetStyle(DWORD style) {
    Attr.Style = style;
    if (handle) {
        SetWindowLongPtrA(handle, GWL_STYLE, LONG_PTR(style));
    }
}

DWORD TWindow::GetStyle() const {
    return handle ? DWORD(GetWindowLongPtrA(handle, GWL_STYLE)) : Attr.Style;
}

void TWindow::SetExStyle(DWORD exStyle) {
    Attr.ExStyle = exStyle;
    if (handle) {
        SetWindowLongPtrA(handle, GWL_EXSTYLE, LONG_PTR(exStyle));
    }
}

DWORD TWindow::GetExStyle() const {
    return handle ? DWORD(GetWindowLongPtrA(handle, GWL_EXSTYLE)) : Attr.ExStyle;
}

const char *TWindow::GetWindowClassName() {
    return "TintwickWindow";
}

void TWindow::GetWindowClass(WNDCLASSA &windowClass) {
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = StaticWindowProc;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = GetWindowClassName();
}

bool TWindow::Create() {
    if (handle) {
        return true;
    }
    HWND parentHandle = parent ? parent->handle : nullptr;
    if ((Attr.Style & WS_CHILD) && !parentHandle) {
        return false;
    }
    const char *className = GetWindowClassName();
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(module, className, &windowClass)) {
        GetWindowClass(windowClass);
        RegisterClassA(&windowClass);
    }
    HMENU menuOrId = (Attr.Style & WS_CHILD) ? HMENU(INT_PTR(Attr.Id)) : nullptr;
    HWND hwnd = CreateWindowExA(Attr.ExStyle, className, title.c_str(), Attr.Style, Attr.X, Attr.Y, Attr.W, Attr.H,
                                parentHandle, menuOrId, module, this);
    RethrowPendingException();
    if (!hwnd) {
        return false;
    }
    if (!handle) {
        // A class of the platform (EDIT, STATIC, ...): hook our object onto it now.
        AttachSubclass(hwnd);
        ownsHandle = true; // we made it, so deleting the object destroys it
        SetupWindow();
    }
    return true;
}

void TWindow::AttachHandle(HWND hwnd, Binding how, bool owned) {
    handle = hwnd;
    binding = how;
    ownsHandle = owned;
    SetPropA(hwnd, ObjectProperty, this);
}

void TWindow::DetachHandle() {
    if (!handle) {
        return;
    }
    RemovePropA(handle, ObjectProperty);
    switch (binding) {
    case Binding::OwnClass:
        SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
        break;
    case Binding::Subclassed:
        RemoveWindowSubclass(handle, SubclassProc, SubclassId);
        break;
    case Binding::Dialog:
        SetWindowLongPtrA(handle, DWLP_USER, 0);
        break;
    case Binding::None:
        break;
    }
    handle = nullptr;
    binding = Binding::None;
    ownsHandle = false;
}

bool TWindow::AttachSubclass(HWND hwnd) {
    if (!hwnd || !SetWindowSubclass(hwnd, SubclassProc, SubclassId, DWORD_PTR(this))) {
        return false;
    }
    AttachHandle(hwnd, Binding::Subclassed, false);
    // The creation style becomes the live style plus whatever was asked for before the window existed
    // (a template's control keeps its own style until SetStyle changes it).
    Attr.Style |= DWORD(GetWindowLongPtrA(hwnd, GWL_STYLE));
    Attr.ExStyle |= DWORD(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    return true;
}

void TWindow::CreateChildren() {
    std::vector<TWindow *> waiting = children;
    for (TWindow *child : waiting) {
        if (child->handle || !child->autoCreate) {
            continue;
        }
        if (child->fromResource) {
            // Controls of a dialog template: bind to the existing control and set it up. A missing id leaves
            // the object without a window.
            if (child->AttachSubclass(::GetDlgItem(handle, child->Attr.Id))) {
                child->SetupWindow();
            }
        } else {
            child->Create();
        }
    }
}

void TWindow::SetupWindow() {
    CreateChildren();
}

void TWindow::Paint(TDC &, bool, TRect &) {}

bool TWindow::IdleAction(long idleCount) {
    bool wantsMore = false;
    std::vector<TWindow *> current = children;
    for (TWindow *child : current) {
        if (!child->handle) {
            continue;
        }
        if (idleCount == 0 || child->wantsIdle) {
            child->wantsIdle = child->IdleAction(idleCount);
        }
        wantsMore = wantsMore || child->wantsIdle;
    }
    return wantsMore;
}

bool TWindow::CanClose() {
    return std::all_of(children.begin(), children.end(),
                       [](TWindow *child) { return !child->handle || child->CanClose(); });
}

void TWindow::CloseWindow(int retVal) {
    if (CanClose()) {
        Destroy(retVal);
    }
}

void TWindow::Destroy(int) {
    if (handle) {
        DestroyWindow(handle);
    }
}

void TWindow::SetCaption(const char *text) {
    title = text ? text : "";
    if (handle) {
        SetWindowTextA(handle, title.c_str());
    }
}

std::string TWindow::GetCaption() const {
    if (!handle) {
        return title;
    }
    std::string text(size_t(GetWindowTextLengthA(handle)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(handle, &text[0], int(text.size()))));
    return text;
}

// Without a window these do nothing: InvalidateRect with no window would invalidate every window.
void TWindow::Invalidate(bool erase) {
    if (handle) {
        ::InvalidateRect(handle, nullptr, erase);
    }
}

void TWindow::InvalidateRect(const TRect &rect, bool erase) {
    if (handle) {
        ::InvalidateRect(handle, &rect, erase);
    }
}

void TWindow::UpdateWindow() {
    if (handle) {
        ::UpdateWindow(handle);
    }
}

bool TWindow::ShowWindow(int cmdShow) {
    return ::ShowWindow(handle, cmdShow) != 0;
}

bool TWindow::IsWindow() const {
    return handle && ::IsWindow(handle);
}

bool TWindow::IsIconic() const {
    return handle && ::IsIconic(handle);
}

bool TWindow::IsWindowVisible() const {
    return handle && ::IsWindowVisible(handle);
}

void TWindow::SetFocus() {
    ::SetFocus(handle);
}

UINT_PTR TWindow::SetTimer(UINT_PTR timerId, UINT milliseconds) {
    return ::SetTimer(handle, timerId, milliseconds, nullptr);
}

bool TWindow::KillTimer(UINT_PTR timerId) {
    return ::KillTimer(handle, timerId) != 0;
}

TRect TWindow::GetWindowRect() const {
    TRect rect;
    ::GetWindowRect(handle, &rect);
    return rect;
}

TRect TWindow::GetClientRect() const {
    TRect rect;
    ::GetClientRect(handle, &rect);
    return rect;
}

bool TWindow::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    return ::SetWindowPos(handle, insertAfter, x, y, width, height, flags) != 0;
}

bool TWindow::MoveWindow(int x, int y, int width, int height, bool repaint) {
    return ::MoveWindow(handle, x, y, width, height, repaint) != 0;
}

bool TWindow::MoveWindow(const TRect &rect, bool repaint) {
    return MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

LRESULT TWindow::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(handle, message, wParam, lParam);
}

bool TWindow::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(handle, message, wParam, lParam) != 0;
}

HWND TWindow::GetDlgItem(int id) const {
    return ::GetDlgItem(handle, id);
}

void TWindow::SetDlgItemText(int id, const char *text) const {
    ::SetDlgItemTextA(handle, id, text);
}

std::string TWindow::GetDlgItemString(int id) const {
    HWND item = GetDlgItem(id);
    std::string text(size_t(item ? GetWindowTextLengthA(item) : 0) + 1, '\0');
    text.resize(size_t(::GetDlgItemTextA(handle, id, &text[0], int(text.size()))));
    return text;
}

void TWindow::EvPaint() {
    TPaintDC dc(handle);
    TRect rect = dc.PaintRect();
    Paint(dc, dc.Erase(), rect);
}

bool TWindow::EvEraseBkgnd(HDC dc) {
    switch (bkgndColor.GetKind()) {
    case TColor::Kind::None:
        return DefaultProcessing() != 0;
    case TColor::Kind::Transparent:
        return true;
    default: {
        TBrush brush(bkgndColor);
        TRect client = GetClientRect();
        ::FillRect(dc, &client, brush);
        return true;
    }
    }
}

void TWindow::EvClose() {
    CloseWindow(0);
}

void TWindow::EvSize(UINT, const TSize &) {
    DefaultProcessing();
}

void TWindow::EvTimer(UINT) {
    DefaultProcessing();
}

void TWindow::EvMouseMove(UINT, const TPoint &) {
    DefaultProcessing();
}

void TWindow::EvLButtonDown(UINT, const TPoint &) {
    DefaultProcessing();
}

void TWindow::EvLButtonUp(UINT, const TPoint &) {
    DefaultProcessing();
}

bool TWindow::EvSetCursor(HWND, UINT, UINT) {
    return DefaultProcessing() != 0;
}

void TWindow::EvSetText(const char *) {
    DefaultProcessing();
}

void TWindow::EvHScroll(UINT scrollCode, int thumbPosition, HWND scrollBar) {
    TWindow *bar = FromHandle(scrollBar);
    if (!bar || !bar->ScrollNotify(scrollCode, thumbPosition)) {
        DefaultProcessing();
    }
}

void TWindow::EvVScroll(UINT scrollCode, int thumbPosition, HWND scrollBar) {
    EvHScroll(scrollCode, thumbPosition, scrollBar);
}

LRESULT TWindow::DefaultProcessing() {
    return CallDefaultProc(current.message, current.wParam, current.lParam);
}

LRESULT TWindow::CallDefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (binding) {
    case Binding::Subclassed:
        return DefSubclassProc(handle, message, wParam, lParam);
    case Binding::Dialog:
        // The dialog manager does the default work when the dialog procedure reports the message unhandled.
        current.defaulted = true;
        return 0;
    default:
        return DefWindowProcA(handle, message, wParam, lParam);
    }
}

LRESULT TWindow::ReceiveMessage(UINT message, WPARAM wParam, LPARAM lParam, bool *defaulted) {
    Event saved = current;
    current = Event{message, wParam, lParam, false};
    LRESULT result;
    if (const TResponseEntry *entry = GetResponseTable()->Find(message, wParam, lParam)) {
        result = entry->dispatch(*this, wParam, lParam);
    } else {
        result = DefaultProcessing();
    }
    if (defaulted) {
        *defaulted = current.defaulted;
    }
    current = saved;

    if (message == WM_DESTROY) {
        if (parent && !parent->destroying) {
            parent->ChildDestroyed(this);
        }
        TApplication *application = GetApplication();
        if (application && application->GetMainWindow() == this) {
            PostQuitMessage(0);
        }
    }
    return result;
}

void TWindow::KeepPendingException() {
    if (!pendingException) {
        pendingException = std::current_exception();
    }
}

void TWindow::RethrowPendingException() {
    if (pendingException) {
        std::rethrow_exception(std::exchange(pendingException, nullptr));
    }
}

LRESULT CALLBACK TWindow::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow *window;
    if (message == WM_NCCREATE) {
        window = static_cast<TWindow *>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams);
        if (window) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, LONG_PTR(window));
            window->AttachHandle(hwnd, Binding::OwnClass, true);
        }
    } else {
        window = reinterpret_cast<TWindow *>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!window) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        LRESULT result = window->ReceiveMessage(message, wParam, lParam);
        if (message == WM_CREATE && result != -1) {
            window->SetupWindow();
        } else if (message == WM_NCDESTROY) {
            window->DetachHandle();
        }
        return result;
    } catch (...) {
        KeepPendingException();
        return message == WM_CREATE ? -1 : 0;
    }
}

LRESULT CALLBACK TWindow::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData) {
    TWindow *window = reinterpret_cast<TWindow *>(refData);
    if (message == WM_NCDESTROY) {
        LRESULT result = 0;
        try {
            result = window->ReceiveMessage(message, wParam, lParam);
        } catch (...) {
            KeepPendingException();
        }
        window->DetachHandle();
        return result;
    }
    try {
        return window->ReceiveMessage(message, wParam, lParam);
    } catch (...) {
        KeepPendingException();
        return 0;
    }
}
