#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/exception.h"
#include "core/resource_text.h"
#include "hypertext/document.h"
#include "resources/builtin_color_table.h"
#include "resources/resource_ids.h"

// The program's resource script is linked into tintwick_resource_probe.dll, a resource-only module built
// beside this test binary; the tests load it as a data file and read every resource back.

namespace {

// The probe module, loaded as data (no code runs) and freed again.
class ResourceModule {
public:
    ResourceModule() {
        char path[MAX_PATH] = {};
        DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        file.assign(path, length);
        file.erase(file.find_last_of("\\/") + 1);
        file += "tintwick_resource_probe.dll";
        handle = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~ResourceModule() {
        if (handle != nullptr) {
            FreeLibrary(handle);
        }
    }
    ResourceModule(const ResourceModule &) = delete;
    ResourceModule &operator=(const ResourceModule &) = delete;

    std::string file;
    HMODULE handle = nullptr;
};

// The bytes of a resource; empty when the module does not hold it. Valid while the module is loaded.
std::string_view ResourceData(HMODULE module, LPCSTR type, LPCSTR name) {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) {
        return {};
    }
    const void *data = LockResource(LoadResource(module, found));
    if (data == nullptr) {
        return {};
    }
    return std::string_view(static_cast<const char *>(data), SizeofResource(module, found));
}

// Reads little-endian values from resource bytes; a read past the end yields zero and sets `overrun`.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, size_t position = 0) : bytes(bytes), position(position) {}

    template <typename T> T Read() {
        T value{};
        if (position + sizeof(T) > bytes.size()) {
            overrun = true;
            position = bytes.size();
            return value;
        }
        std::memcpy(&value, bytes.data() + position, sizeof(T));
        position += sizeof(T);
        return value;
    }

    // A UTF-16 text up to its zero, as ASCII; non-ASCII characters become '?'.
    std::string ReadText() {
        std::string text;
        for (WORD character = Read<WORD>(); character != 0 && !overrun; character = Read<WORD>()) {
            text += character < 0x80 ? static_cast<char>(character) : '?';
        }
        return text;
    }

    // A dialog template's name-or-ordinal field: empty, a text, or "#n" for the ordinal n.
    std::string ReadNameOrOrdinal() {
        size_t start = position;
        if (Read<WORD>() == 0xFFFF) {
            return "#" + std::to_string(Read<WORD>());
        }
        position = start;
        return ReadText();
    }

    void AlignToDword() { position = (position + 3) & ~size_t(3); }

    std::string_view bytes;
    size_t position;
    bool overrun = false;
};

struct DialogItem {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    WORD id;
    std::string className; // upper case; the predefined classes by name
    std::string text;      // or "#n" for a resource ordinal
};

struct DialogLayout {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu, className, caption;
    WORD pointSize = 0;
    std::string font;
    std::vector<DialogItem> items;
    bool overrun = false;
};

