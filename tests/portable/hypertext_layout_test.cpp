#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "hypertext/fixed_metric_device.h"
#include "hypertext/win_hyper_text.h"
#include "tests/portable/hypertext_drawing_support.h"

namespace {

using drawing_test::DrawLines;

// At 96 pixels per inch the base font is 13 high, its characters 6 wide (7 bold); the first baseline is 13.
const std::string base = "MS Sans Serif,13,0,0,0,0 000000 ffffff";

struct LayoutCase {
    const char *name;
    std::string markup;
    std::int32_t width;
    std::vector<std::string> lines;
};

void CheckLayout(const std::vector<LayoutCase> &cases) {
    for (const LayoutCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DrawLines(c.markup, c.width), c.lines);
    }
}

TEST(HyperTextLayout, PlacesWordsAndWrapsAtTheWidthLessFive) {
    CheckLayout({
        {"empty text draws nothing", "", 300, {}},
        {"two words on one baseline", "ab cd", 300, {"text 5 13 " + base + " |ab |", "text 23 13 " + base + " |cd|"}},
        {"width 0 puts every word on a line of its own",
         "ab cd",
         0,
         {"text 5 26 " + base + " |ab |", "text 5 39 " + base + " |cd|"}},
        {"right edge plus 5 equal to the width stays", "abcd", 34, {"text 5 13 " + base + " |abcd|"}},
        {"one pixel more breaks", "abcd", 33, {"text 5 26 " + base + " |abcd|"}},
        {"without its space the word fits", "abc", 33, {"text 5 13 " + base + " |abc|"}},
        {"the trailing space counts in the wrap test",
         "abc d",
         33,
         {"text 5 26 " + base + " |abc |", "text 5 39 " + base + " |d|"}},
        {"a run of spaces gives one-space words",
         "a  b",
         300,
         {"text 5 13 " + base + " |a |", "text 17 13 " + base + " | |", "text 23 13 " + base + " |b|"}},
        {"a tab character is an ordinary character",
         "a\tb c",
         300,
         {"text 5 13 " + base + " |a\tb |", "text 29 13 " + base + " |c|"}},
        {"a word wider than the area moves down and runs past the edge",
         "abcdefgh",
         20,
         {"text 5 26 " + base + " |abcdefgh|"}},
        {"a line feed is a space", "ab\ncd", 300, {"text 5 13 " + base + " |ab |", "text 23 13 " + base + " |cd|"}},
    });
}

TEST(HyperTextLayout, BreaksAndTabStops) {
    CheckLayout({
        {"BR BR moves down two lines and back to the line start",
         "abc<BR><BR>b",
         300,
         {"text 5 13 " + base + " |abc|", "text 5 39 " + base + " |b|"}},
        {"TAB at the line start moves 30", "<TAB>x", 300, {"text 35 13 " + base + " |x|"}},
        {"TAB just after the line start",
         "a<TAB>x",
         300,
         {"text 5 13 " + base + " |a|", "text 35 13 " + base + " |x|"}},
        {"TAB on a stop moves to the next one",
         "abcde<TAB>x",
         300,
         {"text 5 13 " + base + " |abcde|", "text 65 13 " + base + " |x|"}},
        {"TAB makes no wrap test", "<TAB><TAB>x", 60, {"text 5 26 " + base + " |x|"}},
        {"tags without an action change nothing",
         "a<P>b<LI>c<BOX>d<MARGIN>e<!-- c -->f<WHAT>g<OL></OL><UL></UL></BOX>h",
         300,
         {"text 5 13 " + base + " |a|", "text 11 13 " + base + " |b|", "text 17 13 " + base + " |c|",
          "text 23 13 " + base + " |d|", "text 29 13 " + base + " |e|", "text 35 13 " + base + " |f|",
          "text 41 13 " + base + " |g|", "text 47 13 " + base + " |h|"}},
    });
}

