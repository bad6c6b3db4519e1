#pragma once

#include <string_view>

// The bytes of resources/color_table.txt, compiled in for code that has no resource section.
std::string_view BuiltinColorTableText();