std::string ClassName(std::string name) {
    static const char *const predefined[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    if (name.size() > 1 && name[0] == '#') {
        int atom = std::stoi(name.substr(1));
        if (atom >= 0x80 && atom <= 0x85) {
            return predefined[atom - 0x80];
        }
    }
    for (char &c : name) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    return name;
}

// Parses a classic dialog template (DLGTEMPLATE and its items). An extended template is only recognised.
DialogLayout ParseDialog(std::string_view bytes) {
    DialogLayout layout;
    ByteReader reader(bytes);
    if (bytes.size() >= 4 && ByteReader(bytes, 2).Read<WORD>() == 0xFFFF) {
        layout.extended = true;
        return layout;
    }
    layout.style = reader.Read<DWORD>();
    layout.exStyle = reader.Read<DWORD>();
    WORD count = reader.Read<WORD>();
    layout.x = reader.Read<short>();
    layout.y = reader.Read<short>();
    layout.cx = reader.Read<short>();
    layout.cy = reader.Read<short>();
    layout.menu = reader.ReadNameOrOrdinal();
    layout.className = reader.ReadNameOrOrdinal();
    layout.caption = reader.ReadText();
    if (layout.style & DS_SETFONT) {
        layout.pointSize = reader.Read<WORD>();
        layout.font = reader.ReadText();
    }
    for (WORD i = 0; i < count && !reader.overrun; ++i) {
        reader.AlignToDword();
        DialogItem item;
        item.style = reader.Read<DWORD>();
        item.exStyle = reader.Read<DWORD>();
        item.x = reader.Read<short>();
        item.y = reader.Read<short>();
        item.cx = reader.Read<short>();
        item.cy = reader.Read<short>();
        item.id = reader.Read<WORD>();
        item.className = ClassName(reader.ReadNameOrOrdinal());
        item.text = reader.ReadNameOrOrdinal();
        WORD extraBytes = reader.Read<WORD>();
        reader.position += extraBytes;
        layout.items.push_back(item);
    }
    layout.overrun = reader.overrun;
    return layout;
}

struct ExpectedLayout {
    DWORD style;
    short x, y, cx, cy;
    const char *caption;
    WORD pointSize;
    const char *font;
};

struct ExpectedItem {
    WORD id;
    const char *className;
    DWORD style;
    const char *text;
    short x, y, cx, cy;
};

// The kinds of control the layouts use, as complete window styles.
const DWORD visibleChild = WS_CHILD | WS_VISIBLE;
const DWORD groupBox = visibleChild | BS_GROUPBOX;
const DWORD hiddenGroupBox = WS_CHILD | BS_GROUPBOX;
const DWORD staticText = visibleChild | SS_LEFT | WS_GROUP;
const DWORD swatch = visibleChild | SS_GRAYRECT | SS_SUNKEN;
const DWORD edit = visibleChild | ES_LEFT | WS_BORDER | WS_TABSTOP;
const DWORD readOnlyEdit = edit | ES_READONLY;
const DWORD pushButton = visibleChild | BS_PUSHBUTTON | WS_TABSTOP;
const DWORD defaultPushButton = visibleChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
const DWORD hiddenPushButton = WS_CHILD | BS_PUSHBUTTON;
const DWORD scrollBar = visibleChild | SBS_HORZ;
const DWORD dropDownList = visibleChild | CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP;
const DWORD autoCheckBox = visibleChild | BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD hiddenAutoRadio = WS_CHILD | BS_AUTORADIOBUTTON | WS_TABSTOP;
const DWORD etchedFrame = visibleChild | SS_ETCHEDFRAME;
const DWORD centeredGroupText = visibleChild | SS_CENTER | WS_GROUP;
const DWORD plainText = visibleChild | SS_LEFT;
const DWORD staticIcon = visibleChild | SS_ICON;
const DWORD sunkenBitmap = visibleChild | SS_BITMAP | SS_SUNKEN;

const DWORD popupDialog = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const DWORD panelDialog = DS_SETFONT | WS_CHILD | WS_VISIBLE;

const char aboutHypertext[] =
    "Visit our web site at: <FONT SIZE=+2><A HREF=\"http://www.orvak.example/\">www.orvak.example</A></FONT>, "
    "for newer releases, information on this program, as well as other programs plus more downloads.  "
    "<BR><BR>E-mail us at: <FONT SIZE=+2><A HREF=\"mailto:tintwick@orvak.example\">tintwick@orvak.example</A>"
    "</FONT> with any questions, suggestions, or comments on this program, or any others that we've created.";

// clang-format off
const ExpectedItem detectorItems[] = {
    {108, "BUTTON", groupBox, "", 6, 46, 0, 0},
    {109, "STATIC", staticText, "", 16, 19, 12, 8},
    {110, "EDIT", readOnlyEdit, "", 7, 51, 0, 0},
    {111, "STATIC", staticText, "", 16, 36, 12, 8},
    {112, "EDIT", readOnlyEdit, "", 12, 51, 0, 0},
    {102, "BUTTON", groupBox, "", 49, 5, 0, 0},
    {103, "STATIC", swatch, "", 22, 2, 18, 17},
    {104, "STATIC", staticText, "", 142, 19, 42, 8},
    {105, "EDIT", readOnlyEdit, "", 20, 51, 0, 0},
    {106, "STATIC", staticText, "Hex", 1, 29, 14, 8},
    {107, "EDIT", readOnlyEdit, "", 14, 29, 26, 8},
    {113, "BUTTON", groupBox, "", 0, 0, 0, 0},
    {114, "STATIC", staticText, "R", 1, 2, 5, 8},
    {115, "EDIT", readOnlyEdit, "", 7, 2, 14, 8},
    {117, "STATIC", staticText, "G", 1, 11, 5, 8},
    {118, "EDIT", readOnlyEdit, "", 7, 11, 14, 8},
    {120, "STATIC", staticText, "B", 1, 20, 5, 8},
    {121, "EDIT", readOnlyEdit, "", 7, 20, 14, 8},
    {9, "BUTTON", pushButton, "!!!", 29, 20, 11, 8},
    {135, "BUTTON", pushButton, "i", 25, 15, 0, 0},
    {134, "BUTTON", hiddenPushButton, "", 20, 47, 0, 0},
    {1, "BUTTON", pushButton, "x", 22, 20, 6, 8},
};
// clang-format on

// clang-format off
const ExpectedItem colorBrowserItems[] = {
    {102, "BUTTON", groupBox, "Color", 4, 4, 284, 48},
    {103, "STATIC", swatch, "", 12, 16, 144, 28},
    {104, "STATIC", staticText, "Name", 164, 20, 24, 8},
    {105, "COMBOBOX", dropDownList, "", 204, 16, 76, 34},
    {106, "STATIC", staticText, "HEX Code", 164, 36, 36, 8},
    {107, "EDIT", edit, "", 204, 32, 32, 12},
    {113, "BUTTON", groupBox, "RGB", 4, 56, 132, 60},
    {114, "STATIC", staticText, "Red", 12, 72, 16, 8},
    {115, "EDIT", edit, "", 36, 68, 20, 12},
    {116, "SCROLLBAR", scrollBar, "", 60, 68, 68, 9},
    {117, "STATIC", staticText, "Green", 12, 87, 20, 8},
    {118, "EDIT", edit, " ", 36, 83, 20, 12},
    {119, "SCROLLBAR", scrollBar, "", 60, 84, 68, 9},
    {120, "STATIC", staticText, "Blue", 12, 100, 16, 8},
    {121, "EDIT", edit, " ", 36, 99, 20, 12},
    {122, "SCROLLBAR", scrollBar, "", 60, 100, 68, 9},
    {123, "BUTTON", groupBox, "HLS", 144, 56, 144, 60},
    {124, "STATIC", staticText, "Hue", 152, 72, 16, 8},
    {125, "EDIT", edit, "", 188, 69, 20, 12},
    {126, "SCROLLBAR", scrollBar, "", 212, 68, 68, 9},
    {127, "STATIC", staticText, "Luminosity", 152, 88, 36, 8},
    {128, "EDIT", edit, " ", 188, 84, 20, 12},
    {129, "SCROLLBAR", scrollBar, "", 212, 84, 68, 9},
    {130, "STATIC", staticText, "Saturation", 152, 104, 32, 8},
    {131, "EDIT", edit, " ", 188, 100, 20, 12},
    {132, "SCROLLBAR", scrollBar, "", 212, 100, 68, 9},
    {1, "BUTTON", pushButton, "Close", 184, 124, 50, 14},
    {9, "BUTTON", pushButton, "Help", 240, 124, 50, 14},
};
// clang-format on

// clang-format off
const ExpectedItem optionsItems[] = {
    {104, "BUTTON", groupBox, "Tintwick", 5, 4, 180, 28},
    {105, "BUTTON", autoCheckBox, "Always on top of every window on the desktop", 13, 16, 164, 12},
    {101, "BUTTON", hiddenGroupBox, "Start with", 200, 4, 180, 28},
    {102, "BUTTON", hiddenAutoRadio, "Tintwick", 208, 16, 60, 12},
    {103, "BUTTON", hiddenAutoRadio, "Color Browser", 284, 16, 60, 12},
    {1, "BUTTON", pushButton, "OK", 24, 40, 50, 14},
    {2, "BUTTON", pushButton, "Cancel", 80, 40, 50, 14},
    {9, "BUTTON", pushButton, "Help", 136, 40, 50, 14},
};
// clang-format on

// clang-format off
const ExpectedItem aboutItems[] = {
    {65535, "STATIC", etchedFrame, "", 28, 4, 204, 40},
    {103, "STATIC", centeredGroupText, "Tintwick", 68, 12, 124, 24},
    {1, "BUTTON", defaultPushButton, "OK", 120, 124, 50, 14},
    {9, "BUTTON", pushButton, "Help", 180, 124, 50, 14},
    {13001, "STATIC", plainText, aboutHypertext, 32, 52, 196, 61},
    {65535, "STATIC", etchedFrame, "", 28, 48, 204, 68},
    {101, "STATIC", staticIcon, "#100", 39, 15, 21, 20},
    {102, "STATIC", staticIcon, "#100", 199, 15, 21, 20},
    {65535, "STATIC", sunkenBitmap, "#10001", 4, 4, 19, 112},
};
// clang-format on

template <size_t count>
void ExpectLayout(const DialogLayout &layout, const ExpectedLayout &expected, const ExpectedItem (&items)[count]) {
    ASSERT_FALSE(layout.extended) << "extended template";
    EXPECT_FALSE(layout.overrun);
    EXPECT_EQ(layout.style, expected.style);
    EXPECT_EQ(layout.exStyle, 0u);
    EXPECT_EQ(layout.x, expected.x);
    EXPECT_EQ(layout.y, expected.y);
    EXPECT_EQ(layout.cx, expected.cx);
    EXPECT_EQ(layout.cy, expected.cy);
    EXPECT_EQ(layout.menu, "");
    EXPECT_EQ(layout.className, "");
    EXPECT_EQ(layout.caption, expected.caption);
    EXPECT_EQ(layout.pointSize, expected.pointSize);
    EXPECT_EQ(layout.font, expected.font);
    ASSERT_EQ(layout.items.size(), count);
    for (size_t i = 0; i < count; ++i) {
        const DialogItem &item = layout.items[i];
        const ExpectedItem &want = items[i];
        SCOPED_TRACE("item " + std::to_string(i) + ", id " + std::to_string(want.id));
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(item.className, want.className);
        EXPECT_EQ(item.style, want.style) << std::hex << item.style << " != " << want.style;
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
    }
}

BITMAPINFOHEADER InfoHeader(std::string_view dib) {
    return ByteReader(dib).Read<BITMAPINFOHEADER>();
}

// The color of pixel (x, y), counted from the top, of a 4- or 8-bit bottom-up DIB.
COLORREF PixelColor(std::string_view dib, int x, int y) {
    BITMAPINFOHEADER header = InfoHeader(dib);
    int colors = header.biClrUsed != 0 ? header.biClrUsed : 1 << header.biBitCount;
    size_t stride = (header.biWidth * header.biBitCount + 31) / 32 * 4;
    size_t row = header.biSize + colors * sizeof(RGBQUAD) + (header.biHeight - 1 - y) * stride;
    size_t bit = static_cast<size_t>(x) * header.biBitCount;
    BYTE byte = ByteReader(dib, row + bit / 8).Read<BYTE>();
    int index = (byte >> (8 - header.biBitCount - bit % 8)) & ((1 << header.biBitCount) - 1);
    RGBQUAD color = ByteReader(dib, header.biSize + index * sizeof(RGBQUAD)).Read<RGBQUAD>();
    return RGB(color.rgbRed, color.rgbGreen, color.rgbBlue);
}

// Whether pixel (x, y), counted from the top, of a cursor or icon image is transparent in its AND mask.
bool IsTransparent(std::string_view image, int x, int y) {
    BITMAPINFOHEADER header = InfoHeader(image);
    int height = header.biHeight / 2;
    int colors = header.biClrUsed != 0 ? header.biClrUsed : 1 << header.biBitCount;
    size_t colorStride = (header.biWidth * header.biBitCount + 31) / 32 * 4;
    size_t maskStride = (header.biWidth + 31) / 32 * 4;
    size_t mask = header.biSize + colors * sizeof(RGBQUAD) + colorStride * height;
    BYTE byte = ByteReader(image, mask + (height - 1 - y) * maskStride + x / 8).Read<BYTE>();
    return (byte >> (7 - x % 8)) & 1;
}

class ProgramResourcesTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(probe.handle, nullptr) << "cannot load " << probe.file; }

    std::string_view Data(LPCSTR type, int id) const { return ResourceData(probe.handle, type, MAKEINTRESOURCEA(id)); }
    DialogLayout Layout(int id) const { return ParseDialog(Data(RT_DIALOG, id)); }

    ResourceModule probe;
};

