#include <gtest/gtest.h>

#include <string>

#include "tables/data_record.h"

using namespace Orvak::DataBaseEngine;

namespace {

// A record with one field of every kind, plus two of the kinds that store nothing.
class AllKindsRecord : public DynamicDataRecord {
public:
    AllKindsRecord()
        : formats{new FieldFormat(Text, &text),     new FieldFormat(Float, &single), new FieldFormat(Double, &dbl),
                  new FieldFormat(Custom, nullptr), new FieldFormat(1, &text),       new FieldFormat(2, &text),
                  new FieldFormat(6, &text)} {}
    ~AllKindsRecord() override {
        for (const FieldFormat *format : formats)
            delete format;
    }
    const char *GetKey() const override { return text.c_str(); }
    const FieldFormatList &GetFieldFormats() const override { return formats; }
    void ParseCustomField(std::uint16_t index, const char *value) override {
        customIndex = index;
        customText = value;
    }

    std::string text = "unchanged";
    float single = -1;
    double dbl = -1;
    int customIndex = -1;
    std::string customText;

private:
    FieldFormatList formats;
};

enum Field : std::uint16_t { TextField, FloatField, DoubleField, CustomField, Kind1, Kind2, Kind6 };

}  // namespace

TEST(DynamicDataRecord, TextFieldTakesTheWholeTextTrailingBlanksIncluded) {
    AllKindsRecord record;
    record.SetField(TextField, "Dodger Blue  ");
    EXPECT_EQ(record.text, "Dodger Blue  ");
    record.SetField(TextField, "");
    EXPECT_EQ(record.text, "");
}

TEST(DynamicDataRecord, NumbersConvertLikeTheStandardDecimalConversion) {
    struct Case {
        const char *text;
        double expected;
    };
    const Case cases[] = {
        {" 2.5x", 2.5}, {"abc", 0}, {"", 0}, {"-3e2", -300}, {"\t7", 7}, {"1.5.5", 1.5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        AllKindsRecord record;
        record.SetField(DoubleField, c.text);
        record.SetField(FloatField, c.text);
        EXPECT_EQ(record.dbl, c.expected);
        EXPECT_EQ(record.single, static_cast<float>(c.expected));
    }
}

TEST(DynamicDataRecord, FloatFieldRoundsToSinglePrecision) {
    AllKindsRecord record;
    record.SetField(FloatField, "0.1");
    EXPECT_EQ(record.single, 0.1f);
    EXPECT_NE(static_cast<double>(record.single), 0.1);
}

TEST(DynamicDataRecord, CustomFieldIsHandedOnWithItsIndexAndText) {
    AllKindsRecord record;
    record.SetField(CustomField, " raw text,");
    EXPECT_EQ(record.customIndex, CustomField);
    EXPECT_EQ(record.customText, " raw text,");
}

TEST(DynamicDataRecord, UnknownKindsAndMissingFormatsStoreNothing) {
    AllKindsRecord record;
    for (std::uint16_t field : {std::uint16_t(Kind1), std::uint16_t(Kind2), std::uint16_t(Kind6), std::uint16_t(7), std::uint16_t(65535)})
        record.SetField(field, "changed");
    EXPECT_EQ(record.text, "unchanged");
    EXPECT_EQ(record.customIndex, -1);
}
