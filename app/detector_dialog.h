#pragma once

#include "app/browser_base_dialog.h"
#include "colors/color_value.h"
#include "framework/graphics.h"

// The detector panel: follows the pointer in idle time and shows the color under it, its numbers,
// hex code and name, and handles the keyboard shortcuts.
class TTintwickDlg : public TTintwickBrowserBaseDlg {
public:
    explicit TTintwickDlg(TWindow *parent);
    ~TTintwickDlg() override;

    void SetupWindow() override;
    bool IdleAction(long idleCount) override;
    void CloseWindow(int retVal = IDOK) override;

    // One sampling step: reads the pointer and, when it moved, the pixel under it.
    void SamplePointer();

    // Called by the keyboard hook for every keyboard event of the thread.
    int HandleKey(int code, WORD key, LONG keyFlags);

    const ColorDataEntry *FindColorName(ColorValue color) const;
    void AnalyzeColorNamesDistribution();

    bool Tracking = false;

private:
    enum class Shortcut { ToggleTracking, CopyHexCode, CopyRgbText, AnalyzeColors, GreetK, GreetP };

    void LoadColorTable();
    void ShowColor(ColorValue color);
    void RunShortcut(Shortcut shortcut);
    LRESULT EvDeferredShortcut(WPARAM shortcut, LPARAM);
    void CopyHexCode();
    void CopyRgbText();
    void ShowGreeting(const char *text);

    void CmColorBrowser();
    void CmOptions();
    void CmHelp();
    void CmAbout();

    TEdit *colorName;
    TGroupBox *positionGroup;
    TStatic *xLabel;
    TEdit *xPosition;
    TStatic *yLabel;
    TEdit *yPosition;

    // What the last sample showed; only the very first sample is forced.
    TPoint lastPosition{0, 0};
    ColorValue lastColor = 0;
    bool forceRefresh = true;

    DECLARE_RESPONSE_TABLE(TTintwickDlg);
};
