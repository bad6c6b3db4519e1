// Tintwick: a small topmost window that shows the color under the mouse pointer.
#include <windows.h>

#include "app/tintwick_app.h"
#include "core/resource_text.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR commandLine, int cmdShow) {
    TTintwickApp application("Tintwick", instance, prevInstance, commandLine, cmdShow);
    ProgramInstance = instance;
    ResourceInstance = instance;
    return application.Run();
}
