#pragma once

// Response tables: each window class lists the messages and commands it answers, in order, in a static
// table; a message not found there is looked up in the base class's table, and finally handed to the
// platform's default processing.
//
//   class TMyDialog : public TDialog {
//       ...
//       void CmBrowse();
//       void EvTimer(UINT timerId);
//       DECLARE_RESPONSE_TABLE(TMyDialog);
//   };
//
//   DEFINE_RESPONSE_TABLE(TMyDialog, TDialog)
//       EV_COMMAND(133, CmBrowse),
//       EV_WM_TIMER,
//   END_RESPONSE_TABLE;
//
// Each entry pairs a message (or WM_COMMAND with a control id) with a "cracker": a small function that
// takes the message's WPARAM and LPARAM apart and calls the handler with typed arguments.

#include <windows.h>
#include <windowsx.h>

#include "framework/graphics.h"

class TWindow;

using TDispatcher = LRESULT (*)(TWindow &window, WPARAM wParam, LPARAM lParam);

struct TResponseEntry {
    UINT message;         // the message; WM_COMMAND for commands and control notifications
    UINT id;              // WM_COMMAND only: the command or control id
    int notifyCode;       // WM_COMMAND only: the notification code, or AnyCommand for a command
    TDispatcher dispatch; // null ends the table

    static constexpr int AnyCommand = -1;

    bool Matches(UINT msg, WPARAM wParam, LPARAM lParam) const {
        if (msg != message) {
            return false;
        }
        if (msg != WM_COMMAND) {
            return true;
        }
        if (LOWORD(wParam) != id) {
            return false;
        }
        // A command comes from a menu or accelerator (no control) or is a button click; every other
        // control notification matches only an entry for its own code.
        if (notifyCode == AnyCommand) {
            return lParam == 0 || HIWORD(wParam) == BN_CLICKED;
        }
        return lParam != 0 && HIWORD(wParam) == UINT(notifyCode);
    }
};

struct TResponseTable {
    const TResponseTable *base;
    const TResponseEntry *entries;

    const TResponseEntry *Find(UINT msg, WPARAM wParam, LPARAM lParam) const {
        for (const TResponseTable *table = this; table; table = table->base) {
            for (const TResponseEntry *entry = table->entries; entry->dispatch; ++entry) {
                if (entry->Matches(msg, wParam, lParam)) {
                    return entry;
                }
            }
        }
        return nullptr;
    }
};

