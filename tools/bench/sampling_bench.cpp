// Measures the detector's sampling side by side with the bare platform calls it is built on, in one
// run under the same display:
//   1. one idle step with the pointer at rest      against one GetCursorPos;
//   2. one step after the pointer moved to a new color against one screen GetPixel (DC included);
//   3. the latency from a real X pointer move to the hex field showing the new code, against a bare
//      loop that only polls GetCursorPos until it sees the move (the platform's floor), and against
//      the same loop pumping messages (under Wine a thread learns of pointer moves from the X events
//      it handles, so a loop that never pumps sees them later).
// The X pointer is moved with xdotool, which Wine starts as a Unix program.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/detector_dialog.h"
#include "core/resource_text.h"
#include "framework/application.h"
#include "framework/frame_window.h"
#include "resources/resource_ids.h"

namespace {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

struct Patch {
    int x, y;
    COLORREF color;
    const char *hex;
};

const Patch patches[] = {{40, 40, RGB(0x1e, 0x90, 0xff), "1e90ff"}, {140, 40, RGB(0xdc, 0x14, 0x3c), "dc143c"}};

// A borderless topmost window whose class background is the patch's color, so it repaints itself.
HWND ShowPatch(const Patch &patch) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(patch.color);  // lives as long as the process
    windowClass.lpszClassName = patch.hex;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, patch.hex, "", WS_POPUP | WS_VISIBLE, patch.x,
                                  patch.y, 80, 80, nullptr, nullptr, windowClass.hInstance, nullptr);
    UpdateWindow(window);
    return window;
}

void MoveXPointer(int x, int y) {
    char command[96];
    std::snprintf(command, sizeof command, "/usr/bin/xdotool mousemove %d %d", x, y);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

std::string HexField(HWND panel) {
    char text[16] = "";
    GetDlgItemTextA(panel, IDC_HEX_CODE, text, sizeof text);
    return text;
}

void Report(const char *what, double detector, const char *bareWhat, double bare) {
    std::printf("%-44s %12.3f us\n%-44s %12.3f us\n%-44s %12.2f\n\n", what, detector * 1e6, bareWhat, bare * 1e6,
                "ratio", detector / bare);
}

void MeasureRestingStep(TTintwickDlg &detector) {
    SetCursorPos(patches[0].x + 20, patches[0].y + 20);
    detector.IdleAction(0);
    const int steps = 20000;
    double start = Now();
    for (int i = 0; i < steps; ++i)
        detector.IdleAction(i + 1);
    const double step = (Now() - start) / steps;
    POINT point;
    start = Now();
    for (int i = 0; i < steps; ++i)
        GetCursorPos(&point);
    const double bare = (Now() - start) / steps;
    Report("idle step, pointer at rest", step, "GetCursorPos", bare);
}

void MeasureNewColorStep(TTintwickDlg &detector) {
    const int steps = 400;
    double total = 0;
    for (int i = 0; i < steps; ++i) {
        const Patch &patch = patches[i % 2];
        SetCursorPos(patch.x + 10 + i % 7, patch.y + 10);
        const double start = Now();
        detector.IdleAction(i + 1);
        total += Now() - start;
        if (HexField(detector) != patch.hex) {
            std::printf("the step did not show %s\n", patch.hex);
            return;
        }
    }
    const double step = total / steps;
    const double start = Now();
    for (int i = 0; i < steps; ++i) {
        HDC screen = GetDC(nullptr);
        GetPixel(screen, patches[i % 2].x + 10, patches[i % 2].y + 10);
        ReleaseDC(nullptr, screen);
    }
    const double bare = (Now() - start) / steps;
    Report("idle step, pointer moved to a new color", step, "screen GetPixel (with its DC)", bare);
}

// Polls GetCursorPos until it reports x; with pumpMessages the loop also handles the thread's messages, as
// any program with a message loop does (Wine learns of pointer moves from X events it handles there).
double BareLatency(int x, int y, bool pumpMessages, double timeout) {
    const double start = Now();
    MoveXPointer(x, y);
    POINT point{};
    while (Now() - start < timeout) {
        if (pumpMessages)
            PumpMessages();
        GetCursorPos(&point);
        if (point.x == x)
            break;
    }
    return Now() - start;
}

void MeasureLatency(TTintwickDlg &detector) {
    std::vector<double> detectorLatency, bareLatency, pumpingLatency;
    const double timeout = 5.0;
    for (int trial = 0; trial < 16; ++trial) {
        const Patch &patch = patches[trial % 2];
        const int x = patch.x + 30 + trial, y = patch.y + 30;

        // The detector: the message loop's idle steps until the hex field shows the new code.
        const double start = Now();
        MoveXPointer(x, y);
        long idleCount = 0;
        while (HexField(detector) != patch.hex && Now() - start < timeout) {
            PumpMessages();
            detector.IdleAction(idleCount++);
        }
        detectorLatency.push_back(Now() - start);

        // The floors, moving the pointer on within the same patch.
        bareLatency.push_back(BareLatency(x + 10, y, false, timeout));
        pumpingLatency.push_back(BareLatency(x + 20, y, true, timeout));
        // The pointer rests on this trial's color; the next trial moves it to the other one.
        detector.IdleAction(0);
    }
    Report("move to hex field showing the code (median)", Median(detectorLatency),
           "move to GetCursorPos seeing it (median)", Median(bareLatency));
    Report("move to hex field showing the code (median)", Median(detectorLatency),
           "same, polling loop that pumps messages", Median(pumpingLatency));
}

}  // namespace

int main() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ProgramInstance = ResourceInstance = instance;
    TApplication application("Tintwick", instance);
    for (const Patch &patch : patches)
        ShowPatch(patch);

    auto *detector = new TTintwickDlg(nullptr);
    auto *frame = new TFrameWindow(nullptr, "Tintwick", detector, true);
    detector->SetParent(frame);
    frame->Attr.ExStyle |= WS_EX_TOPMOST;
    application.SetMainWindow(frame);
    if (!frame->Create()) {
        std::printf("could not create the detector\n");
        return 1;
    }
    frame->ShowWindow(SW_SHOW);
    PumpMessages();
    Sleep(300);
    PumpMessages();

    std::printf("Tintwick sampling benchmark (Wine, this display)\n\n");
    MeasureRestingStep(*detector);
    MeasureNewColorStep(*detector);
    MeasureLatency(*detector);
    return 0;
}
