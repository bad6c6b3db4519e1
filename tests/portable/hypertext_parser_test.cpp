#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "hypertext/document.h"
#include "hypertext/entities.h"
#include "hypertext/keywords.h"

namespace {

std::string Quoted(const std::string &text) {
    return "\"" + text + "\"";
}

std::string ColorText(std::int32_t color) {
    if (color == -1)
        return "none";
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(color));
    return text;
}

// One line per element, with every field that the parser sets.
std::string Describe(const HyperTextElement &element) {
    if (!element.IsTag())
        return "text " + Quoted(static_cast<const HyperTextBlock &>(element).text);
    const auto &tag = static_cast<const HyperTextTag &>(element);
    if (const auto *font = dynamic_cast<const HyperTextFontTag *>(&tag)) {
        return "font face=" + Quoted(font->face) + " size=" + std::to_string(font->size.value) + "/mode" +
               std::to_string(font->size.mode) + (font->size.percent ? "%" : "") + " color=" + ColorText(font->color) +
               " bgcolor=" + ColorText(font->bgColor);
    }
    if (const auto *image = dynamic_cast<const HyperTextImageTag *>(&tag)) {
        return "img src=" + Quoted(image->src) + " " + std::to_string(image->width) + " " +
               std::to_string(image->height) + " " + std::to_string(image->subX) + " " + std::to_string(image->subY) +
               " " + std::to_string(image->subWidth) + " " + std::to_string(image->subHeight);
    }
    if (const auto *special = dynamic_cast<const HyperTextSpecialCharTag *>(&tag))
        return "char " + std::to_string(special->character);
    if (const auto *anchor = dynamic_cast<const HyperTextAnchorStartTag *>(&tag))
        return "a href=" + Quoted(anchor->href);
    return "tag " + std::to_string(tag.code);
}

std::vector<std::string> DescribeAll(const HyperText &document) {
    std::vector<std::string> lines;
    for (const HyperTextElement *element = document.first; element != nullptr; element = element->next)
        lines.push_back(Describe(*element));
    return lines;
}

struct ParseCase {
    std::string markup;
    std::vector<std::string> elements;
};

void CheckParses(const std::vector<ParseCase> &cases) {
    for (const ParseCase &c : cases) {
        SCOPED_TRACE("markup: " + c.markup);
        const HyperText document(c.markup);
        EXPECT_EQ(DescribeAll(document), c.elements);
    }
}

// Exposes the chain building to the tests.
class OpenDocument : public HyperText {
public:
    using HyperText::AppendToken;
    using HyperText::HyperText;
};

// Counts live instances, to see that a document deletes what it owns.
class CountedBlock : public HyperTextBlock {
public:
    CountedBlock() { ++alive; }
    ~CountedBlock() override { --alive; }
    static int alive;
};
int CountedBlock::alive = 0;

HyperTextElement *LastElement(const HyperText &document) {
    HyperTextElement *last = document.first;
    while (last != nullptr && last->next != nullptr)
        last = last->next;
    return last;
}

} // namespace

TEST(HyperTextParser, Tokenizer) {
    CheckParses({
        {"Hi <B>there</B>&amp;<BR>",
         {"text \"Hi \"", "tag 4", "text \"there\"", "tag 5", "char 38", "tag 2", "text \"\""}},
        {"", {"text \"\""}},
        {"plain", {"text \"plain\""}},
        {"<B>", {"tag 4", "text \"\""}},
        {"a > b; c", {"text \"a > b; c\""}},
        {"x &y z", {"text \"x \""}},
        {"x &y z; w", {"text \"x \"", "char -1", "text \" w\""}},
        {"<a<b>", {"text \"<a\"", "tag 4", "text \"\""}},
        {"a&b<B>", {"text \"a\"", "text \"&b\"", "tag 4", "text \"\""}},
        {"a\r\nb", {"text \"a b\""}},
        {"a\n\nb\r", {"text \"a  b\""}},
        {"<B\r\n>", {"tag 4", "text \"\""}},
        {"<B;", {"tag 0", "text \"\""}},
        {"<>", {"tag 0", "text \"\""}},
        {"<", {}},
        {"&", {}},
        {"&#", {}},
        {"x<", {"text \"x\""}},
        {"ab<FONT", {"text \"ab\""}},
        {"<B>&amp", {"tag 4"}},
        {">;", {"text \">;\""}},
    });
}

