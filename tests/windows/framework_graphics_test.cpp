#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/exception.h"
#include "framework/dc.h"
#include "framework/gdi_objects.h"
#include "framework/graphics.h"
#include "framework/window.h"
#include "framework_test_ids.h"

namespace {

// The process's count of GDI objects. Wine does not keep it (always 0), so there the checks of the handles
// themselves (GetObjectType, the DC cache) carry the tests.
DWORD GdiObjectCount() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

TEST(Color, ValuesAndComponents) {
    TColor color(0x00ff901e);
    EXPECT_EQ(color.GetValue(), 0x00ff901eu);
    EXPECT_EQ(color.Red(), 0x1e);
    EXPECT_EQ(color.Green(), 0x90);
    EXPECT_EQ(color.Blue(), 0xff);
    EXPECT_EQ(TColor(30, 144, 255), color);
    EXPECT_FALSE(color.IsSysColor());
    EXPECT_FALSE(color.IsSpecialColor());
}

TEST(Color, SystemColorIsLookedUpWhenApplied) {
    TColor window = TColor::SysWindowText;
    EXPECT_TRUE(window.IsSysColor());
    COLORREF before = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(window.GetValue(), before);

    int element = COLOR_WINDOWTEXT;
    COLORREF changed = before ^ 0x00102030;
    ASSERT_TRUE(SetSysColors(1, &element, &changed));
    EXPECT_EQ(window.GetValue(), changed);
    SetSysColors(1, &element, &before);
}

TEST(Color, NoneAndTransparentAreDistinctSpecialValues) {
    EXPECT_TRUE(TColor::None.IsSpecialColor());
    EXPECT_TRUE(TColor::Transparent.IsSpecialColor());
    EXPECT_NE(TColor::None, TColor::Transparent);
    EXPECT_NE(TColor::None, TColor(0));
    EXPECT_NE(TColor::Transparent, TColor(0));
    // The invalid-color value of a failed pixel read is an ordinary value.
    EXPECT_FALSE(TColor(CLR_INVALID).IsSpecialColor());
}

TEST(Rect, ContainsExcludesRightAndBottomEdges) {
    TRect rect(10, 20, 30, 40);
    EXPECT_TRUE(rect.Contains(TPoint(10, 20)));
    EXPECT_TRUE(rect.Contains(TPoint(29, 39)));
    EXPECT_FALSE(rect.Contains(TPoint(30, 39)));
    EXPECT_FALSE(rect.Contains(TPoint(29, 40)));
    EXPECT_FALSE(rect.Contains(TPoint(9, 20)));
    EXPECT_EQ(rect.Width(), 20);
    EXPECT_EQ(rect.Height(), 20);
    EXPECT_EQ(TRect(rect).Offset(1, 2), TRect(11, 22, 31, 42));
    EXPECT_EQ(TRect(rect).Inflate(1, 2), TRect(9, 18, 31, 42));
}

// Every wrapper gives back what it took: the process's GDI object count is the same afterwards, and the
// objects it made no longer exist.
TEST(GdiObjects, BrushPenFontAndBitmapsAreDeletedWithTheirObjects) {
    DWORD before = GdiObjectCount();
    HGDIOBJ handles[5];
    {
        TBrush brush(TColor(0x00ff0000));
        TPen pen(TColor(0x000000ff), 2);
        LOGFONTA description{};
        description.lfHeight = 12;
        lstrcpyA(description.lfFaceName, "MS Sans Serif");
        TFont font(description);
        TBitmap bitmap(GetModuleHandleA(nullptr), IDB_FRAMEWORK_SMALL);
        TDiBitmap dib(nullptr, IDB_FRAMEWORK_SMALL);
        handles[0] = brush.GetHandle();
        handles[1] = pen.GetHandle();
        handles[2] = font.GetHandle();
        handles[3] = bitmap.GetHandle();
        handles[4] = dib.GetHandle();
        for (HGDIOBJ handle : handles) {
            EXPECT_NE(GetObjectType(handle), 0u);
        }
    }
    for (HGDIOBJ handle : handles) {
        EXPECT_EQ(GetObjectType(handle), 0u);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(GdiObjects, MovingHandsTheObjectOver) {
    TBrush first(TColor(0x00123456));
    HGDIOBJ handle = first.GetHandle();
    TBrush second(std::move(first));
    EXPECT_EQ(first.GetHandle(), nullptr);
    EXPECT_EQ(second.GetHandle(), handle);
    EXPECT_NE(GetObjectType(handle), 0u);
}

TEST(DeviceContexts, EveryKindReleasesItsHandle) {
    TWindow window(nullptr, "dc");
    window.Attr.Style = WS_POPUP | WS_VISIBLE;
    window.Attr.W = window.Attr.H = 40;
    ASSERT_TRUE(window.Create());
    DWORD before = GdiObjectCount();
    HDC memory;
    {
        TMemoryDC dc;
        memory = dc.GetHDC();
        EXPECT_EQ(GetObjectType(memory), DWORD(OBJ_MEMDC));
    }
    EXPECT_EQ(GetObjectType(memory), 0u);

    // A released window or screen DC goes back to the cache: asking again gives the same one, many times over.
    HDC firstClient = nullptr;
    HDC firstWhole = nullptr;
    HDC firstScreen = nullptr;
    for (int i = 0; i < 200; ++i) {
        TClientDC client(window.GetHandle());
        TWindowDC whole(window.GetHandle());
        TDesktopDC screen;
        ASSERT_TRUE(client.IsValid());
        ASSERT_TRUE(whole.IsValid());
        ASSERT_TRUE(screen.IsValid());
        if (i == 0) {
            firstClient = client.GetHDC();
            firstWhole = whole.GetHDC();
            firstScreen = screen.GetHDC();
        }
        ASSERT_EQ(client.GetHDC(), firstClient);
        ASSERT_EQ(whole.GetHDC(), firstWhole);
        ASSERT_EQ(screen.GetHDC(), firstScreen);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(DeviceContexts, SelectionGuardPutsThePreviousObjectBack) {
    TMemoryDC dc;
    HGDIOBJ original = GetCurrentObject(dc, OBJ_BRUSH);
    TBrush brush(TColor(0x00ff0000));
    {
        TSelection selection(dc, brush.GetHandle());
        EXPECT_EQ(selection.Previous(), original);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush.GetHandle());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), original);
}

TEST(DeviceContexts, DrawingIntoAMemoryBitmapReadsBack) {
    TMemoryDC dc;
    TBitmap bitmap(TDesktopDC().GetHDC(), 8, 8);
    TSelection selection(dc, bitmap.GetHandle());
    EXPECT_TRUE(dc.FillSolidRect(TRect(0, 0, 8, 8), TColor(0x00204080)));
    EXPECT_EQ(dc.GetPixel(3, 3), 0x00204080u);
    EXPECT_EQ(bitmap.Size(), TSize(8, 8));
}

TEST(DiBitmap, LoadsFromAResourceAndFromAFile) {
    TDiBitmap fromResource(nullptr, IDB_FRAMEWORK_SMALL);
    EXPECT_EQ(fromResource.Size(), TSize(4, 3));

    // The same bitmap written out as a file.
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDB_FRAMEWORK_SMALL), MAKEINTRESOURCEA(2)); // RT_BITMAP
    ASSERT_NE(found, nullptr);
    DWORD size = SizeofResource(nullptr, found);
    const char *bits = static_cast<const char *>(LockResource(LoadResource(nullptr, found)));
    BITMAPFILEHEADER header{};
    header.bfType = 0x4d42;
    header.bfSize = DWORD(sizeof header + size);
    header.bfOffBits = DWORD(sizeof header + sizeof(BITMAPINFOHEADER));
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    std::string fileName = std::string(path) + "framework_small.bmp";
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, &header, sizeof header, &written, nullptr);
    WriteFile(file, bits, size, &written, nullptr);
    CloseHandle(file);

