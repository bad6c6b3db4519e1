#include "tables/data_record.h"

#include <cstdlib>
#include <string>

namespace Orvak {
namespace DataBaseEngine {

void DynamicDataRecord::SetField(std::uint16_t index, const char *text) {
    const FieldFormatList &formats = GetFieldFormats();
    if (index >= formats.size() || formats[index] == nullptr)
        return;  // no format for this field: nothing to store it in
    const FieldFormat &format = *formats[index];

    switch (format.kind) {
    case Text:
        *static_cast<std::string *>(format.target) = text;
        break;
    case Float:
        *static_cast<float *>(format.target) = static_cast<float>(std::strtod(text, nullptr));
        break;
    case Double:
        *static_cast<double *>(format.target) = std::strtod(text, nullptr);
        break;
    case Custom:
        ParseCustomField(index, text);
        break;
    default:
        break;
    }
}

}  // namespace DataBaseEngine
}  // namespace Orvak
