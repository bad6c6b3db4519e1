#pragma once

#include <cstdint>
#include <istream>
#include <vector>

#include "tables/data_record.h"

namespace Orvak {
namespace DataBaseEngine {

// Makes a new, empty record whose format list covers the fields the reader will store.
using RecordFactory = DynamicDataRecord *(*)();

// An ordered collection of records, with access by index and look-up by key.
class DataTable {
public:
    virtual ~DataTable() = default;
    virtual std::uint32_t GetCount() const = 0;
    virtual const DataRecord *GetRecord(std::uint32_t index) const = 0;
    virtual const DataRecord *FindRecord(const char *key) const = 0;
    virtual std::int32_t FindIndex(const char *key) const;
};

// A table that owns its records in a growable list and reads itself from comma-separated text.
class ConcreteDataTable : public DataTable {
public:
    ConcreteDataTable();
    ~ConcreteDataTable() override;
    ConcreteDataTable(const ConcreteDataTable &) = delete;
    ConcreteDataTable &operator=(const ConcreteDataTable &) = delete;

    std::uint32_t GetCount() const override;
    const DataRecord *GetRecord(std::uint32_t index) const override;
    const DataRecord *FindRecord(const char *key) const override;

    void AddRecord(const DataRecord *record);
    void Clear();
    void ReadFromStream(std::istream &in, std::uint16_t fieldCount, RecordFactory factory);

private:
    std::vector<const DataRecord *> *records;
};

}  // namespace DataBaseEngine
}  // namespace Orvak
