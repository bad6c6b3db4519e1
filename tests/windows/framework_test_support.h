#pragma once

#include <windows.h>

// Ends a message loop that fails to end by itself: a thread timer posts WM_QUIT(exitCode) after a while.
class LoopWatchdog {
public:
    explicit LoopWatchdog(UINT milliseconds = 5000) : timer(SetTimer(nullptr, 0, milliseconds, Expire)) {}
    LoopWatchdog(const LoopWatchdog &) = delete;
    LoopWatchdog &operator=(const LoopWatchdog &) = delete;
    ~LoopWatchdog() { KillTimer(nullptr, timer); }

    static constexpr int ExitCode = 99;

private:
    static void CALLBACK Expire(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(ExitCode); }

    UINT_PTR timer;
};

// Dispatches whatever is waiting in this thread's queue.
inline void PumpWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
