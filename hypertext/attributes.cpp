// Reading the attributes of "FONT", "IMG" and "A" tokens into their tags.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "hypertext/character_class.h"
#include "hypertext/elements.h"
#include "hypertext/keywords.h"

using namespace HyperTextChars;

namespace {

// Digit runs of any length keep the low 32 bits of the number written; signed fields read those
// bits as a signed number, without overflow.
std::int32_t AsSigned32(std::uint32_t bits) {
    if (bits <= 0x7FFFFFFFu)
        return static_cast<std::int32_t>(bits);
    return static_cast<std::int32_t>(bits - 0x80000000u) + INT32_MIN;
}

std::uint32_t AsUnsigned32(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

const char *ReadDecimalDigits(std::uint32_t &value, const char *p) {
    for (; IsDigit(*p); ++p)
        value = value * 10u + static_cast<std::uint32_t>(*p - '0');
    return p;
}

// A double-quoted text ends at the next quote, ">" or the end; the quote or ">" is consumed too.
// An unquoted one ends at whitespace, ">" or the end. The text is appended to the target.
const char *ReadString(std::string &target, const char *p) {
    if (*p == '"') {
        const char *start = ++p;
        while (*p != '\0' && *p != '"' && *p != '>')
            ++p;
        target.append(start, p);
        return *p != '\0' ? p + 1 : p;
    }
    const char *start = p;
    while (*p != '\0' && *p != '>' && !IsSpace(*p))
        ++p;
    target.append(start, p);
    return p;
}

// A sign is skipped and ignored; digits, if any, replace the target.
const char *ReadInteger(std::int32_t &target, const char *p) {
    if (*p == '+' || *p == '-')
        ++p;
    if (!IsDigit(*p))
        return p;
    std::uint32_t value = 0;
    p = ReadDecimalDigits(value, p);
    target = AsSigned32(value);
    return p;
}

// An optional "#"; hexadecimal digits, if any, replace the target as written (0x00RRGGBB).
const char *ReadColor(std::int32_t &target, const char *p) {
    if (*p == '#')
        ++p;
    if (HexDigitValue(*p) < 0)
        return p;
    std::uint32_t value = 0;
    for (int digit = HexDigitValue(*p); digit >= 0; digit = HexDigitValue(*++p))
        value = value * 16u + static_cast<std::uint32_t>(digit);
    target = AsSigned32(value);
    return p;
}

const char *ReadValue(const HTTagVariable &variable, const char *p) {
    switch (variable.type) {
    case HTString:
        return ReadString(*static_cast<std::string *>(variable.target), p);
    case HTInteger:
        return ReadInteger(*static_cast<std::int32_t *>(variable.target), p);
    case HTRelative:
        return ParseRelativeValue(*static_cast<HTRelativeValue *>(variable.target), p);
    case HTColor:
        return ReadColor(*static_cast<std::int32_t *>(variable.target), p);
    default:
        return p;
    }
}

// Where an unreadable value ends: the next whitespace, ">" or the end, none of them consumed.
const char *SkipValue(const char *p) {
    while (*p != '\0' && *p != '>' && !IsSpace(*p))
        ++p;
    return p;
}

// The run of letters and digits at `p`, upper-cased, becomes `name`.
const char *ReadName(std::string &name, const char *p) {
    name.clear();
    for (; IsLetterOrDigit(*p); ++p)
        name += ToUpper(*p);
    return p;
}

} // namespace

const char *ParseRelativeValue(HTRelativeValue &target, const char *p) {
    if (*p == '+' || *p == '-') {
        target.mode = *p == '+' ? 2 : 3;
        ++p;
    } else {
        target.mode = 1;
    }
    // The number is not reset: the digits of a repeated attribute append to the earlier ones.
    std::uint32_t value = AsUnsigned32(target.value);
    p = ReadDecimalDigits(value, p);
    target.value = AsSigned32(value);
    if (*p == '%') {
        target.percent = true;
        ++p;
    }
    return p;
}

const char *HyperTextTag::ParseValue(const char *p, std::vector<HTTagVariable> &variables, const std::string &name) {
    const char *end = p;
    for (const HTTagVariable &variable : variables) {
        if (name == variable.name)
            end = ReadValue(variable, p);
    }
    return end;
}

void HyperTextTag::ParseVariables(const char *token, std::vector<HTTagVariable> &variables) {
    variables = GetVariables();
    const std::size_t nameEnd = 1 + std::strlen(TagKeyword(code));
    const char *p = token + std::min(nameEnd, std::strlen(token));
    std::string name;
    bool valueExpected = false;
    while (*p != '\0' && *p != '>') {
        if (IsSpace(*p)) {
            ++p;
        } else if (*p == '=') {
            valueExpected = true;
            ++p;
        } else if (valueExpected) {
            const char *after = ParseValue(p, variables, name);
            p = after != p ? after : SkipValue(p);
            valueExpected = false;
        } else {
            const char *after = ReadName(name, p);
            // A character that can start neither a name nor a value is passed over.
            p = after != p ? after : p + 1;
        }
    }
    VariablesParsed(variables);
}

HyperTextFontTag::HyperTextFontTag(const std::string &token) : HyperTextTag(htFont) {
    variableCount = 4;
    std::vector<HTTagVariable> variables;
    ParseVariables(token.c_str(), variables);
}

HyperTextImageTag::HyperTextImageTag(const std::string &token) : HyperTextTag(htImage) {
    variableCount = 7;
    std::vector<HTTagVariable> variables;
    ParseVariables(token.c_str(), variables);
}

HyperTextAnchorStartTag::HyperTextAnchorStartTag(const std::string &token) : HyperTextTag(htAnchor) {
    variableCount = 1;
    std::vector<HTTagVariable> variables;
    ParseVariables(token.c_str(), variables);
}
