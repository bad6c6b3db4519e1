#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "hypertext/bmp_size.h"
#include "hypertext/fixed_metric_device.h"
#include "hypertext/images.h"
#include "hypertext/trigger_functions.h"
#include "hypertext/win_hyper_text.h"
#include "tests/portable/hypertext_drawing_support.h"

namespace {

using drawing_test::BmpHeaders;
using drawing_test::WriteFile;

std::string TempPath(const std::string &name) {
    return ::testing::TempDir() + "tintwick_" + name;
}

TEST(HyperTextBmpSize, ReadsTheSizeFromTheHeaders) {
    struct BmpCase {
        const char *name;
        std::string bytes;
        bool ok;
        std::int32_t width, height;
    };
    const std::vector<BmpCase> cases = {
        {"info header", BmpHeaders(40, 40, 30), true, 40, 30},
        {"core header, 16-bit sizes", BmpHeaders(12, 65535, 2), true, 65535, 2},
        {"version 5 header", BmpHeaders(124, 7, 9), true, 7, 9},
        {"52, 56 and 108 bytes", BmpHeaders(52, 1, 1) + BmpHeaders(56, 2, 2), true, 1, 1},
        {"header of 108 bytes", BmpHeaders(108, 3, 4), true, 3, 4},
        {"top-down", BmpHeaders(40, 5, -6), true, 5, 6},
        {"pixel data not needed", BmpHeaders(40, 1, 1), true, 1, 1},
        {"lowest height", BmpHeaders(40, 5, INT32_MIN), false, 0, 0},
        {"zero width", BmpHeaders(40, 0, 6), false, 0, 0},
        {"negative width", BmpHeaders(40, -5, 6), false, 0, 0},
        {"zero height in a core header", BmpHeaders(12, 5, 0), false, 0, 0},
        {"unknown header size", BmpHeaders(64, 5, 6), false, 0, 0},
        {"header cut short", BmpHeaders(40, 5, 6).substr(0, 53), false, 0, 0},
        {"file header only", BmpHeaders(40, 5, 6).substr(0, 14), false, 0, 0},
        {"not BM", "BA" + BmpHeaders(40, 5, 6).substr(2), false, 0, 0},
        {"empty", "", false, 0, 0},
    };
    for (const BmpCase &c : cases) {
        SCOPED_TRACE(c.name);
        std::int32_t width = 0;
        std::int32_t height = 0;
        EXPECT_EQ(ReadBmpSize(c.bytes, width, height), c.ok);
        if (c.ok) {
            EXPECT_EQ(width, c.width);
            EXPECT_EQ(height, c.height);
        }
    }
}

class HyperTextImages : public ::testing::Test {
protected:
    void SetUp() override { WriteFile(bitmap, BmpHeaders(40, 40, 30)); }
    void TearDown() override { std::remove(bitmap.c_str()); }

    // The events of drawing the image of `tag` attributes at pen (10, 50), and the pen afterwards.
    std::vector<std::string> DrawAtPen(const std::string &attributes, HyperTextPen &pen) {
        HyperTextImageTag tag("<IMG " + attributes + ">");
        FixedMetricDevice device;
        pen = HyperTextPen{10, 50};
        DrawImage(device, pen, tag);
        return drawing_test::DescribeEvents(device);
    }

