#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "framework/dc.h"
#include "framework/graphics.h"
#include "framework/response_table.h"

class TApplication;

// Creation attributes, changeable until the window exists.
struct TWindowAttr {
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int W = 0;
    int H = 0;
    int Id = 0; // control id of a child window
};

// A window object and, once created or attached, its platform window.
//
// The object finds its window from the creation parameter at WM_NCCREATE (windows of our own class), by
// subclassing (controls, including those a dialog template made, attached by id), or from WM_INITDIALOG
// (dialogs). Messages go through the class's response table, then its bases', then the platform's default.
//
// A window owns its child window objects: they are deleted with it. Deleting a window object destroys the
// platform window it created; a control attached to a template's control is only detached.
class TWindow {
public:
    explicit TWindow(TWindow *parent, const char *title = nullptr, HINSTANCE module = nullptr);
    TWindow(const TWindow &) = delete;
    TWindow &operator=(const TWindow &) = delete;
    virtual ~TWindow();

    TWindowAttr Attr;

    // Creates the platform window (its children follow in SetupWindow). False when it could not be made.
    virtual bool Create();

    HWND GetHandle() const { return handle; }
    operator HWND() const { return handle; }
    // The window object attached to hwnd, or null.
    static TWindow *FromHandle(HWND hwnd);

    TWindow *Parent() const { return parent; }
    void SetParent(TWindow *newParent);
    const std::vector<TWindow *> &Children() const { return children; }
    TApplication *GetApplication() const;
    HINSTANCE GetModule() const { return module; }

    // Before the window exists these change the creation style; afterwards the live style as well.
    void SetStyle(DWORD style);
    DWORD GetStyle() const;
    void SetExStyle(DWORD exStyle);
    DWORD GetExStyle() const;

    // The background: TColor::None erases as the platform does by default, TColor::Transparent erases
    // nothing, any other color fills the client area with a solid brush of that color.
    void SetBkgndColor(const TColor &color) { bkgndColor = color; }
    const TColor &GetBkgndColor() const { return bkgndColor; }

    // Called once the platform window exists; creates or attaches the child windows. Overrides call it first.
    virtual void SetupWindow();
    // Called by the generic paint handler between BeginPaint and EndPaint; draws nothing by default.
    virtual void Paint(TDC &dc, bool erase, TRect &rect);
    // Idle time from the message loop: passes it on to the child windows (a child is called when idleCount is
    // 0 or when it asked for more last time). Returns whether any of them wants more.
    virtual bool IdleAction(long idleCount);
    // Whether the window may close now; by default, when all child windows may.
    virtual bool CanClose();
    // A close request: destroys the window if CanClose().
    virtual void CloseWindow(int retVal = 0);
    // Destroys the platform window.
    virtual void Destroy(int retVal = 0);

    void SetCaption(const char *text);
    std::string GetCaption() const;
    void Invalidate(bool erase = true);
    void InvalidateRect(const TRect &rect, bool erase = true);
    void UpdateWindow();
    bool ShowWindow(int cmdShow);
    bool IsWindow() const;
    bool IsIconic() const;
    bool IsWindowVisible() const;
    void SetFocus();
    UINT_PTR SetTimer(UINT_PTR timerId, UINT milliseconds);
    bool KillTimer(UINT_PTR timerId);
    TRect GetWindowRect() const; // screen coordinates
    TRect GetClientRect() const;
    bool SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);
    bool MoveWindow(int x, int y, int width, int height, bool repaint = false);
    bool MoveWindow(const TRect &rect, bool repaint = false);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND GetDlgItem(int id) const;
    void SetDlgItemText(int id, const char *text) const;
    // The text of control `id` (named apart from the platform's GetDlgItemText, which it would hide).
    std::string GetDlgItemString(int id) const;

    // Generic handlers, public so that any class's response table can name them.
    void EvPaint();
    bool EvEraseBkgnd(HDC dc);
    virtual void EvClose();
    void EvHScroll(UINT scrollCode, int thumbPosition, HWND scrollBar);
    void EvVScroll(UINT scrollCode, int thumbPosition, HWND scrollBar);
    // Not in TWindow's table: the default processing, for derived handlers that run the base's first.
    void EvSize(UINT sizeType, const TSize &clientSize);
    void EvTimer(UINT timerId);
    void EvMouseMove(UINT modifierKeys, const TPoint &point);
    void EvLButtonDown(UINT modifierKeys, const TPoint &point);
    void EvLButtonUp(UINT modifierKeys, const TPoint &point);
    bool EvSetCursor(HWND cursorWindow, UINT hitTest, UINT mouseMessage);
    void EvSetText(const char *text);

    // The platform's default processing of the message being handled (call from a handler).
    LRESULT DefaultProcessing();

    static const TResponseEntry ResponseEntries[];
    static const TResponseTable ResponseTable;
    virtual const TResponseTable *GetResponseTable() const { return &ResponseTable; }

    // An exception thrown by a handler cannot cross the platform's frames; it is kept and thrown again
    // when control is back in our code (message loop, Create, Execute).
    static void RethrowPendingException();

protected:
    enum class Binding { None, OwnClass, Subclassed, Dialog };

    // The window class Create uses. Classes that are not registered yet are registered from GetWindowClass.
    virtual const char *GetWindowClassName();
    virtual void GetWindowClass(WNDCLASSA &windowClass);

    // A notification that a child window's platform window is being destroyed.
    virtual void ChildDestroyed(TWindow *) {}
    // Forwarded by the parent's scroll handler to the scroll bar object; true when handled.
    virtual bool ScrollNotify(UINT, int) { return false; }

    // Marks a control to be attached to the item Attr.Id of its parent's dialog template.
    void SetFromResource(bool value) { fromResource = value; }
    // Whether the window runs a platform class's procedure under our subclass.
    bool IsSubclassed() const { return binding == Binding::Subclassed; }
    void SetAutoCreate(bool value) { autoCreate = value; }
    void CreateChildren();
    // Binds this object to an existing window.
    void AttachHandle(HWND hwnd, Binding how, bool owned);
    void DetachHandle();
    bool AttachSubclass(HWND hwnd);

    // Runs a message through the tables with the bookkeeping of creation and destruction.
    LRESULT ReceiveMessage(UINT message, WPARAM wParam, LPARAM lParam, bool *defaulted = nullptr);
    static void KeepPendingException();

    std::string title;

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR refData);
    LRESULT CallDefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    void AddChild(TWindow *child);
    void RemoveChild(TWindow *child);

    struct Event {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool defaulted;
    };

    HWND handle = nullptr;
    Binding binding = Binding::None;
    bool ownsHandle = false;
    bool destroying = false;
    bool fromResource = false;
    bool autoCreate = true;
    bool wantsIdle = false;
    TWindow *parent = nullptr;
    std::vector<TWindow *> children;
    HINSTANCE module;
    TColor bkgndColor = TColor::None;
    Event current{};

    static std::exception_ptr pendingException;

    using TThisClass = TWindow;
};
