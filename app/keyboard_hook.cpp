#include "app/keyboard_hook.h"

#include <cstring>

#include "app/detector_dialog.h"

TTintwickDlg *HookTarget = nullptr;
HHOOK KeyboardHookHandle = nullptr;

LRESULT CALLBACK KeyboardHook(int code, WPARAM key, LPARAM keyFlags) {
    // The hook outlives the detector when the program ends without the exit button; from then on the
    // events just go on to the next hook.
    if (HookTarget == nullptr)
        return CallNextHookEx(KeyboardHookHandle, code, key, keyFlags);
    return HookTarget->HandleKey(code, static_cast<WORD>(key), static_cast<LONG>(keyFlags));
}

void CopyTextToClipboard(HWND owner, const char *text, int n) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, static_cast<SIZE_T>(n) + 1);
    if (block == nullptr)
        return;
    char *bytes = static_cast<char *>(GlobalLock(block));
    if (bytes == nullptr) {
        GlobalFree(block);
        return;
    }
    std::strncpy(bytes, text, n);  // pads the rest of the n bytes with zeros
    bytes[n] = '\0';
    GlobalUnlock(block);

    if (!OpenClipboard(owner)) {
        GlobalFree(block);  // the clipboard is busy: the copy is skipped, the block is ours to free
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block) == nullptr)
        GlobalFree(block);  // the clipboard did not take it
    CloseClipboard();
}
