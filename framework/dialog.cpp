#include "framework/dialog.h"

#include <algorithm>
#include <vector>

#include "framework/application.h"

namespace {

// The modeless dialogs that exist now, for the message loop's dialog keys.
std::vector<HWND> &ModelessDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

// Messages whose dialog procedure result is the answer itself rather than DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

} // namespace

// clang-format off
DEFINE_RESPONSE_TABLE(TDialog, TWindow)
    EV_COMMAND(IDOK, CmOk),
    EV_COMMAND(IDCANCEL, CmCancel),
END_RESPONSE_TABLE;
// clang-format on

TDialog::TDialog(TWindow *parent, int resourceId, HINSTANCE module)
    : TWindow(parent, nullptr, module), resourceId(resourceId) {
    // Dialogs are created by Create or Execute, never together with their parent.
    SetAutoCreate(false);
}

TDialog::~TDialog() {
    RemoveModeless();
}

bool TDialog::Create() {
    if (GetHandle()) {
        return true;
    }
    modal = false;
    HWND owner = Parent() ? Parent()->GetHandle() : nullptr;
    HWND hwnd = CreateDialogParamA(GetModule(), MAKEINTRESOURCEA(resourceId), owner, DialogProc, LPARAM(this));
    if (hwnd && GetHandle() == hwnd) {
        AddModeless();
    }
    try {
        RethrowPendingException();
    } catch (...) {
        // Set-up failed: the half-made dialog goes.
        if (hwnd && ::IsWindow(hwnd)) {
            DestroyWindow(hwnd);
        }
        throw;
    }
    if (!hwnd) {
        return false;
    }
    return true;
}

int TDialog::Execute() {
    modal = true;
    HWND owner = Parent() ? Parent()->GetHandle() : nullptr;
    if (!owner && GetApplication() && GetApplication()->GetMainWindow()) {
        owner = GetApplication()->GetMainWindow()->GetHandle();
    }
    INT_PTR result = DialogBoxParamA(GetModule(), MAKEINTRESOURCEA(resourceId), owner, DialogProc, LPARAM(this));
    RethrowPendingException();
    return int(result);
}

void TDialog::CloseWindow(int retVal) {
    if (CanClose()) {
        Destroy(retVal);
    }
}

void TDialog::Destroy(int retVal) {
    if (!GetHandle()) {
        return;
    }
    if (modal) {
        EndDialog(GetHandle(), retVal);
    } else {
        DestroyWindow(GetHandle());
    }
}

void TDialog::CmOk() {
    CloseWindow(IDOK);
}

void TDialog::CmCancel() {
    Destroy(IDCANCEL);
}

// The dialog manager turns WM_CLOSE into the Cancel command.
void TDialog::EvClose() {
    DefaultProcessing();
}

void TDialog::AddModeless() {
    ModelessDialogs().push_back(GetHandle());
}

void TDialog::RemoveModeless() {
    auto &dialogs = ModelessDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), GetHandle()), dialogs.end());
}

bool TDialog::IsModelessDialogMessage(MSG &message) {
    // A copy: handling the message may create or destroy dialogs.
    std::vector<HWND> dialogs = ModelessDialogs();
    for (HWND dialog : dialogs) {
        if (::IsWindow(dialog) && (message.hwnd == dialog || IsChild(dialog, message.hwnd)) &&
            IsDialogMessageA(dialog, &message)) {
            return true;
        }
    }
    return false;
}

INT_PTR CALLBACK TDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TDialog *dialog;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<TDialog *>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, LONG_PTR(dialog));
        dialog->AttachHandle(hwnd, Binding::Dialog, true);
    } else {
        dialog = reinterpret_cast<TDialog *>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!dialog) {
        return FALSE;
    }
    try {
        if (message == WM_INITDIALOG) {
            dialog->CreateChildren();
            dialog->SetupWindow();
            return TRUE;
        }
        bool defaulted = false;
        LRESULT result = dialog->ReceiveMessage(message, wParam, lParam, &defaulted);
        if (message == WM_NCDESTROY) {
            dialog->RemoveModeless();
            dialog->DetachHandle();
        }
        if (defaulted) {
            return FALSE;
        }
        if (ReturnsResultDirectly(message)) {
            return INT_PTR(result);
        }
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    } catch (...) {
        KeepPendingException();
        if (dialog->modal) {
            EndDialog(hwnd, -1); // Execute throws it again
        }
        return FALSE;
    }
}
