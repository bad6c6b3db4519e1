#pragma once

#include <cstdint>
#include <string>

#include "hypertext/elements.h"

// A hypertext document: the chain of elements parsed from a markup text, in source order.
// It owns every element reachable from `first`.
class HyperText {
public:
    HyperText() = default;
    explicit HyperText(const std::string &text);
    HyperText(const HyperText &) = delete;
    HyperText &operator=(const HyperText &) = delete;
    ~HyperText();

    // Deletes every element; `first` is null afterwards.
    void Clear();
    // Replaces the document with the elements of `text`.
    void SetText(const std::string &text);

    // The tag code of an upper-case tag name; 0 for an empty or unknown name.
    static std::int32_t FindTagCode(const std::string &name);
    // A new tag of class and code `code`, reading its attributes or character from `token`.
    static HyperTextTag *CreateTag(std::int32_t code, const std::string &token);

    HyperTextElement *first = nullptr;

protected:
    // Appends the elements of `text`, up to its terminating zero, to an empty document.
    void Parse(const char *text);
    // Makes the element of one token and links it behind `last` (or as `first`); returns it.
    HyperTextElement *AppendToken(bool isTag, const std::string &token, HyperTextElement *last);
};
