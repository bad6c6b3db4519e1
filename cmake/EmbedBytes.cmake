# Writes OUTPUT, a C++ source that defines BuiltinColorTableText() over the exact bytes of INPUT.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
"// Generated from ${INPUT}; do not edit.\n"
"#include \"resources/builtin_color_table.h\"\n\n"
"namespace {\nconst unsigned char bytes[${size} + 1] = {\n${bytes}0};\n}\n\n"
"std::string_view BuiltinColorTableText() { return std::string_view(reinterpret_cast<const char *>(bytes), ${size}); }\n")