    const std::string bitmap = TempPath("40x30.bmp");
};

TEST_F(HyperTextImages, SizesAndPartsOfA40By30Bitmap) {
    struct ImageCase {
        const char *attributes;
        std::string target, source;
        std::int32_t penX;
    };
    const std::vector<ImageCase> cases = {
        {"", "10 22 40 30", "0 0 40 30", 50},
        {"SUBX=10 SUBWIDTH=20", "10 22 20 30", "10 0 20 30", 30},
        {"SUBX=10", "10 22 40 30", "10 0 30 30", 50},
        {"WIDTH=80 SUBWIDTH=20", "10 22 80 30", "0 0 20 30", 90},
        {"SUBY=5 SUBHEIGHT=10", "10 42 40 10", "0 5 40 10", 50},
        {"SUBY=5", "10 22 40 30", "0 5 40 25", 50},
        {"HEIGHT=60 SUBHEIGHT=10", "10 -8 40 60", "0 0 40 10", 50},
        {"HEIGHT=0", "10 52 40 0", "0 0 40 30", 50},
        {"WIDTH=0", "10 22 0 30", "0 0 40 30", 10},
        {"SUBX=50", "10 22 40 30", "50 0 -10 30", 50},
        {"WIDTH=4294967286", "10 22 -10 30", "0 0 40 30", 0},
        {"HEIGHT=2147483648", "10 -2147483596 40 -2147483648", "0 0 40 30", 50},
    };
    for (const ImageCase &c : cases) {
        SCOPED_TRACE(c.attributes);
        HyperTextPen pen{0, 0};
        const std::vector<std::string> events = DrawAtPen("SRC=" + bitmap + " " + c.attributes, pen);
        EXPECT_EQ(events, std::vector<std::string>{"image " + c.target + " " + c.source + " " + bitmap});
        EXPECT_EQ(pen.x, c.penX);
        EXPECT_EQ(pen.y, 50);
    }
}

TEST_F(HyperTextImages, FailuresDrawTheErrorTextAndLeaveThePen) {
    const std::string notBitmap = TempPath("not-a-bitmap.bmp");
    WriteFile(notBitmap, "just text, no bitmap headers at all here");
    static const char registeredName[] = "logo";
    RegisterImage(registeredName, 10001);
    for (const std::string &attributes :
         {std::string("SRC=") + TempPath("missing.bmp"), std::string(""), std::string("SRC=#nothing"),
          std::string("SRC=#logo"), std::string("SRC=#"), "SRC=" + notBitmap}) {
        SCOPED_TRACE(attributes);
        HyperTextPen pen{0, 0};
        EXPECT_EQ(DrawAtPen(attributes, pen),
                  std::vector<std::string>{"text 10 50 System,16,700,0,0,0 000000 ffffff |<< IMAGE ERROR! >>|"});
        EXPECT_EQ(pen.x, 10);
        EXPECT_EQ(pen.y, 50);
    }
    imageRegistry.erase(registeredName);
    std::remove(notBitmap.c_str());
}

TEST_F(HyperTextImages, InTheWalkAnImageStandsOnTheBaselineAndMakesNoWrapTest) {
    const std::string base = "MS Sans Serif,13,0,0,0,0 000000 ffffff";
    EXPECT_EQ(drawing_test::DrawLines("a<IMG SRC=" + bitmap + ">b", 300),
              (std::vector<std::string>{"text 5 13 " + base + " |a|", "image 11 -15 40 30 0 0 40 30 " + bitmap,
                                        "text 51 13 " + base + " |b|"}));
    EXPECT_EQ(drawing_test::DrawLines("<IMG SRC=" + bitmap + ">", 0),
              std::vector<std::string>{"image 5 -15 40 30 0 0 40 30 " + bitmap});
}

TEST_F(HyperTextImages, TextAfterAFailedImageStartsAtTheSamePlace) {
    const std::string base = "MS Sans Serif,13,0,0,0,0 000000 ffffff";
    EXPECT_EQ(drawing_test::DrawLines("<B><IMG SRC=" + TempPath("missing.bmp") + "></B>b", 300),
              (std::vector<std::string>{"text 5 13 MS Sans Serif,13,700,0,0,0 000000 ffffff |<< IMAGE ERROR! >>|",
                                        "text 5 13 " + base + " |b|"}));
}

TEST_F(HyperTextImages, WhereLinkAreasOverlapTheEarlierLinkWins) {
    // An image with a negative width moves the pen back into the first link.
    WinHyperText document("<A HREF=one>abcd</A><IMG SRC=" + bitmap + " WIDTH=4294967286><A HREF=two>ab</A>");
    document.width = 300;
    FixedMetricDevice device;
    document.Draw(device, 0, 0);
    EXPECT_EQ(drawing_test::DescribeLinks(document),
              (std::vector<std::string>{"link 5 3 29 16 one", "link 19 3 31 16 two"}));
    ASSERT_NE(document.FindLink(20, 10), nullptr);
    EXPECT_EQ(document.FindLink(20, 10)->anchor->href, "one");
    ASSERT_NE(document.FindLink(30, 10), nullptr);
    EXPECT_EQ(document.FindLink(30, 10)->anchor->href, "two");
}

TEST(HyperTextRegistries, ImageNamesAreComparedAsTextAndLookupsAddNothing) {
    static const char name[] = "banner";
    RegisterImage(name, 0x12345);
    const std::string sameText = "banner";
    EXPECT_EQ(FindImageResource(sameText.c_str()), 0x2345);
    EXPECT_EQ(FindImageResource("Banner"), 0);
    EXPECT_EQ(FindImageResource(""), 0);
    EXPECT_EQ(imageRegistry.size(), 1u);
    imageRegistry.erase(name);
    EXPECT_TRUE(imageRegistry.empty());
}

int triggerCalls = 0;
void CountTrigger() {
    ++triggerCalls;
}

TEST(HyperTextRegistries, TriggerFunctionsAreFoundByNameAndLookupsAddNothing) {
    EXPECT_TRUE(triggerFunctions.empty());
    EXPECT_EQ(FindTriggerFunction(""), nullptr);
    EXPECT_EQ(FindTriggerFunction("count"), nullptr);
    EXPECT_TRUE(triggerFunctions.empty());

    static const char name[] = "count";
    RegisterTriggerFunction(name, CountTrigger);
    const std::string sameText = "count";
    TriggerFunction function = FindTriggerFunction(sameText.c_str());
    ASSERT_NE(function, nullptr);
    function();
    EXPECT_EQ(triggerCalls, 1);
    EXPECT_EQ(FindTriggerFunction("Count"), nullptr);
    EXPECT_EQ(triggerFunctions.size(), 1u);
    triggerFunctions.erase(name);
}

TEST(HyperTextRegistries, KeysAreOrderedByTextNotByAddress) {
    const lessThanCharPtr less;
    const std::string a = "abc";
    const std::string b = "abd";
    EXPECT_TRUE(less(a.c_str(), b.c_str()));
    EXPECT_FALSE(less(b.c_str(), a.c_str()));
    const std::string copy = a;
    EXPECT_FALSE(less(a.c_str(), copy.c_str()));
    EXPECT_FALSE(less(copy.c_str(), a.c_str()));
}

} // namespace
