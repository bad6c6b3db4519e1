// tintwick_probe: the end-to-end tests' eyes and hands inside Wine.
//   patch X Y W H RRGGBB     show a borderless topmost patch of one color until killed
//   fields                   print the detector panel's fields, one "name=text" line each
//   windowinfo               print the main frame's styles and rectangles
//   boxes                    print every message box on screen: caption, owner and text
//   closebox                 press OK on the newest message box on screen
//   controlrect ID           print the screen rectangle of a panel control
//   settext ID TEXT          overwrite a panel field's text, to see whether the program rewrites it
//   foreground               make the Tintwick frame the foreground window
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

HWND FindFrame() { return FindWindowA(nullptr, "Tintwick"); }

HWND FindPanel(HWND frame) { return frame != nullptr ? GetWindow(frame, GW_CHILD) : nullptr; }

std::string WindowText(HWND window) {
    char text[1024] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

int ShowPatch(int argc, char **argv) {
    if (argc != 7)
        return 2;
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]), w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    const unsigned long code = std::strtoul(argv[6], nullptr, 16);
    const COLORREF color = RGB((code >> 16) & 0xFF, (code >> 8) & 0xFF, code & 0xFF);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(color);
    windowClass.lpszClassName = "TintwickProbePatch";
    RegisterClassA(&windowClass);
    HWND patch = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "TintwickProbePatch", "patch",
                                 WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (patch == nullptr)
        return 1;
    UpdateWindow(patch);
    GdiFlush();
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

int PrintFields() {
    HWND panel = FindPanel(FindFrame());
    if (panel == nullptr) {
        std::printf("no panel\n");
        return 1;
    }
    static const struct {
        int id;
        const char *name;
    } fields[] = {{115, "red"}, {118, "green"}, {121, "blue"}, {107, "hex"},
                  {105, "name"}, {110, "x"},   {112, "y"}};
    for (const auto &field : fields)
        std::printf("%s=%s\n", field.name, WindowText(GetDlgItem(panel, field.id)).c_str());
    return 0;
}

void PrintRect(const char *name, const RECT &rect) {
    std::printf("%s=%ld,%ld,%ld,%ld\n", name, rect.left, rect.top, rect.right, rect.bottom);
}

int PrintWindowInfo() {
    HWND frame = FindFrame();
    HWND panel = FindPanel(frame);
    if (frame == nullptr || panel == nullptr) {
        std::printf("no frame\n");
        return 1;
    }
    RECT rect;
    std::printf("style=%08lx\n", static_cast<unsigned long>(GetWindowLongA(frame, GWL_STYLE)));
    std::printf("exstyle=%08lx\n", static_cast<unsigned long>(GetWindowLongA(frame, GWL_EXSTYLE)));
    GetWindowRect(frame, &rect);
    PrintRect("frame", rect);
    GetClientRect(frame, &rect);
    PrintRect("frameclient", rect);
    GetWindowRect(panel, &rect);
    PrintRect("panel", rect);
    std::printf("screen=%d,%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::printf("caption=%d,%d,%d\n", GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CXSIZE),
                GetSystemMetrics(SM_CXFIXEDFRAME));
    std::printf("visible=%d\n", IsWindowVisible(frame) ? 1 : 0);
    return 0;
}

BOOL CALLBACK CollectBox(HWND window, LPARAM boxes) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND> *>(boxes)->push_back(window);
    return TRUE;
}

// Message boxes on screen, oldest (lowest in z-order) first.
std::vector<HWND> MessageBoxes() {
    std::vector<HWND> boxes;
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&boxes));
    return std::vector<HWND>(boxes.rbegin(), boxes.rend());
}

int PrintBoxes() {
    for (HWND box : MessageBoxes()) {
        HWND owner = GetWindow(box, GW_OWNER);
        std::string text = WindowText(GetDlgItem(box, 0xFFFF));
        std::string escaped;
        for (char c : text)
            escaped += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
        std::printf("box\t%s\t%s\t%s\n", WindowText(box).c_str(), owner ? WindowText(owner).c_str() : "",
                    escaped.c_str());
    }
    return 0;
}

int CloseBox() {
    const std::vector<HWND> boxes = MessageBoxes();
    if (boxes.empty())
        return 1;
    // The newest box is the one that has the input; nested boxes are closed innermost first.
    PostMessageA(boxes.back(), WM_COMMAND, IDOK, 0);
    return 0;
}

int PrintControlRect(int argc, char **argv) {
    HWND panel = FindPanel(FindFrame());
    if (panel == nullptr || argc != 3)
        return 1;
    RECT rect;
    if (!GetWindowRect(GetDlgItem(panel, std::atoi(argv[2])), &rect))
        return 1;
    PrintRect("control", rect);
    return 0;
}

int SetText(int argc, char **argv) {
    HWND panel = FindPanel(FindFrame());
    if (panel == nullptr || argc != 4)
        return 1;
    SendMessageA(GetDlgItem(panel, std::atoi(argv[2])), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]));
    return 0;
}

int Foreground() {
    HWND frame = FindFrame();
    if (frame == nullptr)
        return 1;
    SetForegroundWindow(frame);
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "patch")
        return ShowPatch(argc, argv);
    if (command == "fields")
        return PrintFields();
    if (command == "windowinfo")
        return PrintWindowInfo();
    if (command == "boxes")
        return PrintBoxes();
    if (command == "closebox")
        return CloseBox();
    if (command == "controlrect")
        return PrintControlRect(argc, argv);
    if (command == "settext")
        return SetText(argc, argv);
    if (command == "foreground")
        return Foreground();
    std::fprintf(stderr, "usage: tintwick_probe patch|fields|windowinfo|boxes|closebox|foreground\n");
    return 2;
}
