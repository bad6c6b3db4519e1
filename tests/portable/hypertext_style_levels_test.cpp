#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "hypertext/fixed_metric_device.h"
#include "hypertext/keywords.h"
#include "hypertext/style_levels.h"
#include "hypertext/win_hyper_text.h"
#include "tests/portable/hypertext_drawing_support.h"

namespace {

using drawing_test::DrawLines;

struct StepCase {
    std::int32_t in;
    std::int32_t out;
};

TEST(HyperTextStyleLevels, TwoThirdsStepTruncatesTheProductWithTheDoubleBelowTwoThirds) {
    for (const StepCase &c :
         {StepCase{13, 8}, StepCase{12, 7}, StepCase{15, 9}, StepCase{3, 1}, StepCase{6, 3}, StepCase{9, 5},
          StepCase{30, 19}, StepCase{0, 0}, StepCase{1, 0}, StepCase{2, 1}, StepCase{14, 9}, StepCase{-13, -8},
          StepCase{-12, -7}, StepCase{-3, -1}, StepCase{INT32_MAX, 1431655764}, StepCase{INT32_MIN, -1431655765}}) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(TwoThirdsStep(c.in), c.out);
    }
}

TEST(HyperTextStyleLevels, OneAndAHalfStepTruncatesTowardZeroAndWraps) {
    for (const StepCase &c :
         {StepCase{8, 12}, StepCase{7, 10}, StepCase{12, 18}, StepCase{0, 0}, StepCase{1, 1}, StepCase{-7, -10},
          StepCase{-8, -12}, StepCase{2000000000, -1294967296}, StepCase{INT32_MAX, -1073741826}}) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(OneAndAHalfStep(c.in), c.out);
    }
}

TEST(HyperTextStyleLevels, BaseFontHeightFromPixelsPerInch) {
    for (const StepCase &c : {StepCase{96, 13}, StepCase{120, 16}, StepCase{144, 20}, StepCase{72, 10}, StepCase{1, 0},
                              StepCase{100000, 13888}, StepCase{0, 0}, StepCase{-96, -13},
                              StepCase{INT32_MAX, 298261632}, StepCase{INT32_MIN, -298261632}}) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(BaseFontHeight(c.in), c.out);
    }
}

TEST(HyperTextStyleLevels, WorkingDescriptionStartsZeroed) {
    const FontDescription description = MakeWorkingFontDescription(13);
    EXPECT_EQ(description.height, 13);
    EXPECT_EQ(description.width, 0);
    EXPECT_EQ(description.weight, 0);
    EXPECT_EQ(description.italic, 0);
    EXPECT_EQ(description.underline, 0);
    EXPECT_EQ(description.strikeOut, 0);
    EXPECT_EQ(description.charSet, 1);
    EXPECT_EQ(description.FaceName(), "MS Sans Serif");
}

TEST(HyperTextStyleLevels, MarkupColorsAreReversedIntoColorValues) {
    struct ColorCase {
        std::int32_t markup;
        ColorValue value;
    };
    for (const ColorCase &c :
         {ColorCase{0x00FF0000, 0x000000FF}, ColorCase{0x0000FF00, 0x0000FF00}, ColorCase{0x000000FF, 0x00FF0000},
          ColorCase{0x00123456, 0x00563412}, ColorCase{0x7F123456, 0x00563412}}) {
        SCOPED_TRACE(c.markup);
        EXPECT_EQ(ColorValueFromMarkupColor(c.markup), c.value);
    }
}

TEST(HyperTextStyleLevels, OpeningAndClosingStyleTags) {
    const std::vector<std::int32_t> opening = {htBold,        htItalic,    htUnderline, htStrikeOut,
                                               htSuperscript, htSubscript, htFont,      htAnchor};
    const std::vector<std::int32_t> closing = {htBoldEnd,        htItalicEnd,    htUnderlineEnd, htStrikeOutEnd,
                                               htSuperscriptEnd, htSubscriptEnd, htFontEnd,      htAnchorEnd};
    for (std::int32_t code = 0; code < htTagKeywordCount; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(IsOpeningStyleTag(code), std::find(opening.begin(), opening.end(), code) != opening.end());
        EXPECT_EQ(IsClosingStyleTag(code), std::find(closing.begin(), closing.end(), code) != closing.end());
    }
}

TEST(HyperTextStyleLevels, FaceNamesAreCutAtThirtyOneCharacters) {
    FontDescription description;
    description.SetFaceName(std::string(40, 'x'));
    EXPECT_EQ(description.FaceName(), std::string(31, 'x'));
    description.SetFaceName("Arial");
    EXPECT_EQ(description.FaceName(), "Arial");
}

struct StyleCase {
    const char *name;
    std::string markup;
    std::vector<std::string> lines;
};

std::string Text(int x, int y, const std::string &font, const std::string &text,
                 const std::string &colors = "000000 ffffff") {
    return "text " + std::to_string(x) + " " + std::to_string(y) + " MS Sans Serif," + font + " " + colors + " |" +
           text + "|";
}

