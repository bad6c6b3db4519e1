#include "hypertext/entities.h"

#include "hypertext/character_class.h"
#include "hypertext/elements.h"
#include "hypertext/keywords.h"

using namespace HyperTextChars;

// clang-format off
const HTEntity htEntities[htEntityCount] = {
    {"lt", 60},       {"gt", 62},      {"amp", 38},     {"quot", 34},    {"Aacute", 193},
    {"Agrave", 192},  {"Acirc", 194},  {"Atilde", 195}, {"Aring", 197},  {"Auml", 196},
    {"AElig", 198},   {"Ccedil", 199}, {"Eacute", 201}, {"Egrave", 200}, {"Ecirc", 202},
    {"Euml", 203},    {"Iacute", 205}, {"Igrave", 204}, {"Icirc", 206},  {"Iuml", 207},
    {"ETH", 208},     {"Ntilde", 209}, {"Oacute", 211}, {"Ograve", 210}, {"Ocirc", 212},
    {"Otilde", 213},  {"Ouml", 214},   {"Oslash", 216}, {"Uacute", 218}, {"Ugrave", 217},
    {"Ucirc", 219},   {"Uuml", 220},   {"Yacute", 221}, {"THORN", 222},  {"Szlig", 223},
    {"aacute", 225},  {"agrave", 224}, {"acirc", 226},  {"atilde", 227}, {"aring", 229},
    {"auml", 228},    {"aelig", 230},  {"ccedil", 231}, {"eacute", 233}, {"egrave", 232},
    {"ecirc", 234},   {"euml", 235},   {"iacute", 237}, {"igrave", 236}, {"icirc", 238},
    {"iuml", 239},    {"eth", 240},    {"ntilde", 241}, {"oacute", 243}, {"ograve", 242},
    {"ocirc", 244},   {"otilde", 245}, {"ouml", 246},   {"oslash", 248}, {"uacute", 250},
    {"ugrave", 249},  {"ucirc", 251},  {"uuml", 252},   {"yacute", 253}, {"thorn", 254},
    {"yuml", 255},    {"reg", 174},    {"copy", 169},   {"trade", 174},  {"nbsp", 32},
};
// clang-format on

std::int32_t FindEntityCode(const std::string &name) {
    for (const HTEntity &entity : htEntities) {
        if (name == entity.name)
            return entity.code;
    }
    return -1;
}

// "&name;" looks the name up; "&#" takes up to three decimal digits. Whatever follows the name or the
// digits is ignored, and a literal "SPCHR" tag (not starting with "&") stays unknown.
HyperTextSpecialCharTag::HyperTextSpecialCharTag(const std::string &token) : HyperTextTag(htSpecialChar) {
    const char *p = token.c_str();
    if (*p != '&')
        return;
    ++p;
    if (IsLetter(*p)) {
        std::string name;
        for (; IsLetter(*p); ++p)
            name += *p;
        character = FindEntityCode(name);
    } else if (*p == '#' && IsDigit(p[1])) {
        ++p;
        character = 0;
        for (int digits = 0; digits < 3 && IsDigit(*p); ++digits, ++p)
            character = character * 10 + (*p - '0');
    }
}
