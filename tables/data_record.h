#pragma once

#include <cstdint>
#include <vector>

#include "tables/field_format.h"

namespace Orvak {
namespace DataBaseEngine {

// A record of a table: something that can be keyed and filled field by field.
class DataRecord {
public:
    virtual ~DataRecord() = default;
    virtual const char *GetKey() const = 0;
    virtual void SetField(std::uint16_t index, const char *text) = 0;
};

using FieldFormatList = std::vector<const FieldFormat *>;

// A record that stores its fields through a list of field formats pointing at its own members.
class DynamicDataRecord : public DataRecord {
public:
    void SetField(std::uint16_t index, const char *text) override;
    virtual const FieldFormatList &GetFieldFormats() const = 0;
    virtual void ParseCustomField(std::uint16_t index, const char *text) = 0;
};

}  // namespace DataBaseEngine
}  // namespace Orvak
