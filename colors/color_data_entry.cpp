#include "colors/color_data_entry.h"

#include <cstdlib>

using Orvak::DataBaseEngine::FieldFormat;
using Orvak::DataBaseEngine::FieldFormatList;

ColorDataEntry::ColorDataEntry()
    : formats(new FieldFormatList{new FieldFormat(Orvak::DataBaseEngine::Custom, nullptr),
                                  new FieldFormat(Orvak::DataBaseEngine::Text, &name)}) {}

ColorDataEntry::~ColorDataEntry() {
    for (const FieldFormat *format : *formats)
        delete format;
    delete formats;
}

const char *ColorDataEntry::GetKey() const {
    return nullptr;  // color entries have no key
}

const FieldFormatList &ColorDataEntry::GetFieldFormats() const {
    return *formats;
}

int ColorDataEntry::GetFieldCount() const {
    return 2;
}

void ColorDataEntry::ParseCustomField(std::uint16_t index, const char *text) {
    if (index != 0)
        return;
    // Read like "%X": leading white space, optional sign and "0x", hex digits of either case.
    // strtoull is used for its defined overflow; only the low 24 bits matter anyway.
    char *end = nullptr;
    const unsigned long long code = std::strtoull(text, &end, 16);
    if (end == text)
        return;  // not a color code: the color stays as it was
    // The text is written red first (RRGGBB); the Color value keeps red in its low byte.
    color = MakeColorValue((code >> 16) & 0xFF, (code >> 8) & 0xFF, code & 0xFF);
}

Orvak::DataBaseEngine::DynamicDataRecord *CreateColorDataEntry() {
    return new ColorDataEntry;
}
