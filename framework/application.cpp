#include "framework/application.h"

#include <climits>

#include "framework/dialog.h"
#include "framework/window.h"

namespace {

TApplication *currentApplication = nullptr;

} // namespace

TApplication::TApplication(const char *name, HINSTANCE instance, HINSTANCE prevInstance, const char *commandLine,
                           int cmdShow)
    : name(name ? name : ""), instance(instance ? instance : GetModuleHandleA(nullptr)), prevInstance(prevInstance),
      commandLine(commandLine ? commandLine : ""), cmdShow(cmdShow), previous(currentApplication) {
    currentApplication = this;
}

TApplication::~TApplication() {
    delete mainWindow;
    mainWindow = nullptr;
    currentApplication = previous;
}

TApplication *TApplication::Current() {
    return currentApplication;
}

void TApplication::SetMainWindow(TWindow *window) {
    if (window == mainWindow) {
        return;
    }
    TWindow *old = mainWindow;
    mainWindow = window;
    delete old;
}

void TApplication::WindowDeleted(TWindow *window) {
    if (window == mainWindow) {
        mainWindow = nullptr;
    }
}

int TApplication::Run() {
    InitMainWindow();
    if (!mainWindow || !mainWindow->Create()) {
        return -1;
    }
    mainWindow->ShowWindow(cmdShow);
    mainWindow->UpdateWindow();
    return MessageLoop();
}

bool TApplication::IdleAction(long idleCount) {
    return mainWindow && mainWindow->GetHandle() && mainWindow->IdleAction(idleCount);
}

bool TApplication::CanClose() {
    return !mainWindow || mainWindow->CanClose();
}

int TApplication::MessageBox(HWND owner, const char *text, const char *caption, UINT type) const {
    return ::MessageBoxA(owner, text, caption ? caption : name.c_str(), type);
}

int TApplication::MessageLoop() {
    long idleCount = 0;
    for (;;) {
        bool anyDispatched = false;
        int exitCode = 0;
        if (!PumpWaitingMessages(anyDispatched, exitCode)) {
            return exitCode;
        }
        if (anyDispatched) {
            idleCount = 0;
        }
        bool wantsMore = IdleAction(idleCount);
        idleCount = NextIdleCount(idleCount);
        if (!wantsMore) {
            WaitForMessage();
        }
        TWindow::RethrowPendingException();
    }
}

long TApplication::NextIdleCount(long count) { return count < LONG_MAX ? count + 1 : LONG_MAX; }

bool TApplication::PumpWaitingMessages(bool &anyDispatched, int &exitCode) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            exitCode = int(message.wParam);
            return false;
        }
        ProcessMessage(message);
        anyDispatched = true;
        TWindow::RethrowPendingException();
    }
    return true;
}

void TApplication::ProcessMessage(MSG &message) {
    if (TDialog::IsModelessDialogMessage(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void TApplication::WaitForMessage() {
    WaitMessage();
}