    TDiBitmap fromFile(fileName.c_str());
    EXPECT_EQ(fromFile.Size(), TSize(4, 3));
    TMemoryDC dc;
    TSelection selection(dc, fromFile.GetHandle());
    EXPECT_EQ(dc.GetPixel(0, 0), 0x000000ffu); // the top-left pixel is red
    EXPECT_EQ(dc.GetPixel(1, 0), 0x00c86432u);
    DeleteFileA(fileName.c_str());
}

TEST(DiBitmap, ThrowsWhenTheBitmapCannotBeRead) {
    try {
        TDiBitmap missing("no such file.bmp");
        FAIL() << "no exception";
    } catch (const Orvak::Exception &error) {
        EXPECT_EQ(error.message, "Cannot read the bitmap file \"no such file.bmp\".");
    }
    try {
        TDiBitmap missing(nullptr, IDB_FRAMEWORK_SMALL + 1);
        FAIL() << "no exception";
    } catch (const Orvak::Exception &error) {
        EXPECT_EQ(error.message, "Cannot load the bitmap resource 31201.");
    }
}

TEST(Cursor, LoadsAResourceAndDestroysIt) {
    HCURSOR handle;
    {
        TCursor cursor(nullptr, IDC_FRAMEWORK_CURSOR);
        ASSERT_TRUE(cursor.IsValid());
        handle = cursor;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(handle, &info));
        EXPECT_EQ(info.xHotspot, 3u);
        EXPECT_EQ(info.yHotspot, 5u);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) {
            DeleteObject(info.hbmColor);
        }
    }
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(handle, &info));
    EXPECT_FALSE(TCursor(nullptr, IDC_FRAMEWORK_CURSOR + 1).IsValid());
}

} // namespace
