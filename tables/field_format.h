#pragma once

#include <cstdint>

namespace Orvak {
namespace DataBaseEngine {

// How a field's text is stored. Codes 1, 2 and anything above 5 are accepted and store nothing.
enum FieldKind : std::int32_t {
    Text = 0,
    Float = 3,
    Double = 4,
    Custom = 5,
};

// Describes one field of a record: its kind and the record member that receives it.
struct FieldFormat {
    FieldFormat(std::int32_t fieldKind, void *fieldTarget) : kind(fieldKind), target(fieldTarget) {}

    const std::int32_t kind;
    void *const target;
};

}  // namespace DataBaseEngine
}  // namespace Orvak