TEST_F(ProgramResourcesTest, DetectorPanelLayout) {
    ExpectLayout(Layout(IDD_DETECTOR), {panelDialog, 0, 0, 41, 38, "", 24, "Ms sans serif"}, detectorItems);
}

TEST_F(ProgramResourcesTest, ColorBrowserLayout) {
    ExpectLayout(Layout(IDD_COLOR_BROWSER), {popupDialog, 55, 24, 295, 142, "Color Browser", 8, "MS Sans Serif"},
                 colorBrowserItems);
}

TEST_F(ProgramResourcesTest, OptionsLayout) {
    ExpectLayout(Layout(IDD_OPTIONS), {popupDialog, 50, 20, 386, 59, "Options", 8, "MS Sans Serif"}, optionsItems);
}

TEST_F(ProgramResourcesTest, AboutLayout) {
    ExpectLayout(Layout(IDD_ABOUT), {popupDialog, 100, 45, 237, 143, "About", 8, "MS Sans Serif"}, aboutItems);
}

TEST_F(ProgramResourcesTest, LargeDetectorLayoutShowsNameAndPositionFields) {
    DialogLayout layout = Layout(IDD_DETECTOR_LARGE);
    ASSERT_FALSE(layout.extended);
    EXPECT_FALSE(layout.overrun);
    EXPECT_EQ(layout.style, panelDialog);
    EXPECT_GT(layout.cx, 41);
    EXPECT_GT(layout.cy, 38);
    // The same controls as the small panel, in the same order.
    ASSERT_EQ(layout.items.size(), std::size(detectorItems));
    for (size_t i = 0; i < layout.items.size(); ++i) {
        const DialogItem &item = layout.items[i];
        SCOPED_TRACE("id " + std::to_string(item.id));
        EXPECT_EQ(item.id, detectorItems[i].id);
        EXPECT_EQ(item.className, detectorItems[i].className);
        bool shown = item.id != IDC_OPTIONS;
        EXPECT_EQ((item.style & WS_VISIBLE) != 0, shown);
        if (shown) {
            EXPECT_GT(item.cx, 0);
            EXPECT_GT(item.cy, 0);
            EXPECT_LE(item.x + item.cx, layout.cx);
            EXPECT_LE(item.y + item.cy, layout.cy);
        }
    }
}