TEST(HyperTextParser, MarkupEndsAtTheFirstZeroByte) {
    CheckParses({
        {std::string("a\0<B>", 5), {"text \"a\""}},
        {std::string("<B>\0x", 5), {"tag 4", "text \"\""}},
        {std::string("\0", 1), {"text \"\""}},
    });
}

TEST(HyperTextParser, TagNames) {
    CheckParses({
        {"<b>", {"tag 4", "text \"\""}},
        {"<Br>", {"tag 2", "text \"\""}},
        {"<BR CLEAR=ALL>", {"tag 2", "text \"\""}},
        {"</FONT SIZE=3>", {"tag 17", "text \"\""}},
        {"<!-- note -->", {"tag 1", "text \"\""}},
        {"<!--note-->", {"tag 0", "text \"\""}},
        {"<!-- a > b -->", {"tag 1", "text \" b -->\""}},
        {"<!-- a; b -->", {"tag 1", "text \" b -->\""}},
        {"<margin>x</box>", {"tag 30", "text \"x\"", "tag 29", "text \"\""}},
        {"<FACE>", {"tag 0", "text \"\""}}, // attribute names are no tags
        {"<B\tx>", {"tag 4", "text \"\""}},
        {"<\xE9>", {"tag 0", "text \"\""}},
        {"<\xE2>", {"tag 0", "text \"\""}}, // a byte that upper-cases to nothing
        {"<spchr>", {"char -1", "text \"\""}},
        {"<SPCHR>", {"char -1", "text \"\""}},
    });
}

