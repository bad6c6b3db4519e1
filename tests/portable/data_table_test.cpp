#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tables/data_table.h"

using namespace Orvak::DataBaseEngine;

namespace {

// A record of up to four text fields; field 0 is its key.
class TextRecord : public DynamicDataRecord {
public:
    TextRecord() {
        for (std::string &field : fields)
            formats.push_back(new FieldFormat(Text, &field));
    }
    ~TextRecord() override {
        for (const FieldFormat *format : formats)
            delete format;
        ++destroyed;
    }
    const char *GetKey() const override { return fields[0].c_str(); }
    const FieldFormatList &GetFieldFormats() const override { return formats; }
    void ParseCustomField(std::uint16_t, const char *) override {}

    std::string fields[4];
    static int destroyed;

private:
    FieldFormatList formats;
};
int TextRecord::destroyed = 0;

DynamicDataRecord *CreateTextRecord() { return new TextRecord; }

// A record whose key is none.
class KeylessRecord : public TextRecord {
public:
    const char *GetKey() const override { return nullptr; }
};

using Rows = std::vector<std::vector<std::string>>;

Rows ReadRows(const std::string &text, std::uint16_t fieldCount) {
    ConcreteDataTable table;
    std::istringstream in(text);
    table.ReadFromStream(in, fieldCount, CreateTextRecord);
    Rows rows;
    for (std::uint32_t i = 0; i < table.GetCount(); ++i) {
        const auto *record = static_cast<const TextRecord *>(table.GetRecord(i));
        rows.emplace_back(record->fields, record->fields + fieldCount);
    }
    return rows;
}

const std::string marker = "<END OF TW TABLE MARKER>";

}  // namespace

TEST(ReadFromStream, LinesBecomeRecordsAsTheFormatSays) {
    struct Case {
        const char *what;
        std::string text;
        Rows expected;
    };
    const Case cases[] = {
        {"empty input", "", {}},
        {"comments, blank lines and the marker only", "#\r\n# References:\r\n\r\n\n\r\n" + marker + "\r\n", {}},
        {"CR LF line ends", "000000, Black\r\n000080, Navy\r\n", {{"000000", "Black"}, {"000080", "Navy"}}},
        {"a commented record is skipped", "#000000, Black\n", {}},
        {"a blank before # makes it data", " #000000, Black\n", {{"#000000", "Black"}}},
        {"three blanks give empty fields", "   \n", {{"", ""}}},
        {"two blanks and a CR give empty fields", "  \r\n", {{"", ""}}},
        {"two characters are too short", "ab\nA\r\n", {}},
        {"a third field is ignored", "a, b, c\n", {{"a", "b"}}},
        {"no comma: empty second field", "abc\n", {{"abc", ""}}},
        {"trailing white space stays", "a ,\t b \t\n", {{"a ", "b \t"}}},
        {"marker with text after it ends the table", "aaa\n" + marker + " more\nbbb, c\n", {{"aaa", ""}}},
        {"marker must be whole", "<END OF TW TABLE MARKE\n", {{"<END OF TW TABLE MARKE", ""}}},
        {"marker not in the first column is data", " " + marker + "\n", {{marker, ""}}},
        {"last line without LF", "a, b\nc, d", {{"a", "b"}, {"c", "d"}}},
        {"identical lines give two records", "a, b\na, b\n", {{"a", "b"}, {"a", "b"}}},
        {"a CR is only dropped at the end", "a\rb, c\r\n", {{"a\rb", "c"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadRows(c.text, 2), c.expected);
    }
}

TEST(ReadFromStream, LongLinesAreCutAt511AndTheirRestIsReadAsTheNextLine) {
    const std::string first(511, 'x');
    const Rows rows = ReadRows(first + "rest, tail\n", 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], std::string(63, 'x'));
    EXPECT_EQ(rows[1][0], "rest");

    // Exactly 511 characters and the LF: one line.
    EXPECT_EQ(ReadRows(first + "\nnext\n", 1).size(), 2u);
}

TEST(ReadFromStream, FieldsAreCutAt63AndTheNextFieldStartsRightAfter) {
    const std::string longField(70, 'a');
    const Rows rows = ReadRows(longField + ",b\n", 3);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], std::string(63, 'a'));
    EXPECT_EQ(rows[0][1], std::string(7, 'a'));
    EXPECT_EQ(rows[0][2], "b");
}

TEST(ReadFromStream, ReplacesPreviousContentsAndDeletesThem) {
    ConcreteDataTable table;
    std::istringstream first("one\ntwo\n");
    table.ReadFromStream(first, 1, CreateTextRecord);
    ASSERT_EQ(table.GetCount(), 2u);

    const int destroyedBefore = TextRecord::destroyed;
    std::istringstream second("three\n");
    table.ReadFromStream(second, 1, CreateTextRecord);
    EXPECT_EQ(TextRecord::destroyed - destroyedBefore, 2);
    EXPECT_EQ(table.GetCount(), 1u);
}

TEST(ReadFromStream, AFailedStreamReadsNothingFurther) {
    ConcreteDataTable table;
    std::istringstream in("aaa\n");
    in.setstate(std::ios::failbit);
    table.ReadFromStream(in, 1, CreateTextRecord);
    EXPECT_EQ(table.GetCount(), 0u);
}

TEST(DataTable, FindByKeyReturnsTheFirstMatch) {
    ConcreteDataTable table;
    std::istringstream in("red, 1\nblue, 2\nred, 3\n");
    table.ReadFromStream(in, 2, CreateTextRecord);
    table.AddRecord(new KeylessRecord);

    const auto *found = static_cast<const TextRecord *>(table.FindRecord("red"));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->fields[1], "1");
    EXPECT_EQ(table.FindIndex("blue"), 1);
    EXPECT_EQ(table.FindIndex("Red"), -1);
    EXPECT_EQ(table.FindRecord("green"), nullptr);
    EXPECT_EQ(table.FindIndex("green"), -1);
}

TEST(DataTable, ClearDeletesEveryRecordAndSkipsNullEntries) {
    ConcreteDataTable table;
    table.AddRecord(new TextRecord);
    table.AddRecord(nullptr);
    table.AddRecord(new TextRecord);
    const int destroyedBefore = TextRecord::destroyed;
    table.Clear();
    EXPECT_EQ(TextRecord::destroyed - destroyedBefore, 2);
    EXPECT_EQ(table.GetCount(), 0u);
}
