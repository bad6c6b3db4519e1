#pragma once

#include <windows.h>

#include <string>

class TWindow;

// The application: owns the main window and runs the message loop.
//
// The loop dispatches every waiting message (keys for dialogs go through IsDialogMessage, so Tab, Enter and
// Escape work in modeless dialogs and in a dialog that is a frame's client), then calls IdleAction with a
// count that is 0 after each batch of messages and grows by one per further idle call. Only when IdleAction
// returns false does the loop block until the next message arrives. Run returns the WM_QUIT exit code.
//
// One application object exists at a time; windows reach it through TWindow::GetApplication.
class TApplication {
public:
    explicit TApplication(const char *name = nullptr, HINSTANCE instance = nullptr, HINSTANCE prevInstance = nullptr,
                          const char *commandLine = nullptr, int cmdShow = SW_SHOWNORMAL);
    TApplication(const TApplication &) = delete;
    TApplication &operator=(const TApplication &) = delete;
    virtual ~TApplication();

    static TApplication *Current();

    const std::string &GetName() const { return name; }
    HINSTANCE GetInstance() const { return instance; }
    HINSTANCE GetPrevInstance() const { return prevInstance; }
    const std::string &GetCommandLine() const { return commandLine; }
    int GetCmdShow() const { return cmdShow; }

    // Builds the main window object (SetMainWindow); the application creates and shows it afterwards.
    virtual void InitMainWindow() {}
    // The application takes ownership of `window` (and deletes a previous main window object).
    void SetMainWindow(TWindow *window);
    TWindow *GetMainWindow() const { return mainWindow; }

    // InitMainWindow, create and show the main window, run the loop. Returns the WM_QUIT exit code, or -1
    // when there is no main window or it could not be created.
    virtual int Run();
    // Passes idle time to the main window; true asks for more before the loop waits for a message.
    virtual bool IdleAction(long idleCount);
    virtual bool CanClose();

    // A message box; the caption defaults to the application's name.
    int MessageBox(HWND owner, const char *text, const char *caption = nullptr, UINT type = MB_OK) const;

    // The idle count after `count`: one more, but it stops at the largest value instead of overflowing
    // (a loop that never blocks and gets no message would otherwise run past it).
    static long NextIdleCount(long count);

    // Called by ~TWindow so that a deleted main window is forgotten.
    void WindowDeleted(TWindow *window);

protected:
    int MessageLoop();
    // Removes and dispatches every waiting message; false with `exitCode` set when WM_QUIT came.
    bool PumpWaitingMessages(bool &anyDispatched, int &exitCode);
    // Translates and dispatches one message unless a dialog takes it.
    virtual void ProcessMessage(MSG &message);
    // Blocks until a message arrives (WaitMessage); virtual so that tests can watch the loop block.
    virtual void WaitForMessage();

private:
    std::string name;
    HINSTANCE instance;
    HINSTANCE prevInstance;
    std::string commandLine;
    int cmdShow;
    TWindow *mainWindow = nullptr;
    TApplication *previous;
};
