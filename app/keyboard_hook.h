#pragma once

#include <windows.h>

class TTintwickDlg;

// The detector that handles the shortcuts, and the installed thread keyboard hook.
extern TTintwickDlg *HookTarget;
extern HHOOK KeyboardHookHandle;

// The hook procedure, exported by name. It hands every keyboard event of the thread to the detector.
extern "C" __declspec(dllexport) LRESULT CALLBACK KeyboardHook(int code, WPARAM key, LPARAM keyFlags);

// Puts the first n characters of text on the clipboard as plain text owned by `owner`. A busy
// clipboard is skipped silently.
void CopyTextToClipboard(HWND owner, const char *text, int n);
