#pragma once

#include <string>

#include "colors/color_value.h"
#include "tables/data_record.h"

// One row of the named color table: a color code (field 0) and its name (field 1).
class ColorDataEntry : public Orvak::DataBaseEngine::DynamicDataRecord {
public:
    ColorDataEntry();
    ~ColorDataEntry() override;
    ColorDataEntry(const ColorDataEntry &) = delete;
    ColorDataEntry &operator=(const ColorDataEntry &) = delete;

    const char *GetKey() const override;
    const Orvak::DataBaseEngine::FieldFormatList &GetFieldFormats() const override;
    void ParseCustomField(std::uint16_t index, const char *text) override;
    virtual int GetFieldCount() const;

    ColorValue color = 0;  // stays 0 until a code is parsed
    std::string name;

private:
    Orvak::DataBaseEngine::FieldFormatList *formats;
};

// The record factory of the color table.
Orvak::DataBaseEngine::DynamicDataRecord *CreateColorDataEntry();
