#pragma once

// Character classes of the C locale on single bytes, independent of the process locale:
// bytes 128 to 255 belong to no class and upper-casing changes only "a" to "z".
namespace HyperTextChars {

inline bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r'); // space, tab, line feed, vertical tab, form feed, return
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline bool IsLetterOrDigit(char c) {
    return IsLetter(c) || IsDigit(c);
}

// The value of a hexadecimal digit, or -1 for any other character.
inline int HexDigitValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

inline char ToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace HyperTextChars
