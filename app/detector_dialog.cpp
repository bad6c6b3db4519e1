#include "app/detector_dialog.h"

#include <shellapi.h>

#include <cstdio>
#include <sstream>

#include "app/keyboard_hook.h"
#include "colors/color_naming.h"
#include "colors/coverage_analysis.h"
#include "controls/color_sample.h"
#include "controls/window_utilities.h"
#include "core/exception.h"
#include "core/resource_text.h"
#include "framework/application.h"
#include "framework/dc.h"
#include "resources/resource_ids.h"

namespace {

// Modal work asked for by a key release runs from the detector's own message handling, after the
// keyboard hook has returned: a message box opened inside the hook gets the same release again.
constexpr UINT WM_TINTWICK_SHORTCUT = WM_APP + 1;

constexpr WORD VK_RIGHT_ALT = 0xA5;

const char greetingK[] =
    "Hello there, and thank you for using Tintwick!\n\n"
    "May every color you pick be exactly the one you were looking for.";
const char greetingP[] =
    "Greetings from the Tintwick workshop!\n\n"
    "Whatever you are painting, designing or fixing today, we hope it turns out beautifully.";

bool IsHeld(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

// Shows the coverage analysis in message boxes owned by the detector window.
class DetectorMessageBoxes : public MessagePresenter {
public:
    explicit DetectorMessageBoxes(TWindow &owner) : owner(owner) {}
    void Show(const char *text, const char *caption) override {
        owner.GetApplication()->MessageBox(owner.GetHandle(), text, caption, MB_OK);
    }

private:
    TWindow &owner;
};

}  // namespace

DEFINE_RESPONSE_TABLE(TTintwickDlg, TTintwickBrowserBaseDlg)
    EV_COMMAND(IDC_COLOR_BROWSER, CmColorBrowser),
    EV_COMMAND(IDC_OPTIONS, CmOptions),
    EV_COMMAND(IDC_HELP_BUTTON, CmHelp),
    EV_COMMAND(IDC_ABOUT, CmAbout),
    EV_MESSAGE(WM_TINTWICK_SHORTCUT, EvDeferredShortcut),
END_RESPONSE_TABLE;

TTintwickDlg::TTintwickDlg(TWindow *parent)
    : TTintwickBrowserBaseDlg(parent, IDD_DETECTOR),
      colorName(new TEdit(this, IDC_COLOR_NAME, 31)),
      positionGroup(new TGroupBox(this, IDC_POSITION_GROUP)),
      xLabel(new TStatic(this, IDC_X_LABEL)),
      xPosition(new TEdit(this, IDC_X_POSITION, 4)),
      yLabel(new TStatic(this, IDC_Y_LABEL)),
      yPosition(new TEdit(this, IDC_Y_POSITION, 4)) {}

TTintwickDlg::~TTintwickDlg() {
    if (HookTarget == this)
        HookTarget = nullptr;
}

void TTintwickDlg::SetupWindow() {
    TTintwickBrowserBaseDlg::SetupWindow();

    const TRect panel = GetWindowRect();
    CenterWindowOnScreenWithOffset(Parent()->GetHandle(), panel.right - panel.left, panel.bottom - panel.top, -10,
                                   -75);
    Tracking = true;
    HookTarget = this;
    LoadColorTable();
    KeyboardHookHandle = SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, GetApplication()->GetInstance(),
                                           GetCurrentThreadId());
}

void TTintwickDlg::LoadColorTable() {
    try {
        const std::unique_ptr<std::string> text = LoadTextResource(ProgramInstance, MAKEINTRESOURCEA(IDT_COLOR_TABLE));
        std::istringstream stream(*text);
        table.ReadFromStream(stream, 2, CreateColorDataEntry);
    } catch (const Orvak::Exception &exception) {
        MessageBoxExA(nullptr, exception.message.c_str(), "Caught By Reference", MB_ICONSTOP | MB_OK, 0);
    } catch (const Orvak::Exception *exception) {
        MessageBoxExA(nullptr, exception->message.c_str(), "Caught By Pointer", MB_ICONSTOP | MB_OK, 0);
    }
}

bool TTintwickDlg::IdleAction(long idleCount) {
    if (Tracking && !IsIconic())
        SamplePointer();
    TTintwickBrowserBaseDlg::IdleAction(idleCount);
    return true;  // never let the loop block: sampling goes on as fast as the loop runs
}

void TTintwickDlg::SamplePointer() {
    POINT pointer{0, 0};
    GetCursorPos(&pointer);
    if (pointer.x == lastPosition.x && pointer.y == lastPosition.y && !forceRefresh)
        return;

    lastPosition = TPoint(pointer.x, pointer.y);
    SetDlgItemInt(*this, IDC_X_POSITION, static_cast<UINT>(pointer.x), TRUE);
    SetDlgItemInt(*this, IDC_Y_POSITION, static_cast<UINT>(pointer.y), TRUE);

    ColorValue color;
    {
        const TDesktopDC screen;
        color = screen.GetPixel(pointer.x, pointer.y);
    }
    if (color != lastColor || forceRefresh) {
        lastColor = color;
        ShowColor(color);
    }
    forceRefresh = false;
}