TEST_F(ProgramResourcesTest, ProgressLayoutIsASmallPopup) {
    DialogLayout layout = Layout(IDD_PROGRESS);
    ASSERT_FALSE(layout.extended);
    EXPECT_FALSE(layout.overrun);
    EXPECT_EQ(layout.style, popupDialog);
    EXPECT_EQ(layout.caption, "Progress");
    ASSERT_EQ(layout.items.size(), 3u);
    EXPECT_EQ(layout.items[1].id, IDC_PROGRESS_BAR);
    EXPECT_EQ(layout.items[1].className, "TPROGRESSBAR");
    EXPECT_EQ(layout.items[2].id, IDCANCEL);
}

TEST_F(ProgramResourcesTest, AboutHypertextParsesToItsTwoLinks) {
    DialogLayout layout = Layout(IDD_ABOUT);
    ASSERT_EQ(layout.items.size(), std::size(aboutItems));
    HyperText document(layout.items[4].text);

    // -1 stands for a text block, any other value for the tag code.
    const int text = -1, br = 2, font = 16, endFont = 17, anchor = 21, endAnchor = 22;
    const int expectedCodes[] = {text, font, anchor, text,   endAnchor, endFont,   text,    br,
                                 br,   text, font,   anchor, text,      endAnchor, endFont, text};
    std::vector<HyperTextElement *> elements;
    for (HyperTextElement *element = document.first; element != nullptr; element = element->next) {
        elements.push_back(element);
    }
    ASSERT_EQ(elements.size(), std::size(expectedCodes));
    for (size_t i = 0; i < elements.size(); ++i) {
        SCOPED_TRACE("element " + std::to_string(i));
        int code = elements[i]->IsTag() ? static_cast<HyperTextTag *>(elements[i])->code : text;
        EXPECT_EQ(code, expectedCodes[i]);
    }
    auto textOf = [&](size_t i) { return static_cast<HyperTextBlock *>(elements[i])->text; };
    auto hrefOf = [&](size_t i) { return static_cast<HyperTextAnchorStartTag *>(elements[i])->href; };
    auto fontOf = [&](size_t i) { return static_cast<HyperTextFontTag *>(elements[i])->size; };
    EXPECT_EQ(textOf(0), "Visit our web site at: ");
    EXPECT_EQ(hrefOf(2), "http://" + textOf(3) + "/");
    EXPECT_EQ(textOf(6).substr(textOf(6).size() - 2), "  ");
    EXPECT_EQ(textOf(9), "E-mail us at: ");
    EXPECT_EQ(hrefOf(11), "mailto:" + textOf(12));
    EXPECT_EQ(textOf(15).back(), '.');
    for (size_t i : {1u, 10u}) {
        SCOPED_TRACE("font tag " + std::to_string(i));
        EXPECT_EQ(fontOf(i).mode, 2);
        EXPECT_EQ(fontOf(i).value, 2);
    }
}