TEST(HyperTextLayout, SpecialCharactersDrawTheLowEightBitsWithoutWrapTest) {
    CheckLayout({
        {"entity", "&amp;x", 300, {"text 5 13 " + base + " |&|", "text 11 13 " + base + " |x|"}},
        {"unknown entity draws 0xFF", "&foo;", 300, {"text 5 13 " + base + " |\xff|"}},
        {"literal SPCHR draws 0xFF", "<SPCHR>", 300, {"text 5 13 " + base + " |\xff|"}},
        {"300 draws 44", "&#300;", 300, {"text 5 13 " + base + " |,|"}},
        {"no wrap test", "&amp;", 0, {"text 5 13 " + base + " |&|"}},
    });
}

TEST(HyperTextLayout, CharacterZeroIsDrawnAsOneByte) {
    WinHyperText document("&#0;x");
    document.width = 300;
    FixedMetricDevice device;
    document.Draw(device, 0, 0);
    ASSERT_EQ(device.Events().size(), 2u);
    EXPECT_EQ(device.Events()[0].text, std::string(1, '\0'));
    EXPECT_EQ(device.Events()[1].x, 11);
}

const std::string link = "MS Sans Serif,13,0,0,1,0 0000ff ffffff";

TEST(HyperTextLayout, LinkAreas) {
    CheckLayout({
        {"one link on one line", "<A HREF=x>link</A>", 300, {"text 5 13 " + link + " |link|", "link 5 3 29 16 x"}},
        {"a closing tag before any anchor records nothing", "</A>x", 300, {"text 5 13 " + base + " |x|"}},
        {"a second closing tag records the same anchor again from the same start",
         "<A HREF=x>a</A>b</A>",
         300,
         {"text 5 13 " + link + " |a|", "text 11 13 " + base + " |b|", "link 5 3 11 16 x", "link 5 3 17 16 x"}},
        {"a link that wraps takes its left from the first line and its right from the last",
         "xxxxx <A HREF=w>aaaa</A>",
         60,
         {"text 5 13 " + base + " |xxxxx |", "text 5 26 " + link + " |aaaa|", "link 41 3 29 16 w"}},
        {"the height is that of the font restored by the closing tag",
         "<FONT SIZE=40><A HREF=t>ab</A></FONT>",
         300,
         {"text 5 13 MS Sans Serif,40,0,0,1,0 0000ff ffffff |ab|", "link 5 -24 45 16 t"}},
        {"an anchor without HREF has an empty target",
         "<A>a</A>",
         300,
         {"text 5 13 " + link + " |a|", "link 5 3 11 16 "}},
        {"the link of an unclosed anchor is not recorded", "<A HREF=x>a", 300, {"text 5 13 " + link + " |a|"}},
    });
}

TEST(HyperTextLayout, LinkAreasAreHalfOpen) {
    WinHyperText document("<A HREF=x>link</A>");
    document.width = 300;
    FixedMetricDevice device;
    document.Draw(device, 0, 0);
    ASSERT_EQ(document.links.size(), 1u);
    struct Probe {
        std::int32_t x, y;
        bool inside;
    };
    for (const Probe &probe : {Probe{5, 3, true}, Probe{28, 15, true}, Probe{29, 10, false}, Probe{10, 16, false},
                               Probe{4, 10, false}, Probe{10, 2, false}}) {
        SCOPED_TRACE(std::to_string(probe.x) + "," + std::to_string(probe.y));
        EXPECT_EQ(document.FindLink(probe.x, probe.y) != nullptr, probe.inside);
    }
}

TEST(HyperTextLayout, AnEmptyLinkAreaMatchesNoPoint) {
    WinHyperText document("xxxxx <A HREF=w>aaaa</A>");
    document.width = 60;
    FixedMetricDevice device;
    document.Draw(device, 0, 0);
    ASSERT_EQ(document.links.size(), 1u);
    EXPECT_EQ(document.FindLink(30, 10), nullptr);
    EXPECT_EQ(document.FindLink(41, 10), nullptr);
}

TEST(HyperTextLayout, DrawsFromTheOriginAndRebuildsTheLinksEachTime) {
    WinHyperText document("<A HREF=x>ab</A>");
    document.width = 300;
    FixedMetricDevice first;
    document.Draw(first, 100, 50);
    EXPECT_EQ(drawing_test::DescribeLinks(document), std::vector<std::string>{"link 105 53 117 66 x"});
    document.SetText("plain");
    document.links.clear();
    FixedMetricDevice second;
    document.Draw(second, 0, 0);
    EXPECT_TRUE(document.links.empty());
    EXPECT_EQ(drawing_test::DescribeEvents(second), std::vector<std::string>{"text 5 13 " + base + " |plain|"});
}

