#include "hypertext/keywords.h"

// clang-format off
const char *const htKeywords[htKeywordCount] = {
    // tag names, by code
    "",        // 0: unknown
    "!--",     // 1
    "BR",      // 2
    "TAB",     // 3
    "B",       // 4
    "/B",      // 5
    "I",       // 6
    "/I",      // 7
    "U",       // 8
    "/U",      // 9
    "S",       // 10
    "/S",      // 11
    "SUP",     // 12
    "/SUP",    // 13
    "SUB",     // 14
    "/SUB",    // 15
    "FONT",    // 16
    "/FONT",   // 17
    "P",       // 18
    "IMG",     // 19
    "SPCHR",   // 20
    "A",       // 21
    "/A",      // 22
    "OL",      // 23
    "/OL",     // 24
    "UL",      // 25
    "/UL",     // 26
    "LI",      // 27
    "BOX",     // 28
    "/BOX",    // 29
    "MARGIN",  // 30
    // attribute names
    "FACE", "SIZE", "COLOR", "BGCOLOR",                                // "FONT"
    "HREF",                                                            // "A"
    "SRC", "WIDTH", "HEIGHT", "SUBX", "SUBY", "SUBWIDTH", "SUBHEIGHT",  // "IMG"
};
// clang-format on

const char *TagKeyword(std::int32_t code) {
    return code >= 0 && code < htTagKeywordCount ? htKeywords[code] : "";
}