// The layouts the program creates must be accepted by the platform: every control exists and is shown or
// hidden as its style says.
TEST_F(ProgramResourcesTest, LayoutsCreateTheirControls) {
    struct Case {
        int id;
        const ExpectedItem *items;
        size_t count;
    };
    const Case cases[] = {
        {IDD_DETECTOR, detectorItems, std::size(detectorItems)},
        {IDD_COLOR_BROWSER, colorBrowserItems, std::size(colorBrowserItems)},
        {IDD_OPTIONS, optionsItems, std::size(optionsItems)},
    };
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    for (const Case &c : cases) {
        SCOPED_TRACE("layout " + std::to_string(c.id));
        std::string_view data = Data(RT_DIALOG, c.id);
        ASSERT_FALSE(data.empty());
        HWND dialog = CreateDialogIndirectParamA(
            GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(data.data()), parent,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ASSERT_NE(dialog, nullptr);
        for (size_t i = 0; i < c.count; ++i) {
            SCOPED_TRACE("id " + std::to_string(c.items[i].id));
            HWND control = GetDlgItem(dialog, c.items[i].id);
            ASSERT_NE(control, nullptr);
            bool visibleStyle = (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
            EXPECT_EQ(visibleStyle, (c.items[i].style & WS_VISIBLE) != 0);
        }
        DestroyWindow(dialog);
    }
    DestroyWindow(parent);
}

TEST_F(ProgramResourcesTest, ApplicationIconHasLargeAndSmallSixteenColorImages) {
    std::string_view group = Data(RT_GROUP_ICON, IDI_TINTWICK);
    ByteReader directory(group);
    EXPECT_EQ(directory.Read<WORD>(), 0);
    EXPECT_EQ(directory.Read<WORD>(), 1); // icons
    ASSERT_EQ(directory.Read<WORD>(), 2);

    for (int size : {32, 16}) {
        SCOPED_TRACE(std::to_string(size) + " pixels");
        int id = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(const_cast<char *>(group.data())), TRUE, size,
                                             size, LR_DEFAULTCOLOR);
        ASSERT_NE(id, 0);
        std::string_view image = Data(RT_ICON, id);
        BITMAPINFOHEADER header = InfoHeader(image);
        EXPECT_EQ(header.biWidth, size);
        EXPECT_EQ(header.biHeight, 2 * size); // colors and mask
        EXPECT_EQ(header.biBitCount, 4);

        HICON icon =
            CreateIconFromResourceEx(reinterpret_cast<PBYTE>(const_cast<char *>(image.data())),
                                     static_cast<DWORD>(image.size()), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colors = {};
        ASSERT_NE(GetObjectA(info.hbmColor, sizeof colors, &colors), 0);
        EXPECT_EQ(colors.bmWidth, size);
        EXPECT_EQ(colors.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(ProgramResourcesTest, CursorsAreTwoColorWithTheirHotSpots) {
    struct Case {
        const char *what;
        LPCSTR name;
        WORD hotX, hotY;
    };
    const Case cases[] = {
        {"link hand", MAKEINTRESOURCEA(IDCUR_LINK_HAND), 6, 1},
        {"target", "TARGET", 15, 15},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ByteReader directory(ResourceData(probe.handle, RT_GROUP_CURSOR, c.name));
        EXPECT_EQ(directory.Read<WORD>(), 0);
        EXPECT_EQ(directory.Read<WORD>(), 2); // cursors
        ASSERT_EQ(directory.Read<WORD>(), 1);
        EXPECT_EQ(directory.Read<WORD>(), 32); // width
        EXPECT_EQ(directory.Read<WORD>(), 64); // height of colors and mask
        EXPECT_EQ(directory.Read<WORD>(), 1);  // planes
        EXPECT_EQ(directory.Read<WORD>(), 1);  // bits per pixel
        directory.Read<DWORD>();
        WORD id = directory.Read<WORD>();
        ASSERT_FALSE(directory.overrun);

        std::string_view cursor = Data(RT_CURSOR, id);
        ByteReader hotSpot(cursor);
        EXPECT_EQ(hotSpot.Read<WORD>(), c.hotX);
        EXPECT_EQ(hotSpot.Read<WORD>(), c.hotY);
        std::string_view image = cursor.substr(4);
        BITMAPINFOHEADER header = InfoHeader(image);
        EXPECT_EQ(header.biWidth, 32);
        EXPECT_EQ(header.biHeight, 64);
        EXPECT_EQ(header.biBitCount, 1);

        HICON handle = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(const_cast<char *>(cursor.data())),
                                                static_cast<DWORD>(cursor.size()), FALSE, 0x00030000, 32, 32, 0);
        ASSERT_NE(handle, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(handle, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, c.hotX);
        EXPECT_EQ(info.yHotspot, c.hotY);
        if (info.hbmColor != nullptr) {
            DeleteObject(info.hbmColor);
        }
        DeleteObject(info.hbmMask);
        DestroyCursor(handle);
    }
}

TEST_F(ProgramResourcesTest, LinkHandHotSpotIsOnTheFingertip) {
    ByteReader directory(Data(RT_GROUP_CURSOR, IDCUR_LINK_HAND), 6 + 12);
    std::string_view image = Data(RT_CURSOR, directory.Read<WORD>()).substr(4);
    ASSERT_FALSE(directory.overrun);
    EXPECT_FALSE(IsTransparent(image, 6, 1));
    // The fingertip is the hand's topmost part: its first drawn pixel is beside or above the hot spot.
    int topX = -1, topY = -1;
    for (int y = 0; y < 32 && topY < 0; ++y) {
        for (int x = 0; x < 32 && topY < 0; ++x) {
            if (!IsTransparent(image, x, y)) {
                topX = x;
                topY = y;
            }
        }
    }
    EXPECT_LE(topY, 1);
    EXPECT_NEAR(topX, 6, 1);
}

TEST_F(ProgramResourcesTest, StatusPanelBitmap) {
    std::string_view dib = Data(RT_BITMAP, IDB_STATUS_PANEL);
    BITMAPINFOHEADER header = InfoHeader(dib);
    EXPECT_EQ(header.biWidth, 18);
    EXPECT_EQ(header.biHeight, 23);
    EXPECT_EQ(header.biBitCount, 4);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));

    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    const COLORREF darkGray = RGB(0x80, 0x80, 0x80), lightGray = RGB(0xC0, 0xC0, 0xC0);
    struct Case {
        const char *what;
        int x, y;
        COLORREF color;
    };
    // clang-format off
    const Case cases[] = {
        {"top row", 0, 0, black},
        {"top row, right end", 17, 0, black},
        {"outer frame top", 8, 1, white},
        {"outer frame left", 0, 10, white},
        {"outer frame bottom", 8, 22, darkGray},
        {"outer frame right", 17, 10, darkGray},
        {"field top", 8, 3, darkGray},
        {"field left", 2, 10, darkGray},
        {"field bottom", 8, 20, white},
        {"field right", 15, 10, white},
        {"field", 8, 10, lightGray},
        {"field corner", 3, 4, lightGray},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PixelColor(dib, c.x, c.y), c.color);
    }
}

TEST_F(ProgramResourcesTest, AboutBannerBitmap) {
    std::string_view dib = Data(RT_BITMAP, IDB_ABOUT_BANNER);
    BITMAPINFOHEADER header = InfoHeader(dib);
    EXPECT_EQ(header.biWidth, 27);
    EXPECT_EQ(header.biHeight, 180);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_EQ(header.biClrUsed, 207u);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(dib.size(), sizeof(BITMAPINFOHEADER) + 207 * sizeof(RGBQUAD) + 28 * 180);
    // A gradient: the top and bottom corners differ.
    EXPECT_NE(PixelColor(dib, 0, 0), PixelColor(dib, 26, 179));
}

TEST_F(ProgramResourcesTest, AboutTitleString) {
    char text[1024] = {};
    int length = LoadStringA(probe.handle, IDS_ABOUT_TITLE, text, sizeof text);
    EXPECT_EQ(std::string(text, length > 0 ? length : 0), "Tintwick 2.0\nCopyright (c) Orvak\nAll rights reserved.");
}

TEST_F(ProgramResourcesTest, ColorTableIsStoredByteForByte) {
    std::unique_ptr<std::string> text = LoadTextResource(probe.handle, MAKEINTRESOURCEA(IDT_COLOR_TABLE));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->size(), 3077u);
    EXPECT_EQ(*text, BuiltinColorTableText());
    EXPECT_EQ(TextResourceType, TEXT_RESOURCE_TYPE);
}

} // namespace
