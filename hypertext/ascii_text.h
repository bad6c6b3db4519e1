#pragma once

#include <ostream>
#include <string>

#include "hypertext/document.h"

// A document that writes itself as plain text, one line per element, to show what the parser made.
class AsciiHyperText : public HyperText {
public:
    AsciiHyperText() = default;
    explicit AsciiHyperText(const std::string &text) : HyperText(text) {}

    // One line per element, each ending with CR LF. A line is cut after 255 characters, losing its CR LF.
    std::string GetText() const;
};

// "TEXT: |text|" for a text block; "<KEYWORD> " and then " NAME=value" per attribute for a tag.
std::ostream &operator<<(std::ostream &out, const HyperTextElement &element);
// "NAME=value".
std::ostream &operator<<(std::ostream &out, const HTTagVariable &variable);
// A sign by mode ("?" when not given), the number unsigned, then "%" if set.
std::ostream &operator<<(std::ostream &out, const HTRelativeValue &value);
