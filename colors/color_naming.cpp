#include "colors/color_naming.h"

namespace {

bool WithinTolerance(int component, int entryComponent) {
    return entryComponent - ColorToleranceRadius <= component && component <= entryComponent + ColorToleranceRadius;
}

}  // namespace

bool ColorsWithinTolerance(ColorValue color, ColorValue entryColor) {
    return WithinTolerance(Red(color), Red(entryColor)) && WithinTolerance(Green(color), Green(entryColor)) &&
           WithinTolerance(Blue(color), Blue(entryColor));
}

const ColorDataEntry *FindColorName(const Orvak::DataBaseEngine::DataTable &table, ColorValue color) {
    for (std::uint32_t i = 0; i < table.GetCount(); ++i) {
        const auto *entry = static_cast<const ColorDataEntry *>(table.GetRecord(i));
        if (ColorsWithinTolerance(color, entry->color))
            return entry;
    }
    return nullptr;
}

const char *ColorNameOrNotFound(const Orvak::DataBaseEngine::DataTable &table, ColorValue color) {
    const ColorDataEntry *entry = FindColorName(table, color);
    return entry != nullptr ? entry->name.c_str() : "not found";
}