void TTintwickDlg::ShowColor(ColorValue color) {
    colorSample->SetColor(TColor(color));
    SetDlgItemInt(*this, IDC_RED, Red(color), FALSE);
    SetDlgItemInt(*this, IDC_GREEN, Green(color), FALSE);
    SetDlgItemInt(*this, IDC_BLUE, Blue(color), FALSE);
    SetDlgItemText(IDC_HEX_CODE, FormatHexCode(color).c_str());
    SetDlgItemText(IDC_COLOR_NAME, ColorNameOrNotFound(table, color));
}

void TTintwickDlg::CloseWindow(int retVal) {
    UnhookWindowsHookEx(KeyboardHookHandle);
    KeyboardHookHandle = nullptr;
    Tracking = false;
    TTintwickBrowserBaseDlg::CloseWindow(retVal);
}

const ColorDataEntry *TTintwickDlg::FindColorName(ColorValue color) const {
    return ::FindColorName(table, color);
}

void TTintwickDlg::AnalyzeColorNamesDistribution() {
    DetectorMessageBoxes boxes(*this);
    ::AnalyzeColorNamesDistribution(table, boxes);
}

int TTintwickDlg::HandleKey(int code, WORD key, LONG keyFlags) {
    const bool ctrlShift = IsHeld(VK_CONTROL) && IsHeld(VK_SHIFT);
    const bool rightAlt = IsHeld(VK_RIGHT_ALT);
    const bool released = (static_cast<DWORD>(keyFlags) & 0x80000000u) != 0;
    if (code != 0 || !released) {
        CallNextHookEx(KeyboardHookHandle, code, key, keyFlags);
        return 0;  // presses always reach the window with the focus
    }

    struct Binding {
        WORD key;
        bool needsCtrlShift;
        bool needsRightAlt;
        Shortcut shortcut;
    };
    static const Binding bindings[] = {
        {VK_F5, false, false, Shortcut::ToggleTracking}, {VK_F6, false, false, Shortcut::CopyHexCode},
        {VK_F7, false, false, Shortcut::CopyRgbText},    {VK_F11, true, false, Shortcut::AnalyzeColors},
        {'K', true, true, Shortcut::GreetK},             {'P', true, true, Shortcut::GreetP},
    };
    for (const Binding &binding : bindings) {
        if (binding.key != key)
            continue;
        if ((!binding.needsCtrlShift || ctrlShift) && (!binding.needsRightAlt || rightAlt))
            RunShortcut(binding.shortcut);
        break;
    }
    return 1;  // every key release is withheld from the windows
}

void TTintwickDlg::RunShortcut(Shortcut shortcut) {
    switch (shortcut) {
    case Shortcut::ToggleTracking:
        Tracking = !Tracking;
        break;
    case Shortcut::CopyHexCode:
        CopyHexCode();
        break;
    case Shortcut::CopyRgbText:
        CopyRgbText();
        break;
    default:
        PostMessage(WM_TINTWICK_SHORTCUT, static_cast<WPARAM>(shortcut));
        break;
    }
}

LRESULT TTintwickDlg::EvDeferredShortcut(WPARAM shortcut, LPARAM) {
    switch (static_cast<Shortcut>(shortcut)) {
    case Shortcut::AnalyzeColors:
        AnalyzeColorNamesDistribution();
        break;
    case Shortcut::GreetK:
        ShowGreeting(greetingK);
        break;
    case Shortcut::GreetP:
        ShowGreeting(greetingP);
        break;
    default:
        break;
    }
    return 0;
}

void TTintwickDlg::CopyHexCode() {
    char buffer[7] = "";
    GetDlgItemTextA(*this, IDC_HEX_CODE, buffer, sizeof buffer);
    CopyTextToClipboard(*this, buffer, 6);
}

void TTintwickDlg::CopyRgbText() {
    const int blueValue = static_cast<int>(GetDlgItemInt(*this, IDC_BLUE, nullptr, TRUE));
    const int greenValue = static_cast<int>(GetDlgItemInt(*this, IDC_GREEN, nullptr, TRUE));
    const int redValue = static_cast<int>(GetDlgItemInt(*this, IDC_RED, nullptr, TRUE));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s", FormatRgbText(redValue, greenValue, blueValue).c_str());
    CopyTextToClipboard(*this, buffer, 32);
}

void TTintwickDlg::ShowGreeting(const char *text) {
    GetApplication()->MessageBox(*this, text, "Tintwick", MB_ICONINFORMATION | MB_OK);
}

// The color browser, options and About dialogs come later; their commands are kept in the table.
void TTintwickDlg::CmColorBrowser() {}
void TTintwickDlg::CmOptions() {}
void TTintwickDlg::CmAbout() {}

void TTintwickDlg::CmHelp() {
    ShellExecuteA(*this, "open", "Tintwick.txt", nullptr, nullptr, SW_SHOW);
}
