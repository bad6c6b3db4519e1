#pragma once

#include <windows.h>

// One shared buffer for strings loaded from resources; valid only until the next load.
constexpr int SharedTextBufferSize = 1024;
extern char SharedTextBuffer[SharedTextBufferSize];

// Centers the window on the primary screen, keeping its size, and repaints it. Halves are truncated toward
// zero, so a window larger than the screen gets a negative position.
void CenterWindowOnScreen(HWND window);

// Moves the window so that a box of width x height would be centered on the primary screen, shifted by
// (dx, dy); the window keeps its size and goes to the top of the z-order among its peers.
void CenterWindowOnScreenWithOffset(HWND window, int width, int height, int dx, int dy);

// Centers control itemId horizontally in the dialog's outer width, keeping its vertical position and size.
void CenterDialogItem(HWND dialog, int itemId);

// Sets the text of control itemId to string stringId of module, when that string exists and is not empty;
// otherwise leaves the text as it is. The string goes through SharedTextBuffer.
void SetDialogItemTextFromResource(HWND dialog, HINSTANCE module, int stringId, int itemId);