TEST(HyperTextParser, FontAttributes) {
    CheckParses({
        {"<FONT>", {"font face=\"\" size=0/mode0 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=+2>", {"font face=\"\" size=2/mode2 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=-1>", {"font face=\"\" size=1/mode3 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=3>", {"font face=\"\" size=3/mode1 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=50%>", {"font face=\"\" size=50/mode1% color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=\"+2\">", {"font face=\"\" size=0/mode1 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=1 SIZE=2>", {"font face=\"\" size=12/mode1 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=+>", {"font face=\"\" size=0/mode2 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=>", {"font face=\"\" size=0/mode0 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE = 3>", {"font face=\"\" size=3/mode1 color=none bgcolor=none", "text \"\""}},
        {"<font\nsize=4\nface=Arial>", {"font face=\"Arial\" size=4/mode1 color=none bgcolor=none", "text \"\""}},
        {"<FONT COLOR=#FF0000>", {"font face=\"\" size=0/mode0 color=ff0000 bgcolor=none", "text \"\""}},
        {"<FONT COLOR=ff0000>", {"font face=\"\" size=0/mode0 color=ff0000 bgcolor=none", "text \"\""}},
        {"<FONT COLOR=#ff0000>", {"font face=\"\" size=0/mode0 color=ff0000 bgcolor=none", "text \"\""}},
        {"<FONT COLOR=\"FF0000\">", {"font face=\"\" size=0/mode0 color=none bgcolor=none", "text \"\""}},
        {"<FONT COLOR=#>", {"font face=\"\" size=0/mode0 color=none bgcolor=none", "text \"\""}},
        {"<FONT BGCOLOR=ff COLOR=0>", {"font face=\"\" size=0/mode0 color=000000 bgcolor=0000ff", "text \"\""}},
        {"<FONT FACE=\"MS Sans Serif\">",
         {"font face=\"MS Sans Serif\" size=0/mode0 color=none bgcolor=none", "text \"\""}},
        {"<FONT ALIGN=RIGHT SIZE=2>", {"font face=\"\" size=2/mode1 color=none bgcolor=none", "text \"\""}},
        {"<FONT =3 SIZE>", {"font face=\"\" size=0/mode0 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=+2;x>", {"font face=\"\" size=2/mode2 color=none bgcolor=none", "text \"x>\""}},
    });
}

TEST(HyperTextParser, ImageAndAnchorAttributes) {
    CheckParses({
        {"<IMG SRC=pic WIDTH=-5>", {"img src=\"pic\" 5 -1 0 0 -1 -1", "text \"\""}},
        {"<IMG>", {"img src=\"\" -1 -1 0 0 -1 -1", "text \"\""}},
        {"<img src=a.bmp width=1 height=2 subx=3 suby=4 subwidth=5 subheight=6>",
         {"img src=\"a.bmp\" 1 2 3 4 5 6", "text \"\""}},
        {"<IMG WIDTH=x HEIGHT=\"7\" SUBX=+3>", {"img src=\"\" -1 -1 3 0 -1 -1", "text \"\""}},
        {"<A HREF=\"x y\">", {"a href=\"x y\"", "text \"\""}},
        {"<A HREF=x HREF=y>", {"a href=\"xy\"", "text \"\""}},
        {"<A HREF='x'>", {"a href=\"'x'\"", "text \"\""}},
        {"<A HREF=\"a;b\">", {"a href=\"a;\"", "text \"b\">\""}},
        {"<A HREF>", {"a href=\"\"", "text \"\""}},
        {"<A>", {"a href=\"\"", "text \"\""}},
        {"<a href=\"!trigger\">", {"a href=\"!trigger\"", "text \"\""}},
        {"<A HREF=\"unterminated>", {"a href=\"unterminated\"", "text \"\""}},
    });
}

// Characters that can start neither a name nor a value are passed over; a stray one in front of
// "=" leaves the value without a name.
TEST(HyperTextParser, StrayCharactersInAttributes) {
    CheckParses({
        {"<A /HREF=x>", {"a href=\"x\"", "text \"\""}},
        {"<A HREF=x , HREF=y>", {"a href=\"xy\"", "text \"\""}},
        {"<A HREF , =x>", {"a href=\"\"", "text \"\""}},
        {"<A \"HREF\"=x>", {"a href=\"\"", "text \"\""}},
        {"<FONT \xE9SIZE=2 \xFF>", {"font face=\"\" size=2/mode1 color=none bgcolor=none", "text \"\""}},
        {"<IMG SRC=\xE9\xFF>", {"img src=\"\xE9\xFF\" -1 -1 0 0 -1 -1", "text \"\""}},
    });
}

// Digit runs keep the low 32 bits of the number written; signed fields read them as signed.
TEST(HyperTextParser, LongNumbersWrapAround32Bits) {
    CheckParses({
        {"<IMG WIDTH=4294967297>", {"img src=\"\" 1 -1 0 0 -1 -1", "text \"\""}},
        {"<IMG WIDTH=2147483647>", {"img src=\"\" 2147483647 -1 0 0 -1 -1", "text \"\""}},
        {"<IMG WIDTH=2147483648>", {"img src=\"\" -2147483648 -1 0 0 -1 -1", "text \"\""}},
        {"<IMG HEIGHT=99999999999999999999>", {"img src=\"\" -1 1661992959 0 0 -1 -1", "text \"\""}},
        {"<FONT SIZE=4294967296>", {"font face=\"\" size=0/mode1 color=none bgcolor=none", "text \"\""}},
        {"<FONT SIZE=99999 SIZE=99999>", {"font face=\"\" size=1410065407/mode1 color=none bgcolor=none", "text \"\""}},
        {"<FONT COLOR=123456789>", {"font face=\"\" size=0/mode0 color=23456789 bgcolor=none", "text \"\""}},
        {"<FONT COLOR=#0123456789ABCDEF>", {"font face=\"\" size=0/mode0 color=89abcdef bgcolor=none", "text \"\""}},
    });
}

TEST(HyperTextParser, CharacterEntities) {
    struct Case {
        const char *markup;
        std::int32_t character;
    };
    const Case cases[] = {
        {"&lt;", 60},      {"&LT;", -1},    {"&Szlig;", 223}, {"&szlig;", -1}, {"&trade;", 174},
        {"&nbsp;", 32},    {"&#169;", 169}, {"&#1234;", 123}, {"&#;", -1},     {"&#x41;", -1},
        {"&amp2;", 38},    {"&ampx;", -1},  {"&amp>", 38},    {"&;", -1},      {"&>", -1},
        {"&#0;", 0},       {"&#999;", 999}, {"&#07;", 7},     {"& amp;", -1},  {"&\xE9;", -1},
        {"&copy x;", 169}, {"&reg;", 174},  {"&yuml;", 255},  {"&quot;", 34},  {"&#65x;", 65},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.markup);
        const HyperText document(c.markup);
        ASSERT_NE(document.first, nullptr);
        ASSERT_TRUE(document.first->IsTag());
        const auto *special = dynamic_cast<const HyperTextSpecialCharTag *>(document.first);
        ASSERT_NE(special, nullptr);
        EXPECT_EQ(special->code, 20);
        EXPECT_EQ(special->character, c.character);
        EXPECT_EQ(special->variableCount, 0);
    }
}

TEST(HyperTextParser, EveryEntityOfTheTable) {
    struct Row {
        const char *name;
        int code;
    };
    // clang-format off
    const Row rows[] = {
        {"lt", 60}, {"gt", 62}, {"amp", 38}, {"quot", 34}, {"Aacute", 193},
        {"Agrave", 192}, {"Acirc", 194}, {"Atilde", 195}, {"Aring", 197}, {"Auml", 196},
        {"AElig", 198}, {"Ccedil", 199}, {"Eacute", 201}, {"Egrave", 200}, {"Ecirc", 202},
        {"Euml", 203}, {"Iacute", 205}, {"Igrave", 204}, {"Icirc", 206}, {"Iuml", 207},
        {"ETH", 208}, {"Ntilde", 209}, {"Oacute", 211}, {"Ograve", 210}, {"Ocirc", 212},
        {"Otilde", 213}, {"Ouml", 214}, {"Oslash", 216}, {"Uacute", 218}, {"Ugrave", 217},
        {"Ucirc", 219}, {"Uuml", 220}, {"Yacute", 221}, {"THORN", 222}, {"Szlig", 223},
        {"aacute", 225}, {"agrave", 224}, {"acirc", 226}, {"atilde", 227}, {"aring", 229},
        {"auml", 228}, {"aelig", 230}, {"ccedil", 231}, {"eacute", 233}, {"egrave", 232},
        {"ecirc", 234}, {"euml", 235}, {"iacute", 237}, {"igrave", 236}, {"icirc", 238},
        {"iuml", 239}, {"eth", 240}, {"ntilde", 241}, {"oacute", 243}, {"ograve", 242},
        {"ocirc", 244}, {"otilde", 245}, {"ouml", 246}, {"oslash", 248}, {"uacute", 250},
        {"ugrave", 249}, {"ucirc", 251}, {"uuml", 252}, {"yacute", 253}, {"thorn", 254},
        {"yuml", 255}, {"reg", 174}, {"copy", 169}, {"trade", 174}, {"nbsp", 32},
    };
    // clang-format on
    ASSERT_EQ(std::size(rows), static_cast<std::size_t>(htEntityCount));
    std::set<std::string> names;
    for (int i = 0; i < htEntityCount; ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_STREQ(htEntities[i].name, rows[i].name);
        EXPECT_EQ(htEntities[i].code, rows[i].code);
        names.insert(htEntities[i].name);
        const HyperText document(std::string("&") + rows[i].name + ";");
        const auto *special = dynamic_cast<const HyperTextSpecialCharTag *>(document.first);
        ASSERT_NE(special, nullptr);
        EXPECT_EQ(special->character, rows[i].code);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(htEntityCount));
}

TEST(HyperTextParser, FindTagCode) {
    for (std::int32_t code = 0; code < htTagKeywordCount; ++code) {
        SCOPED_TRACE(htKeywords[code]);
        EXPECT_EQ(HyperText::FindTagCode(htKeywords[code]), code);
    }
    const char *const unknown[] = {"br", "FONTX", "FACE", "HREF", "SUBHEIGHT", "!--NOTE--", "B;", " B"};
    for (const char *name : unknown) {
        SCOPED_TRACE(name);
        EXPECT_EQ(HyperText::FindTagCode(name), 0);
    }
    EXPECT_STREQ(htKeywords[16], "FONT");
    EXPECT_STREQ(htKeywords[htFaceKeyword], "FACE");
    EXPECT_STREQ(htKeywords[htSubHeightKeyword], "SUBHEIGHT");
}

TEST(HyperTextParser, CreateTagChoosesTheClassByCode) {
    struct Case {
        std::int32_t code;
        const char *token;
        const char *description;
    };
    const Case cases[] = {
        {16, "<FONT SIZE=3>", "font face=\"\" size=3/mode1 color=none bgcolor=none"},
        {19, "<IMG SRC=x>", "img src=\"x\" -1 -1 0 0 -1 -1"},
        {20, "&gt;", "char 62"},
        {20, "<SPCHR>", "char -1"},
        {21, "<A HREF=y>", "a href=\"y\""},
        {2, "<BR SIZE=3>", "tag 2"},
        {0, "<whatever HREF=x>", "tag 0"},
        {30, "", "tag 30"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.token);
        HyperTextTag *tag = HyperText::CreateTag(c.code, c.token);
        EXPECT_EQ(tag->code, c.code);
        EXPECT_EQ(Describe(*tag), c.description);
        delete tag;
    }
}

// Tokens cut short, as only a direct caller can give them, are read up to their end and no further.
TEST(HyperTextParser, TruncatedTokens) {
    struct Case {
        std::int32_t code;
        const char *token;
        const char *description;
    };
    const Case cases[] = {
        {16, "<FONT SIZE=", "font face=\"\" size=0/mode0 color=none bgcolor=none"},
        {16, "<FONT SIZE=+", "font face=\"\" size=0/mode2 color=none bgcolor=none"},
        {16, "<FONT COLOR=#", "font face=\"\" size=0/mode0 color=none bgcolor=none"},
        {16, "<FONT FACE=\"Ari", "font face=\"Ari\" size=0/mode0 color=none bgcolor=none"},
        {16, "<FONT", "font face=\"\" size=0/mode0 color=none bgcolor=none"},
        {16, "<F", "font face=\"\" size=0/mode0 color=none bgcolor=none"},
        {16, "", "font face=\"\" size=0/mode0 color=none bgcolor=none"},
        {19, "<IMG WIDTH=-", "img src=\"\" -1 -1 0 0 -1 -1"},
        {21, "<A HREF=\"", "a href=\"\""},
        {21, "<A HREF=ab", "a href=\"ab\""},
        {20, "&", "char -1"},
        {20, "&#", "char -1"},
        {20, "&#12", "char 12"},
        {20, "&am", "char -1"},
        {20, "", "char -1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.token);
        const std::string token(c.token);
        HyperTextTag *tag = HyperText::CreateTag(c.code, token);
        EXPECT_EQ(Describe(*tag), c.description);
        delete tag;
    }
}

TEST(HyperTextParser, AppendTokenLinksBehindTheLastElement) {
    OpenDocument document;
    HyperTextElement *text = document.AppendToken(false, "abc", nullptr);
    EXPECT_EQ(document.first, text);
    HyperTextElement *font = document.AppendToken(true, "<FONT SIZE=3>", text);
    HyperTextElement *entity = document.AppendToken(true, "&amp;", font);
    HyperTextElement *unknown = document.AppendToken(true, "<zz>", entity);
    EXPECT_EQ(text->next, font);
    EXPECT_EQ(font->next, entity);
    EXPECT_EQ(entity->next, unknown);
    EXPECT_EQ(unknown->next, nullptr);
    const std::vector<std::string> expected = {"text \"abc\"", "font face=\"\" size=3/mode1 color=none bgcolor=none",
                                               "char 38", "tag 0"};
    EXPECT_EQ(DescribeAll(document), expected);
}

TEST(HyperTextDocument, GetVariables) {
    HyperText document("<FONT SIZE=2><IMG><A><BR>&amp;");
    auto *font = dynamic_cast<HyperTextFontTag *>(document.first);
    ASSERT_NE(font, nullptr);
    const std::vector<HTTagVariable> fontVariables = font->GetVariables();
    ASSERT_EQ(fontVariables.size(), 4u);
    const char *const fontNames[] = {"FACE", "SIZE", "COLOR", "BGCOLOR"};
    const std::int32_t fontTypes[] = {HTString, HTRelative, HTColor, HTColor};
    const void *const fontTargets[] = {&font->face, &font->size, &font->color, &font->bgColor};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(fontNames[i]);
        EXPECT_STREQ(fontVariables[i].name, fontNames[i]);
        EXPECT_EQ(fontVariables[i].type, fontTypes[i]);
        EXPECT_EQ(fontVariables[i].target, fontTargets[i]);
    }
    EXPECT_EQ(fontVariables[0].type, 0);
    EXPECT_EQ(fontVariables[1].type, 2);
    EXPECT_EQ(fontVariables[2].type, 3);

    auto *image = dynamic_cast<HyperTextImageTag *>(font->next);
    ASSERT_NE(image, nullptr);
    const std::vector<HTTagVariable> imageVariables = image->GetVariables();
    ASSERT_EQ(imageVariables.size(), 7u);
    const char *const imageNames[] = {"SRC", "WIDTH", "HEIGHT", "SUBX", "SUBY", "SUBWIDTH", "SUBHEIGHT"};
    const void *const imageTargets[] = {&image->src,  &image->width,    &image->height,   &image->subX,
                                        &image->subY, &image->subWidth, &image->subHeight};
    for (std::size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(imageNames[i]);
        EXPECT_STREQ(imageVariables[i].name, imageNames[i]);
        EXPECT_EQ(imageVariables[i].type, i == 0 ? HTString : HTInteger);
        EXPECT_EQ(imageVariables[i].target, imageTargets[i]);
    }

    auto *anchor = dynamic_cast<HyperTextAnchorStartTag *>(image->next);
    ASSERT_NE(anchor, nullptr);
    const std::vector<HTTagVariable> anchorVariables = anchor->GetVariables();
    ASSERT_EQ(anchorVariables.size(), 1u);
    EXPECT_STREQ(anchorVariables[0].name, "HREF");
    EXPECT_EQ(anchorVariables[0].type, HTString);
    EXPECT_EQ(anchorVariables[0].target, &anchor->href);
    // Names point into the keyword table.
    EXPECT_EQ(anchorVariables[0].name, htKeywords[htHrefKeyword]);

    auto *lineBreak = static_cast<HyperTextTag *>(anchor->next);
    EXPECT_EQ(lineBreak->code, 2);
    EXPECT_EQ(lineBreak->variableCount, 0);
    EXPECT_TRUE(lineBreak->GetVariables().empty());

    auto *special = dynamic_cast<HyperTextSpecialCharTag *>(lineBreak->next);
    ASSERT_NE(special, nullptr);
    EXPECT_TRUE(special->IsTag());
    EXPECT_TRUE(special->GetVariables().empty());
}

TEST(HyperTextDocument, TagsBuiltWithoutTokenHaveNoVariables) {
    HyperTextFontTag font;
    HyperTextImageTag image;
    HyperTextAnchorStartTag anchor;
    HyperTextSpecialCharTag special;
    HyperTextTag *const tags[] = {&font, &image, &anchor, &special};
    const std::int32_t codes[] = {16, 19, 21, 20};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(codes[i]);
        EXPECT_EQ(tags[i]->code, codes[i]);
        EXPECT_EQ(tags[i]->variableCount, 0);
        EXPECT_TRUE(tags[i]->GetVariables().empty());
        EXPECT_TRUE(tags[i]->IsTag());
    }
    EXPECT_EQ(Describe(font), "font face=\"\" size=0/mode0 color=none bgcolor=none");
    EXPECT_EQ(Describe(image), "img src=\"\" -1 -1 0 0 -1 -1");
    EXPECT_EQ(Describe(anchor), "a href=\"\"");
    EXPECT_EQ(Describe(special), "char -1");
    EXPECT_FALSE(HyperTextBlock().IsTag());
}

TEST(HyperTextDocument, ClearAndSetText) {
    HyperText empty;
    EXPECT_EQ(empty.first, nullptr);
    empty.Clear();
    EXPECT_EQ(empty.first, nullptr);

    HyperText document("one<B>two");
    document.SetText("<BR>");
    const std::vector<std::string> expected = {"tag 2", "text \"\""};
    EXPECT_EQ(DescribeAll(document), expected);
    document.Clear();
    EXPECT_EQ(document.first, nullptr);
    document.SetText("again");
    EXPECT_EQ(DescribeAll(document), std::vector<std::string>{"text \"again\""});
}

// The document deletes every element of its chain through the element's own destructor.
TEST(HyperTextDocument, DeletesEveryElement) {
    CountedBlock::alive = 0;
    {
        HyperText document("a<B>b&amp;c");
        auto *front = new CountedBlock;
        front->next = document.first;
        document.first = front;
        auto *middle = new CountedBlock;
        middle->next = document.first->next->next;
        document.first->next->next = middle;
        LastElement(document)->next = new CountedBlock;
        EXPECT_EQ(CountedBlock::alive, 3);

        document.SetText("x");
        EXPECT_EQ(CountedBlock::alive, 0);
        EXPECT_EQ(DescribeAll(document), std::vector<std::string>{"text \"x\""});

        LastElement(document)->next = new CountedBlock;
        document.Clear();
        EXPECT_EQ(CountedBlock::alive, 0);
        EXPECT_EQ(document.first, nullptr);

        document.SetText("<FONT SIZE=1>y");
        LastElement(document)->next = new CountedBlock;
        EXPECT_EQ(CountedBlock::alive, 1);
    }
    EXPECT_EQ(CountedBlock::alive, 0);
}
