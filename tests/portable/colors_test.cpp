#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "colors/color_data_entry.h"
#include "colors/color_naming.h"
#include "colors/color_value.h"
#include "colors/coverage_analysis.h"
#include "resources/builtin_color_table.h"

using Orvak::DataBaseEngine::ConcreteDataTable;

namespace {

void ReadTable(ConcreteDataTable &table, const std::string &text) {
    std::istringstream in(text);
    table.ReadFromStream(in, 2, CreateColorDataEntry);
}

const ColorDataEntry &Entry(const ConcreteDataTable &table, std::uint32_t i) {
    return *static_cast<const ColorDataEntry *>(table.GetRecord(i));
}

struct Message {
    std::string caption;
    std::string text;
    bool operator==(const Message &other) const { return caption == other.caption && text == other.text; }
};

class RecordingPresenter : public MessagePresenter {
public:
    void Show(const char *text, const char *caption) override { shown.push_back({caption, text}); }
    std::vector<Message> shown;
};

class BuiltinTable : public ::testing::Test {
protected:
    void SetUp() override { ReadTable(table, std::string(BuiltinColorTableText())); }
    ConcreteDataTable table;
};

}  // namespace

TEST(ColorValue, ComponentsAndTexts) {
    struct Case {
        ColorValue color;
        unsigned red, green, blue;
        const char *hex;
        const char *rgb;
    };
    const Case cases[] = {
        {0x00000000, 0, 0, 0, "000000", "RGB (0, 0, 0)"},
        {0x00FFFFFF, 255, 255, 255, "ffffff", "RGB (255, 255, 255)"},
        {0x00FF901E, 30, 144, 255, "1e90ff", "RGB (30, 144, 255)"},
        {0x000A0B0C, 12, 11, 10, "0c0b0a", "RGB (12, 11, 10)"},
        {0xFFFFFFFF, 255, 255, 255, "ffffff", "RGB (255, 255, 255)"},  // a failed pixel read
        {0x12345678, 0x78, 0x56, 0x34, "785634", "RGB (120, 86, 52)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(Red(c.color), c.red);
        EXPECT_EQ(Green(c.color), c.green);
        EXPECT_EQ(Blue(c.color), c.blue);
        EXPECT_EQ(FormatHexCode(c.color), c.hex);
        EXPECT_EQ(FormatRgbText(Red(c.color), Green(c.color), Blue(c.color)), c.rgb);
    }
    EXPECT_EQ(FormatRgbText(-2147483647 - 1, 0, -1), "RGB (-2147483648, 0, -1)");
}

TEST(ColorDataEntry, CodesAreReadRedFirstIntoAColorValue) {
    struct Case {
        const char *line;
        ColorValue color;
        const char *name;
    };
    const Case cases[] = {
        {"000080, Navy", 0x00800000, "Navy"},
        {"FF4500, Orange-Red", 0x000045FF, "Orange-Red"},
        {"ff4500, lower case", 0x000045FF, "lower case"},
        {"1FF0000, seven digits", 0x000000FF, "seven digits"},
        {"12, short", 0x00120000, "short"},
        {"zz0000, not a code", 0, "not a code"},
        {"no comma", 0, ""},
        {"00FFFF, Cyan  /  Aqua", 0x00FFFF00, "Cyan  /  Aqua"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        ConcreteDataTable table;
        ReadTable(table, std::string(c.line) + "\r\n");
        ASSERT_EQ(table.GetCount(), 1u);
        EXPECT_EQ(Entry(table, 0).color, c.color);
        EXPECT_EQ(Entry(table, 0).name, c.name);
    }
}

TEST(ColorDataEntry, HasNoKeyAndTwoFields) {
    ColorDataEntry entry;
    EXPECT_EQ(entry.GetKey(), nullptr);
    EXPECT_EQ(entry.GetFieldCount(), 2);
    EXPECT_EQ(entry.color, 0u);
    entry.ParseCustomField(1, "FFFFFF");
    EXPECT_EQ(entry.color, 0u);
}

TEST_F(BuiltinTable, HoldsTheShippedRowsInOrder) {
    EXPECT_EQ(BuiltinColorTableText().size(), 3077u);
    ASSERT_EQ(table.GetCount(), 138u);
    EXPECT_EQ(Entry(table, 0).name, "Black");
    EXPECT_EQ(Entry(table, 0).color, 0x00000000u);
    EXPECT_EQ(Entry(table, 1).name, "Navy");
    EXPECT_EQ(Entry(table, 1).color, 0x00800000u);
    EXPECT_EQ(Entry(table, 137).name, "White");
    EXPECT_EQ(Entry(table, 137).color, 0x00FFFFFFu);
    EXPECT_EQ(Entry(table, 14).name, "Cyan  /  Aqua");
    EXPECT_EQ(Entry(table, 83).name, "Brimson");
    EXPECT_EQ(Entry(table, 135).name, "Ivory");
    EXPECT_EQ(Entry(table, 136).name, "Snow");
    EXPECT_EQ(table.FindRecord("Black"), nullptr);
    EXPECT_EQ(table.FindIndex("Black"), -1);
}

TEST_F(BuiltinTable, NamesTheFirstEntryWithinTheTolerance) {
    struct Case {
        unsigned red, green, blue;
        const char *name;
    };
    const Case cases[] = {
        {0, 0, 0, "Black"},          {4, 4, 4, "Black"},         {5, 0, 0, "not found"},
        {128, 0, 0, "Maroon"},       {132, 132, 132, "Gray"},    {133, 128, 128, "not found"},
        {127, 255, 0, "Lawn-Green"}, {131, 255, 0, "Chartreuse"}, {30, 144, 255, "Dodger Blue"},
        {200, 100, 50, "not found"}, {220, 20, 60, "Brimson"},   {255, 255, 255, "White"},
        {251, 251, 251, "Ghost White"},  // the first fitting entry wins over the nearer White
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(ColorNameOrNotFound(table, MakeColorValue(c.red, c.green, c.blue)), c.name);
    }
}

TEST_F(BuiltinTable, AnalysisReportsTheOneOverlapFromBothSidesThenTheSummary) {
    RecordingPresenter presenter;
    AnalyzeColorNamesDistribution(table, presenter);
    const std::vector<Message> expected = {
        {"Overlap Found!", "A  =  RGB (124, 252, 0)  =  Lawn-Green\nB  =  RGB (127, 255, 0)  =  Chartreuse\n"},
        {"Overlap Found!", "A  =  RGB (127, 255, 0)  =  Chartreuse\nB  =  RGB (124, 252, 0)  =  Lawn-Green\n"},
        {"TTintwickDlg::AnalyzeColorNamesDistribution",
         "Total number of entries in color table:  138\n\n"
         "Color tolerance radius:  4\n"
         "Number of overlaps found:  1\n\n"
         "Total color spectrum combinations ( 255 * 255 * 255 ):  16581375\n"
         "Color spectrum combinations covered:  100602  ( 0.606717% )\n"
         "Combinations covered per color entry: 729  ( 0.004396% )\n"},
    };
    EXPECT_EQ(presenter.shown, expected);
}

TEST(CoverageAnalysis, EmptyAndSingleEntryTables) {
    struct Case {
        const char *text;
        const char *coveredLine;
    };
    const Case cases[] = {
        {"", "Color spectrum combinations covered:  0  ( 0.000000% )\n"},
        {"FF0000, Red\n", "Color spectrum combinations covered:  729  ( 0.004396% )\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        ConcreteDataTable table;
        ReadTable(table, c.text);
        RecordingPresenter presenter;
        AnalyzeColorNamesDistribution(table, presenter);
        ASSERT_EQ(presenter.shown.size(), 1u);
        EXPECT_NE(presenter.shown[0].text.find(c.coveredLine), std::string::npos) << presenter.shown[0].text;
        EXPECT_NE(presenter.shown[0].text.find("Number of overlaps found:  0\n"), std::string::npos);
        EXPECT_EQ(FindColorName(ConcreteDataTable(), 0), nullptr);
    }
}

TEST(CoverageAnalysis, DistinctEntriesOfTheSameColorOverlap) {
    ConcreteDataTable table;
    ReadTable(table, "112233, One\n112233, Two\n");
    RecordingPresenter presenter;
    AnalyzeColorNamesDistribution(table, presenter);
    ASSERT_EQ(presenter.shown.size(), 3u);
    EXPECT_NE(presenter.shown[2].text.find("Number of overlaps found:  1\n"), std::string::npos);
    EXPECT_STREQ(ColorNameOrNotFound(table, 0x00332211), "One");
}
