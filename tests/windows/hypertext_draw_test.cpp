// Drawing hypertext with real GDI into memory bitmaps.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/dc.h"
#include "hypertext/gdi_draw_device.h"
#include "hypertext/images.h"
#include "hypertext/style_levels.h"
#include "hypertext/win_hyper_text.h"
#include "hypertext_test_ids.h"

namespace {

constexpr std::uint32_t white = 0x00FFFFFF;

// A 32-bit top-down bitmap selected into a memory device context, filled white.
class Canvas {
public:
    Canvas(int width, int height) : width(width), height(height), dc() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void *pixels = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        bits = static_cast<std::uint32_t *>(pixels);
        previous = ::SelectObject(dc, bitmap);
        for (int i = 0; i < width * height; ++i)
            bits[i] = white;
    }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;
    ~Canvas() {
        ::SelectObject(dc, previous);
        DeleteObject(bitmap);
    }

    // 0x00RRGGBB as the bitmap stores it.
    std::uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return bits[y * width + x] & 0x00FFFFFF;
    }
    bool Inked(int x, int y) const { return Pixel(x, y) != white; }

    const int width;
    const int height;
    TMemoryDC dc;

private:
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    std::uint32_t *bits = nullptr;
};

// The GDI device, noting where each string's character cells and each image went.
class RecordingGdiDevice : public GdiDrawDevice {
public:
    explicit RecordingGdiDevice(TDC &dc) : GdiDrawDevice(dc), dc(dc) {}

    struct Drawn {
        std::string text;
        RECT cells;
    };

    void DrawString(std::int32_t x, std::int32_t y, const char *text, std::size_t length) override {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc.GetHDC(), &metrics);
        const TextExtent extent = MeasureString(text, length);
        strings.push_back(Drawn{std::string(text, length),
                                RECT{x, y - metrics.tmAscent, x + extent.width, y - metrics.tmAscent + extent.height}});
        GdiDrawDevice::DrawString(x, y, text, length);
    }

    void CopyBitmap(const DeviceBitmap &bitmap, const DeviceRect &target, const DeviceRect &source) override {
        images.push_back(target);
        GdiDrawDevice::CopyBitmap(bitmap, target, source);
    }

    std::vector<Drawn> strings;
    std::vector<DeviceRect> images;

private:
    TDC &dc;
};

bool InsideAny(const std::vector<RecordingGdiDevice::Drawn> &strings, int x, int y, int margin) {
    for (const auto &drawn : strings) {
        if (x >= drawn.cells.left - margin && x < drawn.cells.right + margin && y >= drawn.cells.top - margin &&
            y < drawn.cells.bottom + margin)
            return true;
    }
    return false;
}

int InkInside(const Canvas &canvas, const RECT &area) {
    int count = 0;
    for (int y = std::max(0L, area.top); y < std::min<long>(canvas.height, area.bottom); ++y) {
        for (int x = std::max(0L, area.left); x < std::min<long>(canvas.width, area.right); ++x)
            count += canvas.Inked(x, y) ? 1 : 0;
    }
    return count;
}

// The size of `text` in the base font of this device context.
SIZE MeasureInBaseFont(TDC &dc, const char *text) {
    const LOGFONTA description =
        GdiDrawDevice::ToLogFont(MakeWorkingFontDescription(BaseFontHeight(dc.GetDeviceCaps(LOGPIXELSY))));
    HFONT font = CreateFontIndirectA(&description);
    HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPointA(dc, text, static_cast<int>(std::strlen(text)), &size);
    ::SelectObject(dc, previous);
    DeleteObject(font);
    return size;
}

int BaseLineHeight(TDC &dc) {
    return MeasureInBaseFont(dc, "H").cy;
}

DWORD GdiObjectCount() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

// Counts the fonts, memory device contexts and bitmaps that this program makes and deletes, by patching
// the program's import table for the platform calls that make and delete them (a count of the process's
// GDI objects is not available under Wine). One counter at a time.
class GdiCallCounter {
public:
    GdiCallCounter() {
        current = this;
        Patch("gdi32.dll", "CreateFontIndirectA", reinterpret_cast<void *>(CountingCreateFontIndirectA),
              realCreateFont);
        Patch("gdi32.dll", "CreateCompatibleDC", reinterpret_cast<void *>(CountingCreateCompatibleDC), realCreateDC);
        Patch("gdi32.dll", "DeleteDC", reinterpret_cast<void *>(CountingDeleteDC), realDeleteDC);
        Patch("gdi32.dll", "DeleteObject", reinterpret_cast<void *>(CountingDeleteObject), realDeleteObject);
        Patch("user32.dll", "LoadImageA", reinterpret_cast<void *>(CountingLoadImageA), realLoadImage);
    }
    GdiCallCounter(const GdiCallCounter &) = delete;
    GdiCallCounter &operator=(const GdiCallCounter &) = delete;
    ~GdiCallCounter() {
        for (const Patched &patched : patches)
            WriteSlot(patched.slot, patched.original);
        current = nullptr;
    }

