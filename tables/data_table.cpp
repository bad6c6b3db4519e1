#include "tables/data_table.h"

#include <cctype>
#include <cstring>

namespace Orvak {
namespace DataBaseEngine {

namespace {

constexpr std::size_t lineBufferSize = 512;   // at most 511 characters a line
constexpr std::size_t fieldBufferSize = 64;   // at most 63 characters a field
constexpr char endMarker[] = "<END OF TW TABLE MARKER>";
constexpr std::size_t endMarkerLength = sizeof endMarker - 1;

bool KeyEquals(const DataRecord *record, const char *key) {
    if (record == nullptr || key == nullptr)
        return false;
    const char *recordKey = record->GetKey();
    return recordKey != nullptr && std::strcmp(recordKey, key) == 0;
}

// Takes characters from `line` up to the next comma (consumed) or until the field buffer is full.
// Returns where the next field begins.
const char *TakeField(const char *line, char (&field)[fieldBufferSize]) {
    std::size_t length = 0;
    while (*line != '\0' && length < fieldBufferSize - 1) {
        const char c = *line++;
        if (c == ',')
            break;
        field[length++] = c;
    }
    field[length] = '\0';
    return line;
}

const char *SkipLeadingWhiteSpace(const char *text) {
    while (*text != '\0' && std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    return text;
}

}  // namespace

std::int32_t DataTable::FindIndex(const char *key) const {
    const std::uint32_t count = GetCount();
    for (std::uint32_t i = 0; i < count; ++i) {
        if (KeyEquals(GetRecord(i), key))
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

ConcreteDataTable::ConcreteDataTable() : records(new std::vector<const DataRecord *>) {}

ConcreteDataTable::~ConcreteDataTable() {
    Clear();
    delete records;
}

std::uint32_t ConcreteDataTable::GetCount() const {
    return static_cast<std::uint32_t>(records->size());
}

const DataRecord *ConcreteDataTable::GetRecord(std::uint32_t index) const {
    return (*records)[index];
}

const DataRecord *ConcreteDataTable::FindRecord(const char *key) const {
    for (const DataRecord *record : *records) {
        if (KeyEquals(record, key))
            return record;
    }
    return nullptr;
}

void ConcreteDataTable::AddRecord(const DataRecord *record) {
    records->push_back(record);
}

void ConcreteDataTable::Clear() {
    for (const DataRecord *record : *records)
        delete record;
    records->clear();
}

void ConcreteDataTable::ReadFromStream(std::istream &in, std::uint16_t fieldCount, RecordFactory factory) {
    Clear();
    char line[lineBufferSize];
    while (in.good()) {
        std::memset(line, 0, sizeof line);
        // getline stops at LF or after 511 characters; a full buffer sets failbit, which we clear so
        // that the rest of a long line is read as the next line.
        in.getline(line, sizeof line);
        const std::streamsize taken = in.gcount();
        if (taken == 0)
            break;  // data exhausted or stream broken
        if (in.fail() && !in.bad() && !in.eof())
            in.clear();

        const std::size_t length = std::strlen(line);
        if (length < 3 || line[0] == '#')
            continue;
        if (std::strncmp(line, endMarker, endMarkerLength) == 0)
            break;
        if (line[length - 1] == '\r')
            line[length - 1] = '\0';

        DynamicDataRecord *record = factory();
        const char *next = line;
        for (std::uint16_t i = 0; i < fieldCount; ++i) {
            char field[fieldBufferSize];
            next = TakeField(next, field);
            record->SetField(i, SkipLeadingWhiteSpace(field));
        }
        AddRecord(record);
    }
}

}  // namespace DataBaseEngine
}  // namespace Orvak
