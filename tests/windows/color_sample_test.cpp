#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/color_sample.h"
#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/frame_window.h"
#include "framework_test_ids.h"
#include "framework_test_support.h"

namespace {

// A frame at a fixed place with the test panel, whose static control IDC_FRAMEWORK_SAMPLE is a swatch.
class SwatchFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = new TDialog(nullptr, IDD_FRAMEWORK_PANEL);
        sample = new TColorSample(dialog, IDC_FRAMEWORK_SAMPLE);
        frame = std::make_unique<TFrameWindow>(nullptr, "Swatch", dialog, true);
        frame->Attr.X = 200;
        frame->Attr.Y = 150;
        frame->Attr.ExStyle |= WS_EX_TOPMOST;
        ASSERT_TRUE(frame->Create());
        frame->ShowWindow(SW_SHOWNORMAL);
        frame->UpdateWindow();
        WaitUntilShown();
    }

    // The X server maps a new window a moment after it is shown: wait until the swatch is on the screen.
    void WaitUntilShown() {
        const COLORREF probe = 0x00ff00ff;
        sample->SetColor(TColor(probe));
        TRect area = SampleOnScreen();
        for (int attempt = 0; attempt < 300; ++attempt) {
            PumpWaitingMessages();
            if (TDesktopDC().GetPixel(area.left, area.top) == probe) {
                return;
            }
            Sleep(10);
        }
        FAIL() << "the swatch did not appear on the screen";
    }

    // The swatch's client area in screen coordinates.
    TRect SampleOnScreen() const {
        TRect area = sample->GetClientRect();
        MapWindowPoints(sample->GetHandle(), nullptr, reinterpret_cast<POINT *>(&area), 2);
        return area;
    }

    // Pixels of the area of `dc` that differ from `expected` (the first few), described for the failure message.
    static std::vector<std::string> PixelsOtherThan(const TDC &dc, const TRect &area, COLORREF expected) {
        std::vector<std::string> wrong;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                COLORREF pixel = dc.GetPixel(x, y);
                if (pixel != expected && wrong.size() < 5) {
                    char text[64];
                    snprintf(text, sizeof text, "(%d, %d) = %06lx", x, y, static_cast<unsigned long>(pixel));
                    wrong.push_back(text);
                }
            }
        }
        return wrong;
    }

    // What the swatch's window shows in its client area.
    std::vector<std::string> SamplePixelsOtherThan(COLORREF expected) const {
        TClientDC dc(sample->GetHandle());
        return PixelsOtherThan(dc, sample->GetClientRect(), expected);
    }

    // What the screen shows there. Wine copies a window's pixels to the X server when the program goes idle,
    // so this waits (pumping messages) up to a second for the screen to agree.
    std::vector<std::string> ScreenPixelsOtherThan(COLORREF expected) const {
        TRect area = SampleOnScreen();
        std::vector<std::string> wrong;
        for (int attempt = 0; attempt < 100; ++attempt) {
            PumpWaitingMessages();
            wrong = PixelsOtherThan(TDesktopDC(), area, expected);
            if (wrong.empty()) {
                break;
            }
            Sleep(10);
        }
        return wrong;
    }

    TDialog *dialog = nullptr;
    TColorSample *sample = nullptr;
    std::unique_ptr<TFrameWindow> frame;
};

TEST_F(SwatchFixture, SetColorShowsOneSolidRectangleBeforeItReturns) {
    ASSERT_NE(sample->GetHandle(), nullptr);
    ASSERT_FALSE(sample->GetClientRect().IsEmpty());

    const COLORREF colors[] = {0x003c14dc, 0x00ff901e, 0x00000000, 0x00ffffff, 0x00ffffff};
    for (COLORREF color : colors) {
        SCOPED_TRACE(color);
        sample->SetColor(TColor(color)); // no message is pumped before the pixels are read
        EXPECT_EQ(SamplePixelsOtherThan(color), std::vector<std::string>{});
    }
    EXPECT_EQ(ScreenPixelsOtherThan(0x00ffffff), std::vector<std::string>{});
}

TEST_F(SwatchFixture, ValueFormBehavesLikeTheReferenceForm) {
    sample->SetColor(COLORREF(0x0000ff00));
    EXPECT_EQ(SamplePixelsOtherThan(0x0000ff00), std::vector<std::string>{});
    EXPECT_EQ(sample->GetBkgndColor(), TColor(0x0000ff00));
}

TEST_F(SwatchFixture, SunkenEdgeStaysAroundTheColor) {
    sample->SetColor(TColor(0x003c14dc));
    EXPECT_EQ(ScreenPixelsOtherThan(0x003c14dc), std::vector<std::string>{});
    TRect outer = sample->GetWindowRect();
    TRect area = SampleOnScreen();
    ASSERT_GT(area.left, outer.left); // the edge lies outside the client area
    ASSERT_GT(area.top, outer.top);
    TDesktopDC screen;
    EXPECT_NE(screen.GetPixel(outer.left, outer.top), COLORREF(0x003c14dc));
    EXPECT_NE(screen.GetPixel(outer.right - 1, outer.bottom - 1), COLORREF(0x003c14dc));
}

TEST_F(SwatchFixture, CoveringAndUncoveringRepaintsTheColor) {
    sample->SetColor(TColor(0x003c14dc));
    TRect area = SampleOnScreen();

    // A white topmost popup over the swatch.
    TWindow cover(nullptr, "cover");
    cover.Attr.Style = WS_POPUP | WS_VISIBLE;
    cover.Attr.ExStyle = WS_EX_TOPMOST;
    cover.Attr.X = area.left - 5;
    cover.Attr.Y = area.top - 5;
    cover.Attr.W = area.Width() + 10;
    cover.Attr.H = area.Height() + 10;
    cover.SetBkgndColor(TColor(0x00ffffff));
    ASSERT_TRUE(cover.Create());
    EXPECT_EQ(ScreenPixelsOtherThan(0x00ffffff), std::vector<std::string>{});

    cover.Destroy();
    EXPECT_EQ(ScreenPixelsOtherThan(0x003c14dc), std::vector<std::string>{});
    EXPECT_EQ(SamplePixelsOtherThan(0x003c14dc), std::vector<std::string>{});
}

} // namespace
