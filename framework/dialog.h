#pragma once

#include <windows.h>

#include "framework/window.h"

// A dialog built from a dialog template (resource id `resourceId` of `module`; by default the application's
// instance). Created modeless with Create (as a frame's client the template must have the child style), or
// run modally with Execute.
//
// Control objects constructed with the dialog as parent and a template id attach to the template's controls
// when the dialog window is created, before SetupWindow runs.
//
// Conventions: the OK command (IDOK, also sent by Enter) runs CloseWindow(IDOK); the Cancel command
// (IDCANCEL, also sent by Escape) destroys the dialog at once without calling CloseWindow.
class TDialog : public TWindow {
public:
    TDialog(TWindow *parent, int resourceId, HINSTANCE module = nullptr);
    ~TDialog() override;

    // Creates the dialog modeless (CreateDialogParamA).
    bool Create() override;
    // Runs the dialog modally (DialogBoxParamA) and returns its result; -1 when it could not be created.
    virtual int Execute();
    bool IsModal() const { return modal; }
    int GetResourceId() const { return resourceId; }

    // Ends a modal dialog with retVal, or destroys a modeless one, if CanClose().
    void CloseWindow(int retVal = IDOK) override;
    // Ends a modal dialog with retVal, or destroys a modeless one, without asking.
    void Destroy(int retVal = IDCANCEL) override;

    virtual void CmOk();
    virtual void CmCancel();
    void EvClose() override;

    // Lets the modeless dialog that `message` is meant for handle its dialog keys. True when taken.
    static bool IsModelessDialogMessage(MSG &message);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void AddModeless();
    void RemoveModeless();

    int resourceId;
    bool modal = false;

    DECLARE_RESPONSE_TABLE(TDialog);
};