TEST(HyperTextLayout, AHigherResolutionMakesALargerBaseFont) {
    EXPECT_EQ(DrawLines("ab", 300, 120),
              std::vector<std::string>{"text 5 16 MS Sans Serif,16,0,0,0,0 000000 ffffff |ab|"});
    EXPECT_EQ(DrawLines("ab", 300, 1),
              std::vector<std::string>{"text 5 13 MS Sans Serif,0,0,0,0,0 000000 ffffff |ab|"});
}

TEST(HyperTextLayout, CoordinatesWrapAtThirtyTwoBits) {
    WinHyperText document("ab<A HREF=x>cd</A>");
    document.width = 300;
    FixedMetricDevice device;
    document.Draw(device, INT32_MAX, INT32_MAX);
    EXPECT_EQ(drawing_test::DescribeEvents(device),
              (std::vector<std::string>{"text -2147483644 -2147483636 " + base + " |ab|",
                                        "text -2147483632 -2147483636 " + link + " |cd|"}));
    EXPECT_EQ(drawing_test::DescribeLinks(document),
              std::vector<std::string>{"link -2147483632 -2147483646 -2147483620 -2147483633 x"});
}

TEST(HyperTextLayout, APenPastTheLargestWidthWrapsRoundAndStaysOnItsLine) {
    WinHyperText document("ab cd");
    document.width = INT32_MAX;
    FixedMetricDevice device;
    document.Draw(device, INT32_MAX - 20, 0);
    EXPECT_EQ(
        drawing_test::DescribeEvents(device),
        (std::vector<std::string>{"text 2147483632 13 " + base + " |ab |", "text -2147483646 13 " + base + " |cd|"}));
}

TEST(HyperTextLayout, HugeFontHeightsWrap) {
    CheckLayout({
        {"the lowest height measures as itself",
         "<FONT SIZE=2147483648>a<BR>b",
         300,
         {"text 5 13 MS Sans Serif,-2147483648,0,0,0,0 000000 ffffff |a|",
          "text 5 -2147483635 MS Sans Serif,-2147483648,0,0,0,0 000000 ffffff |b|"}},
        {"growing past the largest height wraps",
         "<FONT SIZE=2000000000></SUP><B>x",
         2000000000,
         {"text 5 500000013 MS Sans Serif,-1294967296,700,0,0,0 000000 ffffff |x|"}},
    });
}

TEST(HyperTextLayout, EveryFontMadeIsFreedAndTheFirstFontSelectedAgain) {
    for (const char *markup : {"", "plain", "<B><I><U><S><SUP><SUB><FONT SIZE=3><A HREF=x>open", "</B></B></FONT>x",
                               "<B>a</B><I>b</I><A HREF=x>c</A>"}) {
        SCOPED_TRACE(markup);
        WinHyperText document(markup);
        document.width = 300;
        FixedMetricDevice device;
        document.Draw(device, 0, 0);
        EXPECT_EQ(device.LiveFontCount(), 0u);
        EXPECT_EQ(device.BadFreeCount(), 0);
        EXPECT_EQ(device.SelectedFont(), FixedMetricDevice::stockFont);
        EXPECT_TRUE(document.fontStack.empty());
    }
}

TEST(HyperTextLayout, InitialValues) {
    const WinHyperText document;
    EXPECT_EQ(document.tabWidth, 30);
    EXPECT_EQ(document.width, 0);
    EXPECT_EQ(document.height, 0);
    EXPECT_TRUE(document.links.empty());
    EXPECT_TRUE(document.fontStack.empty());
    EXPECT_EQ(document.textColor, DeviceColor::System(SystemColor::WindowText));
    EXPECT_EQ(document.backColor, DeviceColor::System(SystemColor::Window));
    EXPECT_EQ(document.linkColor, DeviceColor::Value(0x00FF0000));
    EXPECT_EQ(document.first, nullptr);
}

} // namespace