TEST(HyperTextStyleLevels, TagsChangeFontsColorsAndBaseline) {
    const std::vector<StyleCase> cases = {
        {"superscript 3 up, back down 2 in the restored font; later fonts use 12",
         "a<SUP>b</SUP>c<B>d",
         {Text(5, 13, "13,0,0,0,0", "a"), Text(11, 10, "8,0,0,0,0", "b"), Text(15, 12, "13,0,0,0,0", "c"),
          Text(21, 12, "12,700,0,0,0", "d")}},
        {"subscript in a 14-pixel font goes down (14 / 4) * 2 = 6",
         "<FONT SIZE=14>a<SUB>b",
         {Text(5, 13, "14,0,0,0,0", "a"), Text(12, 19, "9,0,0,0,0", "b")}},
        {"subscript and back", "<SUB>a</SUB>b", {Text(5, 19, "8,0,0,0,0", "a"), Text(9, 15, "13,0,0,0,0", "b")}},
        {"two B: the first level is on top again after one /B",
         "<B><B>a</B>b</B>c",
         {Text(5, 13, "13,700,0,0,0", "a"), Text(12, 13, "13,700,0,0,0", "b"), Text(19, 13, "13,0,0,0,0", "c")}},
        {"/B removes the level of I",
         "<B><I>a</B>b</I>c",
         {Text(5, 13, "13,700,1,0,0", "a"), Text(12, 13, "13,700,0,0,0", "b"), Text(19, 13, "13,0,0,0,0", "c")}},
        {"an unmatched /SUP moves down and makes later fonts taller",
         "a</SUP>b<B>c",
         {Text(5, 13, "13,0,0,0,0", "a"), Text(11, 16, "13,0,0,0,0", "b"), Text(17, 16, "19,700,0,0,0", "c")}},
        {"an unmatched /SUB moves up", "</SUB>a", {Text(5, 7, "13,0,0,0,0", "a")}},
        {"an unmatched /B edits the weight only", "</B><I>x", {Text(5, 13, "13,400,1,0,0", "x")}},
        {"FONT colors, reversed; /FONT restores",
         "<FONT COLOR=#FF0000 BGCOLOR=00ff00>r</FONT>k",
         {Text(5, 13, "13,0,0,0,0", "r", "ff0000 00ff00"), Text(11, 13, "13,0,0,0,0", "k")}},
        {"a level keeps the colors of the level below",
         "<FONT COLOR=#0000FF><B>a</B></FONT>b",
         {Text(5, 13, "13,700,0,0,0", "a", "0000ff ffffff"), Text(12, 13, "13,0,0,0,0", "b")}},
        {"two FONT SIZE=+2 passages request base + 2, then base + 4",
         "<FONT SIZE=+2>a</FONT><FONT SIZE=+2>b</FONT>c",
         {Text(5, 13, "15,0,0,0,0", "a"), Text(12, 13, "17,0,0,0,0", "b"), Text(20, 13, "13,0,0,0,0", "c")}},
        {"absolute and decreasing sizes; percent ignored",
         "<FONT SIZE=20>a</FONT><FONT SIZE=-3>b</FONT><FONT SIZE=50%>c",
         {Text(5, 13, "20,0,0,0,0", "a"), Text(15, 13, "17,0,0,0,0", "b"), Text(23, 13, "50,0,0,0,0", "c")}},
        {"a face stays after /FONT for later levels",
         "<FONT FACE=Arial>a</FONT>b<B>c",
         {"text 5 13 Arial,13,0,0,0,0 000000 ffffff |a|", Text(11, 13, "13,0,0,0,0", "b"),
          "text 17 13 Arial,13,700,0,0,0 000000 ffffff |c|"}},
        {"a face longer than 31 characters is cut",
         "<FONT FACE=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn>x",
         {"text 5 13 ABCDEFGHIJKLMNOPQRSTUVWXYZabcde,13,0,0,0,0 000000 ffffff |x|"}},
        {"A underlines in the link color; /A leaves underline off for later levels",
         "<A HREF=x>a</A><U>b</U><S>c",
         {Text(5, 13, "13,0,0,1,0", "a", "0000ff ffffff"), Text(11, 13, "13,0,0,1,0", "b"),
          Text(17, 13, "13,0,0,0,1", "c"), "link 5 3 11 16 x"}},
        {"closing tags at the bottom level remove nothing",
         "</FONT></U></S></I>a<I>b",
         {Text(5, 13, "13,0,0,0,0", "a"), Text(11, 13, "13,0,1,0,0", "b")}},
    };
    for (const StyleCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DrawLines(c.markup), c.lines);
    }
}

// A device on which fonts of weight 700 cannot be made, as when the platform refuses a font.
class RefusingBoldDevice : public FixedMetricDevice {
public:
    DeviceFont MakeFont(const FontDescription &description) override {
        return description.weight >= 700 ? 0 : FixedMetricDevice::MakeFont(description);
    }
    void FreeFont(DeviceFont font) override {
        if (font != 0)
            FixedMetricDevice::FreeFont(font);
    }
};

TEST(HyperTextStyleLevels, AFontThatCouldNotBeMadeShowsTheConsistencyMessageAndTheWalkGoesOn) {
    WinHyperText document("<B>a</B>b");
    document.width = 300;
    RefusingBoldDevice device;
    document.Draw(device, 0, 0);
    EXPECT_EQ(drawing_test::DescribeEvents(device),
              (std::vector<std::string>{Text(5, 13, "13,0,0,0,0", "a"), "message prevFont != prevFont2",
                                        Text(11, 13, "13,0,0,0,0", "b")}));
    EXPECT_EQ(device.LiveFontCount(), 0u);
    EXPECT_EQ(device.SelectedFont(), FixedMetricDevice::stockFont);
}

} // namespace
