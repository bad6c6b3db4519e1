#pragma once

#include <windows.h>

#include <memory>

#include "framework/controls.h"
#include "framework/gdi_objects.h"
#include "hypertext/win_hyper_text.h"

// A static control whose window text is hypertext markup. It draws the document on every paint, shows a
// pointing hand over links and follows a clicked link: a target starting with "!" calls the trigger
// function of that name, any other is opened through the shell.
class THyperStatic : public TStatic {
public:
    static constexpr int linkCursorId = 10441;
    static constexpr const char *noTriggerMessage = "Could not find trigger function.";
    static constexpr const char *shellFailureMessage = "Could not get on to the internet.";

    THyperStatic(TWindow *parent, int id, const char *title, int x, int y, int w, int h, UINT textLimit = 0,
                 HINSTANCE module = nullptr);
    THyperStatic(TWindow *parent, int resourceId, UINT textLimit = 0, HINSTANCE module = nullptr);
    ~THyperStatic() override;

    void SetupWindow() override;
    void Paint(TDC &dc, bool erase, TRect &rect) override;

    // The first link of the last paint whose area holds the point (client coordinates), or null.
    const LinkData *FindLink(const TPoint &point) const;
    // Hands `target` to the shell with the verb "open"; tells the user when the shell cannot.
    void OpenWithShell(const char *target);

    WinHyperText &Document() const { return *document; }
    bool IsOverLink() const { return overLink; }
    HCURSOR LinkCursor() const { return linkCursor->GetHandle(); }

    bool EvSetCursor(HWND cursorWindow, UINT hitTest, UINT mouseMessage);
    void EvMouseMove(UINT modifierKeys, const TPoint &point);
    void EvLButtonDown(UINT modifierKeys, const TPoint &point);
    void EvSize(UINT sizeType, const TSize &clientSize);
    void EvSetText(const char *text);

protected:
    void Init(const char *text);

private:
    // Calls the trigger function named after the "!", or tells the user there is none.
    void RunTrigger(const char *name);

    std::unique_ptr<WinHyperText> document;
    std::unique_ptr<TCursor> linkCursor;
    bool overLink = false;

    DECLARE_RESPONSE_TABLE(THyperStatic);
};
