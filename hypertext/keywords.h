#pragma once

#include <cstdint>

// Tag codes: a tag's code is the index of its name in htKeywords.
enum HyperTextTagCode : std::int32_t {
    htUnknownTag = 0, // empty name; also every name that is not in the table
    htComment = 1,    // "!--"
    htBreak = 2,      // "BR"
    htTab = 3,        // "TAB"
    htBold = 4,
    htBoldEnd = 5,
    htItalic = 6,
    htItalicEnd = 7,
    htUnderline = 8,
    htUnderlineEnd = 9,
    htStrikeOut = 10,
    htStrikeOutEnd = 11,
    htSuperscript = 12,
    htSuperscriptEnd = 13,
    htSubscript = 14,
    htSubscriptEnd = 15,
    htFont = 16,
    htFontEnd = 17,
    htParagraph = 18,
    htImage = 19,
    htSpecialChar = 20, // "SPCHR"; every character entity has this code too
    htAnchor = 21,
    htAnchorEnd = 22,
    htOrderedList = 23,
    htOrderedListEnd = 24,
    htUnorderedList = 25,
    htUnorderedListEnd = 26,
    htListItem = 27,
    htBox = 28,
    htBoxEnd = 29,
    htMargin = 30,
};

// Indices of the attribute names in htKeywords, after the tag names.
enum HyperTextAttributeKeyword : std::int32_t {
    htFaceKeyword = 31, // "FONT"
    htSizeKeyword,
    htColorKeyword,
    htBgColorKeyword,
    htHrefKeyword, // "A"
    htSrcKeyword,  // "IMG"
    htWidthKeyword,
    htHeightKeyword,
    htSubXKeyword,
    htSubYKeyword,
    htSubWidthKeyword,
    htSubHeightKeyword,
};

constexpr int htTagKeywordCount = 31;
constexpr int htKeywordCount = 43;

// Upper-case keywords: the tag names by code, then the attribute names.
extern const char *const htKeywords[htKeywordCount];

// The keyword of a tag code, or "" for a code outside the tag names.
const char *TagKeyword(std::int32_t code);
