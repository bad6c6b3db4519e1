#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "hypertext/ascii_text.h"

namespace {

// The lines joined, each with its CR LF.
std::string Lines(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

struct TextCase {
    std::string markup;
    std::vector<std::string> lines;
};

std::string Printed(const HyperTextElement &element) {
    std::ostringstream out;
    out << element;
    return out.str();
}

} // namespace

TEST(AsciiHyperText, OneLinePerElement) {
    const TextCase cases[] = {
        {"Hi <B>there</B>", {"TEXT: |Hi |", "<B> ", "TEXT: |there|", "</B> ", "TEXT: ||"}},
        {"Hi <B>there</B>&amp;<BR>",
         {"TEXT: |Hi |", "<B> ", "TEXT: |there|", "</B> ", "<SPCHR> ", "<BR> ", "TEXT: ||"}},
        {"", {"TEXT: ||"}},
        {"<FONT SIZE=+2>", {"<FONT>  FACE= SIZE=+2 COLOR= BGCOLOR=", "TEXT: ||"}},
        {"<FONT COLOR=#FF0000 SIZE=50%>", {"<FONT>  FACE= SIZE=50% COLOR=ff0000 BGCOLOR=", "TEXT: ||"}},
        {"<FONT>", {"<FONT>  FACE= SIZE=?0 COLOR= BGCOLOR=", "TEXT: ||"}},
        {"<FONT FACE=Arial SIZE=-1 BGCOLOR=ff>", {"<FONT>  FACE=Arial SIZE=-1 COLOR= BGCOLOR=0000ff", "TEXT: ||"}},
        {"<FONT COLOR=0 BGCOLOR=123456789>", {"<FONT>  FACE= SIZE=?0 COLOR=000000 BGCOLOR=23456789", "TEXT: ||"}},
        {"<FONT COLOR=FFFFFFFE>", {"<FONT>  FACE= SIZE=?0 COLOR=fffffffe BGCOLOR=", "TEXT: ||"}},
        {"<FONT SIZE=4294967295>", {"<FONT>  FACE= SIZE=4294967295 COLOR= BGCOLOR=", "TEXT: ||"}},
        {"<IMG SRC=pic WIDTH=10>",
         {"<IMG>  SRC=pic WIDTH=10 HEIGHT=-1 SUBX=0 SUBY=0 SUBWIDTH=-1 SUBHEIGHT=-1", "TEXT: ||"}},
        {"<IMG WIDTH=2147483648>",
         {"<IMG>  SRC= WIDTH=-2147483648 HEIGHT=-1 SUBX=0 SUBY=0 SUBWIDTH=-1 SUBHEIGHT=-1", "TEXT: ||"}},
        {"<A HREF=\"x y\">", {"<A>  HREF=x y", "TEXT: ||"}},
        {"<A>link</A>", {"<A>  HREF=", "TEXT: |link|", "</A> ", "TEXT: ||"}},
        {"&amp;", {"<SPCHR> ", "TEXT: ||"}},
        {"<SPCHR>", {"<SPCHR> ", "TEXT: ||"}},
        {"<BR>", {"<BR> ", "TEXT: ||"}},
        {"<zz>", {"<> ", "TEXT: ||"}},
        {"<!-- a comment -->", {"<!--> ", "TEXT: ||"}},
        {"a\r\nb", {"TEXT: |a b|"}},
        {"\xE9t\xE9 \xFF", {"TEXT: |\xE9t\xE9 \xFF|"}},
        {"x &y z", {"TEXT: |x |"}},
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE("markup: " + c.markup);
        const AsciiHyperText document(c.markup);
        EXPECT_EQ(document.GetText(), Lines(c.lines));
    }
}

TEST(AsciiHyperText, EmptyChainGivesEmptyText) {
    EXPECT_EQ(AsciiHyperText().GetText(), "");
    EXPECT_EQ(AsciiHyperText("&").GetText(), ""); // an unfinished token alone leaves no element
}

// At most 255 characters of a line are kept; a longer line loses the rest and its CR LF.
TEST(AsciiHyperText, LongLinesAreCutAt255Characters) {
    struct Case {
        std::size_t textLength; // the line is "TEXT: |" + text + "|": 8 characters more
        std::string expectedLine;
    };
    const Case cases[] = {
        {245, "TEXT: |" + std::string(245, 'x') + "|\r\n"}, // 255 characters with CR LF
        {246, "TEXT: |" + std::string(246, 'x') + "|\r"},   // the LF is lost
        {247, "TEXT: |" + std::string(247, 'x') + "|"},     // CR and LF are lost
        {248, "TEXT: |" + std::string(248, 'x')},           // so is the closing bar
        {5000, "TEXT: |" + std::string(248, 'x')},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.textLength);
        const AsciiHyperText document(std::string(c.textLength, 'x') + "<BR>");
        EXPECT_EQ(document.GetText(), c.expectedLine + "<BR> \r\nTEXT: ||\r\n");
    }

    const AsciiHyperText image("<IMG SRC=" + std::string(400, 's') + ">");
    const std::string expected = "<IMG>  SRC=" + std::string(255 - 11, 's') + "TEXT: ||\r\n";
    EXPECT_EQ(image.GetText(), expected);
}

TEST(AsciiHyperText, ElementOperatorWritesTheLineWithoutLineEnd) {
    const AsciiHyperText document("one<FONT SIZE=3>&lt;");
    const HyperTextElement *element = document.first;
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(Printed(*element), "TEXT: |one|");
    ASSERT_NE(element->next, nullptr);
    EXPECT_EQ(Printed(*element->next), "<FONT>  FACE= SIZE=3 COLOR= BGCOLOR=");
    ASSERT_NE(element->next->next, nullptr);
    EXPECT_EQ(Printed(*element->next->next), "<SPCHR> ");
    EXPECT_EQ(Printed(HyperTextTag(99)), "<> ");
}

TEST(AsciiHyperText, RelativeValueOperator) {
    struct Case {
        HTRelativeValue value;
        const char *text;
    };
    const Case cases[] = {
        {{0, 0, false}, "?0"}, {{3, 1, false}, "3"},   {{2, 2, false}, "+2"},
        {{1, 3, true}, "-1%"}, {{50, 1, true}, "50%"}, {{-1, 2, false}, "+4294967295"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        std::ostringstream out;
        out << c.value;
        EXPECT_EQ(out.str(), c.text);
    }
}

// A color is written zero-filled to six hexadecimal digits; the stream's fill, width and base are
// back as they were afterwards.
TEST(AsciiHyperText, VariableOperatorRestoresTheStream) {
    std::int32_t color = 0x000000FF;
    const HTTagVariable variable = {"COLOR", HTColor, &color};
    std::ostringstream out;
    out.fill('*');
    out << variable << ' ' << 42;
    out.width(4);
    out << 7;
    EXPECT_EQ(out.str(), "COLOR=0000ff 42***7");
    EXPECT_EQ(out.fill(), '*');

    std::int32_t number = -12;
    std::string text = "a b";
    HTRelativeValue size = {5, 3, false};
    const HTTagVariable others[] = {
        {"WIDTH", HTInteger, &number}, {"SRC", HTString, &text}, {"SIZE", HTRelative, &size}};
    std::ostringstream all;
    for (const HTTagVariable &other : others)
        all << other << '|';
    EXPECT_EQ(all.str(), "WIDTH=-12|SRC=a b|SIZE=-5|");
}
