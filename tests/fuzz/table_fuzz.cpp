// Feeds arbitrary bytes to the table reader with color records and reads every entry back.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "colors/color_data_entry.h"
#include "colors/color_naming.h"
#include "tables/data_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::uint16_t fieldCount = size > 0 ? static_cast<std::uint16_t>(data[0] % 4) : 2;

    Orvak::DataBaseEngine::ConcreteDataTable table;
    std::istringstream in(text);
    table.ReadFromStream(in, fieldCount, CreateColorDataEntry);
    for (std::uint32_t i = 0; i < table.GetCount(); ++i) {
        const auto *entry = static_cast<const ColorDataEntry *>(table.GetRecord(i));
        if (entry->name.size() > 63)
            __builtin_trap();
        FindColorName(table, entry->color);
    }
    return 0;
}
