// The tokenizer and the making of one element per token.
#include <string>

#include "hypertext/character_class.h"
#include "hypertext/document.h"
#include "hypertext/keywords.h"

using namespace HyperTextChars;

namespace {

// The name of a "<" token: from its second character up to whitespace, ">" or the end, upper-cased.
std::string TagName(const std::string &token) {
    std::string name;
    for (std::size_t i = 1; i < token.size() && token[i] != '>' && !IsSpace(token[i]); ++i)
        name += ToUpper(token[i]);
    return name;
}

} // namespace

// "<" and "&" open a token, giving up an open one as text; while a token is open, ">" and ";" close it.
// Quotes protect nothing. Line feeds become spaces and carriage returns vanish. An unfinished token at
// the end is dropped; otherwise the document ends with a text block, empty if need be.
void HyperText::Parse(const char *text) {
    std::string accumulator;
    bool tokenOpen = false;
    HyperTextElement *last = nullptr;
    for (const char *p = text; *p != '\0'; ++p) {
        const char c = *p;
        if (c == '\n') {
            accumulator += ' ';
        } else if (c == '\r') {
            continue;
        } else if (c == '<' || c == '&') {
            if (!accumulator.empty()) {
                last = AppendToken(false, accumulator, last);
                accumulator.clear();
            }
            tokenOpen = true;
            accumulator += c;
        } else if ((c == '>' || c == ';') && tokenOpen) {
            tokenOpen = false;
            accumulator += c;
            last = AppendToken(true, accumulator, last);
            accumulator.clear();
        } else {
            accumulator += c;
        }
    }
    if (!tokenOpen)
        AppendToken(false, accumulator, last);
}

HyperTextElement *HyperText::AppendToken(bool isTag, const std::string &token, HyperTextElement *last) {
    HyperTextElement *element = nullptr;
    if (!isTag)
        element = new HyperTextBlock(token);
    else if (!token.empty() && token[0] == '<')
        element = CreateTag(FindTagCode(TagName(token)), token);
    else
        element = CreateTag(htSpecialChar, token);

    if (first == nullptr) {
        first = element;
        return element;
    }
    if (last == nullptr) { // no last element given: link behind the end of the chain
        for (last = first; last->next != nullptr; last = last->next) {
        }
    }
    last->next = element;
    return element;
}

std::int32_t HyperText::FindTagCode(const std::string &name) {
    for (std::int32_t code = 0; code < htTagKeywordCount; ++code) {
        if (name == htKeywords[code])
            return code;
    }
    return htUnknownTag;
}

HyperTextTag *HyperText::CreateTag(std::int32_t code, const std::string &token) {
    switch (code) {
    case htFont:
        return new HyperTextFontTag(token);
    case htImage:
        return new HyperTextImageTag(token);
    case htSpecialChar:
        return new HyperTextSpecialCharTag(token);
    case htAnchor:
        return new HyperTextAnchorStartTag(token);
    default:
        return new HyperTextTag(code);
    }
}