    bool AllPatched() const { return patches.size() == 5; }

    int fontsMade = 0;
    int fontsDeleted = 0;
    int contextsMade = 0;
    int contextsDeleted = 0;
    int bitmapsMade = 0;
    int bitmapsDeleted = 0;

private:
    struct Patched {
        void **slot;
        void *original;
    };

    // The import slot of `function` from `dll` in the program's import table.
    static void **FindImport(const char *dll, const char *function) {
        auto *base = reinterpret_cast<BYTE *>(GetModuleHandleA(nullptr));
        const auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
        const auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY &imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto *entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress); entry->Name != 0;
             ++entry) {
            if (_stricmp(reinterpret_cast<char *>(base + entry->Name), dll) != 0 || entry->OriginalFirstThunk == 0)
                continue;
            auto *names = reinterpret_cast<IMAGE_THUNK_DATA *>(base + entry->OriginalFirstThunk);
            auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + entry->FirstThunk);
            for (; names->u1.AddressOfData != 0; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                    continue;
                const auto *byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char *>(byName->Name), function) == 0)
                    return reinterpret_cast<void **>(&slots->u1.Function);
            }
        }
        return nullptr;
    }

    static void WriteSlot(void **slot, void *value) {
        DWORD protection = 0;
        VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
        *slot = value;
        VirtualProtect(slot, sizeof *slot, protection, &protection);
    }

    template <class Function> void Patch(const char *dll, const char *name, void *replacement, Function &real) {
        void **slot = FindImport(dll, name);
        if (slot == nullptr)
            return;
        real = reinterpret_cast<Function>(*slot);
        patches.push_back(Patched{slot, *slot});
        WriteSlot(slot, replacement);
    }

    static HFONT WINAPI CountingCreateFontIndirectA(const LOGFONTA *font) {
        HFONT made = realCreateFont(font);
        current->fontsMade += made != nullptr ? 1 : 0;
        return made;
    }
    static HDC WINAPI CountingCreateCompatibleDC(HDC dc) {
        HDC made = realCreateDC(dc);
        current->contextsMade += made != nullptr ? 1 : 0;
        return made;
    }
    static BOOL WINAPI CountingDeleteDC(HDC dc) {
        const BOOL deleted = realDeleteDC(dc);
        current->contextsDeleted += deleted ? 1 : 0;
        return deleted;
    }
    static BOOL WINAPI CountingDeleteObject(HGDIOBJ object) {
        const DWORD type = GetObjectType(object);
        const BOOL deleted = realDeleteObject(object);
        if (deleted && GetObjectType(object) == 0) {
            current->fontsDeleted += type == OBJ_FONT ? 1 : 0;
            current->bitmapsDeleted += type == OBJ_BITMAP ? 1 : 0;
        }
        return deleted;
    }
    static HANDLE WINAPI CountingLoadImageA(HINSTANCE module, LPCSTR name, UINT type, int width, int height,
                                            UINT flags) {
        HANDLE made = realLoadImage(module, name, type, width, height, flags);
        current->bitmapsMade += made != nullptr && type == IMAGE_BITMAP ? 1 : 0;
        return made;
    }

    static GdiCallCounter *current;
    static HFONT(WINAPI *realCreateFont)(const LOGFONTA *);
    static HDC(WINAPI *realCreateDC)(HDC);
    static BOOL(WINAPI *realDeleteDC)(HDC);
    static BOOL(WINAPI *realDeleteObject)(HGDIOBJ);
    static HANDLE(WINAPI *realLoadImage)(HINSTANCE, LPCSTR, UINT, int, int, UINT);
    std::vector<Patched> patches;
};

GdiCallCounter *GdiCallCounter::current = nullptr;
HFONT(WINAPI *GdiCallCounter::realCreateFont)(const LOGFONTA *) = nullptr;
HDC(WINAPI *GdiCallCounter::realCreateDC)(HDC) = nullptr;
BOOL(WINAPI *GdiCallCounter::realDeleteDC)(HDC) = nullptr;
BOOL(WINAPI *GdiCallCounter::realDeleteObject)(HGDIOBJ) = nullptr;
HANDLE(WINAPI *GdiCallCounter::realLoadImage)(HINSTANCE, LPCSTR, UINT, int, int, UINT) = nullptr;

