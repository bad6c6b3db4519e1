#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Types of attribute values.
enum HTVariableType : std::int32_t {
    HTString = 0,   // target is a std::string; the value is appended
    HTInteger = 1,  // target is a std::int32_t
    HTRelative = 2, // target is an HTRelativeValue
    HTColor = 3,    // target is a std::int32_t holding 0x00RRGGBB, -1 when not given
};

// A number that may be absolute or relative to the current one, as in SIZE=+2.
struct HTRelativeValue {
    std::int32_t value = 0; // the number as written, without its sign
    std::int32_t mode = 0;  // 0 not given, 1 absolute, 2 increase ("+"), 3 decrease ("-")
    bool percent = false;   // the number was followed by "%"
};

// One attribute of a tag. `name` points into htKeywords; `target` points at the tag's member and is
// valid only while the tag lives.
struct HTTagVariable {
    const char *name;
    std::int32_t type;
    void *target;
};

// An element of a document's chain: a run of text or a tag.
class HyperTextElement {
public:
    HyperTextElement() = default;
    HyperTextElement(const HyperTextElement &) = delete;
    HyperTextElement &operator=(const HyperTextElement &) = delete;
    virtual ~HyperTextElement() = default;

    virtual bool IsTag() const = 0;

    HyperTextElement *next = nullptr; // the following element of the same document
};

// A run of text as it stands in the source; entities are elements of their own.
class HyperTextBlock : public HyperTextElement {
public:
    HyperTextBlock() = default;
    explicit HyperTextBlock(const std::string &text) : text(text) {}
    bool IsTag() const override { return false; }

    std::string text;
};

// A tag identified by its code (an index into htKeywords), without attributes of its own.
class HyperTextTag : public HyperTextElement {
public:
    explicit HyperTextTag(std::int32_t code) : code(code) {}
    bool IsTag() const override { return true; }

    // The first `variableCount` entries of the class's attribute list, each pointing at its member.
    virtual std::vector<HTTagVariable> GetVariables();
    // Called once after the attributes of a token have been read, with the list used to read them.
    virtual void VariablesParsed(std::vector<HTTagVariable> &variables);

    // Reads the attributes after the tag name of `token` into this tag; `variables` receives the
    // list they were read through.
    void ParseVariables(const char *token, std::vector<HTTagVariable> &variables);
    // Reads one value at `p` into every entry named `name`; returns the position after it, or `p`
    // when no entry has that name or nothing could be read.
    const char *ParseValue(const char *p, std::vector<HTTagVariable> &variables, const std::string &name);

    std::int32_t variableCount = 0;
    std::int32_t code;

protected:
    // The first `variableCount` entries of `all`.
    std::vector<HTTagVariable> FirstVariables(std::vector<HTTagVariable> all) const;
};

// "FONT": face, size and colors of a style level.
class HyperTextFontTag : public HyperTextTag {
public:
    HyperTextFontTag();
    explicit HyperTextFontTag(const std::string &token);
    std::vector<HTTagVariable> GetVariables() override;

    std::string face;
    HTRelativeValue size;
    std::int32_t color = -1;   // 0x00RRGGBB as written
    std::int32_t bgColor = -1; // 0x00RRGGBB as written
};

// "IMG": an inline image and the part of it to show.
class HyperTextImageTag : public HyperTextTag {
public:
    HyperTextImageTag();
    explicit HyperTextImageTag(const std::string &token);
    std::vector<HTTagVariable> GetVariables() override;

    std::string src;
    std::int32_t width = -1;
    std::int32_t height = -1;
    std::int32_t subX = 0;
    std::int32_t subY = 0;
    std::int32_t subWidth = -1;
    std::int32_t subHeight = -1;
};

// A character entity such as "&amp;", or a literal "SPCHR" tag.
class HyperTextSpecialCharTag : public HyperTextTag {
public:
    HyperTextSpecialCharTag();
    explicit HyperTextSpecialCharTag(const std::string &token);

    std::int32_t character = -1; // -1: unknown entity or literal "SPCHR" tag
};

// "A": the start of a link.
class HyperTextAnchorStartTag : public HyperTextTag {
public:
    HyperTextAnchorStartTag();
    explicit HyperTextAnchorStartTag(const std::string &token);
    std::vector<HTTagVariable> GetVariables() override;

    std::string href;
};

// Reads a relative value at `p` into `target`; returns the position after it.
const char *ParseRelativeValue(HTRelativeValue &target, const char *p);