namespace Crack {

template <class MemberPointer> struct MemberOf;
template <class Class, class Result, class... Args> struct MemberOf<Result (Class::*)(Args...)> { using type = Class; };

template <auto Handler> typename MemberOf<decltype(Handler)>::type &Self(TWindow &window) {
    return static_cast<typename MemberOf<decltype(Handler)>::type &>(window);
}

// void Handler()
template <auto Handler> LRESULT Void(TWindow &window, WPARAM, LPARAM) {
    (Self<Handler>(window).*Handler)();
    return 0;
}

// LRESULT Handler(WPARAM, LPARAM): uncracked, for user messages
template <auto Handler> LRESULT Raw(TWindow &window, WPARAM wParam, LPARAM lParam) {
    return (Self<Handler>(window).*Handler)(wParam, lParam);
}

// bool Handler(HDC dc)
template <auto Handler> LRESULT EraseBkgnd(TWindow &window, WPARAM wParam, LPARAM) {
    return (Self<Handler>(window).*Handler)(HDC(wParam)) ? TRUE : FALSE;
}

// void Handler(UINT timerId)
template <auto Handler> LRESULT Timer(TWindow &window, WPARAM wParam, LPARAM) {
    (Self<Handler>(window).*Handler)(UINT(wParam));
    return 0;
}

// void Handler(UINT sizeType, const TSize &clientSize)
template <auto Handler> LRESULT Size(TWindow &window, WPARAM wParam, LPARAM lParam) {
    (Self<Handler>(window).*Handler)(UINT(wParam), TSize(LOWORD(lParam), HIWORD(lParam)));
    return 0;
}

// void Handler(UINT modifierKeys, const TPoint &point), point in client coordinates
template <auto Handler> LRESULT Mouse(TWindow &window, WPARAM wParam, LPARAM lParam) {
    (Self<Handler>(window).*Handler)(UINT(wParam), TPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    return 0;
}

// bool Handler(HWND cursorWindow, UINT hitTest, UINT mouseMessage)
template <auto Handler> LRESULT SetCursor(TWindow &window, WPARAM wParam, LPARAM lParam) {
    return (Self<Handler>(window).*Handler)(HWND(wParam), LOWORD(lParam), HIWORD(lParam)) ? TRUE : FALSE;
}

// void Handler(const char *text); the message reports success
template <auto Handler> LRESULT SetText(TWindow &window, WPARAM, LPARAM lParam) {
    (Self<Handler>(window).*Handler)(reinterpret_cast<const char *>(lParam));
    return TRUE;
}

// void Handler(UINT scrollCode, int thumbPosition, HWND scrollBar); the thumb position has 16 bits
template <auto Handler> LRESULT Scroll(TWindow &window, WPARAM wParam, LPARAM lParam) {
    (Self<Handler>(window).*Handler)(LOWORD(wParam), int(HIWORD(wParam)), HWND(lParam));
    return 0;
}

// HBRUSH Handler(HDC dc, HWND control, UINT controlType), controlType one of CTLCOLOR_*
template <auto Handler, UINT ControlType> LRESULT CtlColor(TWindow &window, WPARAM wParam, LPARAM lParam) {
    return LRESULT((Self<Handler>(window).*Handler)(HDC(wParam), HWND(lParam), ControlType));
}

// void Handler(UINT controlId, DRAWITEMSTRUCT &item)
template <auto Handler> LRESULT DrawItem(TWindow &window, WPARAM wParam, LPARAM lParam) {
    (Self<Handler>(window).*Handler)(UINT(wParam), *reinterpret_cast<DRAWITEMSTRUCT *>(lParam));
    return TRUE;
}

// void Handler(UINT controlId, MEASUREITEMSTRUCT &item)
template <auto Handler> LRESULT MeasureItem(TWindow &window, WPARAM wParam, LPARAM lParam) {
    (Self<Handler>(window).*Handler)(UINT(wParam), *reinterpret_cast<MEASUREITEMSTRUCT *>(lParam));
    return TRUE;
}

// void Handler(HWND otherWindow): focus gained from / lost to otherWindow
template <auto Handler> LRESULT Focus(TWindow &window, WPARAM wParam, LPARAM) {
    (Self<Handler>(window).*Handler)(HWND(wParam));
    return 0;
}

} // namespace Crack

// Put at the end of a window class's body (it leaves the access at private).
#define DECLARE_RESPONSE_TABLE(Class)                                                                                  \
public:                                                                                                                \
    static const TResponseEntry ResponseEntries[];                                                                     \
    static const TResponseTable ResponseTable;                                                                         \
    const TResponseTable *GetResponseTable() const override {                                                          \
        return &ResponseTable;                                                                                         \
    }                                                                                                                  \
                                                                                                                       \
private:                                                                                                               \
    using TThisClass = Class

#define DEFINE_RESPONSE_TABLE(Class, Base)                                                                             \
    const TResponseTable Class::ResponseTable = {&Base::ResponseTable, Class::ResponseEntries};                        \
    const TResponseEntry Class::ResponseEntries[] = {
#define END_RESPONSE_TABLE                                                                                             \
    { 0, 0, 0, nullptr }                                                                                               \
    }

// Any message with a handler of one of the forms above: EV_HANDLER(WM_PAINT, Void, TWindow::EvPaint).
#define EV_HANDLER(message, cracker, qualifiedHandler)                                                                 \
    { message, 0, 0, &Crack::cracker<&qualifiedHandler> }
// A user message with the handler LRESULT Handler(WPARAM, LPARAM).
#define EV_MESSAGE(message, handler) EV_HANDLER(message, Raw, TThisClass::handler)
// A command (menu, accelerator, button click) with the handler void Handler().
#define EV_COMMAND(id, handler)                                                                                        \
    { WM_COMMAND, UINT(id), TResponseEntry::AnyCommand, &Crack::Void<&TThisClass::handler> }
// A control notification (LBN_SELCHANGE, EN_CHANGE, ...) with the handler void Handler().
#define EV_CHILD_NOTIFY(id, notifyCode, handler)                                                                       \
    { WM_COMMAND, UINT(id), int(notifyCode), &Crack::Void<&TThisClass::handler> }

#define EV_WM_PAINT EV_HANDLER(WM_PAINT, Void, TThisClass::EvPaint)
#define EV_WM_ERASEBKGND EV_HANDLER(WM_ERASEBKGND, EraseBkgnd, TThisClass::EvEraseBkgnd)
#define EV_WM_CLOSE EV_HANDLER(WM_CLOSE, Void, TThisClass::EvClose)
#define EV_WM_DESTROY EV_HANDLER(WM_DESTROY, Void, TThisClass::EvDestroy)
#define EV_WM_TIMER EV_HANDLER(WM_TIMER, Timer, TThisClass::EvTimer)
#define EV_WM_SIZE EV_HANDLER(WM_SIZE, Size, TThisClass::EvSize)
#define EV_WM_MOUSEMOVE EV_HANDLER(WM_MOUSEMOVE, Mouse, TThisClass::EvMouseMove)
#define EV_WM_LBUTTONDOWN EV_HANDLER(WM_LBUTTONDOWN, Mouse, TThisClass::EvLButtonDown)
#define EV_WM_LBUTTONUP EV_HANDLER(WM_LBUTTONUP, Mouse, TThisClass::EvLButtonUp)
#define EV_WM_SETCURSOR EV_HANDLER(WM_SETCURSOR, SetCursor, TThisClass::EvSetCursor)
#define EV_WM_SETTEXT EV_HANDLER(WM_SETTEXT, SetText, TThisClass::EvSetText)
#define EV_WM_HSCROLL EV_HANDLER(WM_HSCROLL, Scroll, TThisClass::EvHScroll)
#define EV_WM_VSCROLL EV_HANDLER(WM_VSCROLL, Scroll, TThisClass::EvVScroll)
#define EV_WM_SETFOCUS EV_HANDLER(WM_SETFOCUS, Focus, TThisClass::EvSetFocus)
#define EV_WM_KILLFOCUS EV_HANDLER(WM_KILLFOCUS, Focus, TThisClass::EvKillFocus)
#define EV_WM_DRAWITEM EV_HANDLER(WM_DRAWITEM, DrawItem, TThisClass::EvDrawItem)
#define EV_WM_MEASUREITEM EV_HANDLER(WM_MEASUREITEM, MeasureItem, TThisClass::EvMeasureItem)
#define EV_WM_CTLCOLORSCROLLBAR                                                                                        \
    { WM_CTLCOLORSCROLLBAR, 0, 0, &Crack::CtlColor<&TThisClass::EvCtlColor, CTLCOLOR_SCROLLBAR> }
#define EV_WM_CTLCOLORSTATIC                                                                                           \
    { WM_CTLCOLORSTATIC, 0, 0, &Crack::CtlColor<&TThisClass::EvCtlColor, CTLCOLOR_STATIC> }
#define EV_WM_CTLCOLOREDIT                                                                                             \
    { WM_CTLCOLOREDIT, 0, 0, &Crack::CtlColor<&TThisClass::EvCtlColor, CTLCOLOR_EDIT> }