// A 24-bit 40 x 30 bitmap: red in the left 20 columns, blue in the right 20.
std::string StripesBitmap() {
    auto le = [](std::uint32_t value, int count) {
        std::string bytes;
        for (int i = 0; i < count; ++i)
            bytes += char((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    std::string row;
    for (int x = 0; x < 40; ++x)
        row += x < 20 ? std::string("\x00\x00\xff", 3) : std::string("\xff\x00\x00", 3);
    std::string pixels;
    for (int y = 0; y < 30; ++y)
        pixels += row;
    return "BM" + le(54 + pixels.size(), 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(40, 4) + le(30, 4) + le(1, 2) +
           le(24, 2) + le(0, 4) + le(pixels.size(), 4) + le(2835, 4) + le(2835, 4) + le(0, 4) + le(0, 4) + pixels;
}

std::string TempFile(const std::string &name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

class HyperTextGdiImages : public ::testing::Test {
protected:
    void SetUp() override {
        std::FILE *file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string bytes = StripesBitmap();
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    void TearDown() override { std::remove(path.c_str()); }

    const std::string path = TempFile("tintwick_stripes.bmp");
};

TEST(HyperTextGdiDrawing, InkOnlyWhereTheWordsAre) {
    Canvas canvas(300, 120);
    WinHyperText document("Hello <B>bold</B> <I>slanted</I> <U>under</U> <SUP>up</SUP> <SUB>down</SUB><BR>"
                          "<FONT SIZE=+4 COLOR=#C00000>second</FONT> line &amp; <A HREF=x>link</A>");
    document.width = 300;
    RecordingGdiDevice device(canvas.dc);
    document.Draw(device, 0, 0);

    ASSERT_GE(device.strings.size(), 10u);
    EXPECT_EQ(device.strings[0].text, "Hello ");
    EXPECT_EQ(device.strings[0].cells.left, 5);
    for (const auto &drawn : device.strings) {
        SCOPED_TRACE(drawn.text);
        if (drawn.text.find_first_not_of(' ') != std::string::npos) {
            EXPECT_GT(InkInside(canvas, drawn.cells), 0);
        }
    }
    int outside = 0;
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x)
            outside += canvas.Inked(x, y) && !InsideAny(device.strings, x, y, 1) ? 1 : 0;
    }
    EXPECT_EQ(outside, 0);
    ASSERT_EQ(document.links.size(), 1u);
}

TEST(HyperTextGdiDrawing, WordsWrapAtTheWidthLessFiveAsMeasured) {
    Canvas canvas(300, 120);
    const int wordWidth = MeasureInBaseFont(canvas.dc, "word ").cx;
    const int lineHeight = BaseLineHeight(canvas.dc);
    struct WrapCase {
        int width;
        int wordsPerLine;
    };
    // Two words fit exactly when their right edge plus 5 equals the width; one pixel less fits one.
    for (const WrapCase &c : {WrapCase{5 + 2 * wordWidth + 5, 2}, WrapCase{5 + 2 * wordWidth + 4, 1}}) {
        SCOPED_TRACE(c.width);
        WinHyperText document("word word word word ");
        document.width = c.width;
        RecordingGdiDevice device(canvas.dc);
        document.Draw(device, 0, 0);
        ASSERT_EQ(device.strings.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const int column = i % c.wordsPerLine;
            const int line = i / c.wordsPerLine;
            EXPECT_EQ(device.strings[static_cast<std::size_t>(i)].cells.left, 5 + column * wordWidth);
            EXPECT_EQ(device.strings[static_cast<std::size_t>(i)].cells.top - device.strings[0].cells.top,
                      line * lineHeight);
        }
    }
}

TEST(HyperTextGdiDrawing, EveryFontAndMemoryContextIsReleased) {
    Canvas canvas(300, 120);
    const std::string bitmap = TempFile("tintwick_release.bmp");
    {
        std::FILE *file = std::fopen(bitmap.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string bytes = StripesBitmap();
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    WinHyperText document("<B>a <I>b</I></B> <SUP>c</SUP><SUB>d</SUB> <FONT SIZE=20 FACE=Arial>e</FONT> <IMG SRC=" +
                          bitmap + "> <IMG SRC=C:/tintwick-missing.bmp> <A HREF=x>f</A> <U><S>left open");
    document.width = 300;
    const HGDIOBJ fontBefore = GetCurrentObject(canvas.dc, OBJ_FONT);
    const DWORD objectsBefore = GdiObjectCount(); // 0 under Wine, where the count is not kept
    {
        GdiCallCounter counter;
        ASSERT_TRUE(counter.AllPatched());
        constexpr int draws = 40;
        for (int i = 0; i < draws; ++i)
            document.Draw(canvas.dc, TPoint(0, 0));
        // The base font and one per opening tag, a memory context and a bitmap per image drawn.
        EXPECT_EQ(counter.fontsMade, draws * 9);
        EXPECT_EQ(counter.fontsDeleted, counter.fontsMade);
        EXPECT_EQ(counter.contextsMade, draws);
        EXPECT_EQ(counter.contextsDeleted, counter.contextsMade);
        EXPECT_EQ(counter.bitmapsMade, draws);
        EXPECT_EQ(counter.bitmapsDeleted, counter.bitmapsMade);
    }
    EXPECT_EQ(GdiObjectCount(), objectsBefore);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_FONT), fontBefore);
    EXPECT_TRUE(document.fontStack.empty());
    std::remove(bitmap.c_str());
}

TEST_F(HyperTextGdiImages, ABitmapFileLandsOnTheBaseline) {
    Canvas canvas(200, 100);
    WinHyperText document("<BR><BR><IMG SRC=" + path + ">x");
    document.width = 200;
    RecordingGdiDevice device(canvas.dc);
    document.Draw(device, 0, 0);

    const int lineHeight = BaseLineHeight(canvas.dc);
    const int baseline = 3 * lineHeight;
    ASSERT_EQ(device.images.size(), 1u);
    const DeviceRect target = device.images[0];
    EXPECT_EQ(target.x, 5);
    EXPECT_EQ(target.y, baseline - 30 + 2);
    EXPECT_EQ(target.width, 40);
    EXPECT_EQ(target.height, 30);
    ASSERT_EQ(device.strings.size(), 1u);
    EXPECT_EQ(device.strings[0].cells.left, 45);

    const int top = target.y;
    EXPECT_EQ(canvas.Pixel(5, top), 0xFF0000u);           // red, top-left corner
    EXPECT_EQ(canvas.Pixel(24, baseline + 1), 0xFF0000u); // last row on baseline + 1
    EXPECT_EQ(canvas.Pixel(25, top + 10), 0x0000FFu);     // blue from column 20 of the bitmap
    EXPECT_EQ(canvas.Pixel(44, top + 10), 0x0000FFu);
    EXPECT_EQ(canvas.Pixel(4, top + 10), white);
    EXPECT_EQ(canvas.Pixel(10, top - 1), white);
    EXPECT_EQ(canvas.Pixel(10, baseline + 2), white);
}

TEST_F(HyperTextGdiImages, APartIsStretchedToTheDrawnSize) {
    Canvas canvas(200, 100);
    WinHyperText document("<BR><BR><IMG SRC=" + path + " SUBX=20 SUBWIDTH=20 WIDTH=60 HEIGHT=10>");
    document.width = 200;
    document.Draw(canvas.dc, TPoint(0, 0));
    const int baseline = 3 * BaseLineHeight(canvas.dc);
    for (int x = 5; x < 65; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(canvas.Pixel(x, baseline - 8), 0x0000FFu);
        EXPECT_EQ(canvas.Pixel(x, baseline + 1), 0x0000FFu);
    }
    EXPECT_EQ(canvas.Pixel(65, baseline - 8), white);
    EXPECT_EQ(canvas.Pixel(10, baseline - 9), white);
}

TEST(HyperTextGdiImagesFromResources, ARegisteredNameLoadsTheProgramsBitmap) {
    static const char name[] = "stripes";
    RegisterImage(name, IDB_HYPERTEXT_STRIPES);
    Canvas canvas(200, 100);
    WinHyperText document("<BR><BR><IMG SRC=#stripes>");
    document.width = 200;
    RecordingGdiDevice device(canvas.dc);
    document.Draw(device, 0, 0);
    imageRegistry.erase(name);

    ASSERT_EQ(device.images.size(), 1u);
    const DeviceRect target = device.images[0];
    EXPECT_EQ(target.width, 40);
    EXPECT_EQ(target.height, 30);
    EXPECT_EQ(canvas.Pixel(target.x + 1, target.y + 1), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(target.x + 39, target.y + 29), 0x0000FFu);
    EXPECT_TRUE(device.strings.empty());
}

TEST(HyperTextGdiImagesFromResources, MissingImagesShowTheErrorText) {
    for (const char *src : {"C:/tintwick-missing/none.bmp", "#unregistered", ""}) {
        SCOPED_TRACE(src);
        Canvas canvas(200, 60);
        WinHyperText document(std::string("<IMG SRC=") + src + ">");
        document.width = 200;
        RecordingGdiDevice device(canvas.dc);
        document.Draw(device, 0, 0);
        EXPECT_TRUE(device.images.empty());
        ASSERT_EQ(device.strings.size(), 1u);
        EXPECT_EQ(device.strings[0].text, "<< IMAGE ERROR! >>");
        EXPECT_EQ(device.strings[0].cells.left, 5);
        EXPECT_GT(InkInside(canvas, device.strings[0].cells), 0);
    }
}

} // namespace
