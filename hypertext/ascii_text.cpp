#include "hypertext/ascii_text.h"

#include <cstdint>
#include <locale>
#include <streambuf>

#include "hypertext/keywords.h"

namespace {

constexpr std::size_t lineBufferSize = 256;

// A stream buffer over a fixed line buffer: keeps room for the terminating zero and drops whatever
// does not fit.
class LineBuffer : public std::streambuf {
public:
    LineBuffer() { setp(line, line + lineBufferSize - 1); }
    const char *Text() {
        *pptr() = '\0';
        return line;
    }

protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }

private:
    char line[lineBufferSize];
};

const char *RelativeSign(std::int32_t mode) {
    static const char *const signs[] = {"?", "", "+", "-"};
    return mode >= 0 && mode < 4 ? signs[mode] : "?";
}

void WriteColor(std::ostream &out, std::int32_t color) {
    if (color == -1)
        return;
    const char fill = out.fill('0');
    const std::streamsize width = out.width(6);
    out << std::hex << static_cast<std::uint32_t>(color);
    out.fill(fill);
    out.width(width);
    out << std::dec;
}

void WriteTag(std::ostream &out, const HyperTextTag &tag) {
    out << '<' << TagKeyword(tag.code) << "> ";
    // GetVariables hands out writable targets; they are only read here.
    for (const HTTagVariable &variable : const_cast<HyperTextTag &>(tag).GetVariables())
        out << ' ' << variable;
}

} // namespace

std::ostream &operator<<(std::ostream &out, const HTRelativeValue &value) {
    out << RelativeSign(value.mode) << static_cast<std::uint32_t>(value.value);
    if (value.percent)
        out << '%';
    return out;
}

std::ostream &operator<<(std::ostream &out, const HTTagVariable &variable) {
    out << variable.name << '=';
    switch (variable.type) {
    case HTString:
        out << *static_cast<const std::string *>(variable.target);
        break;
    case HTInteger:
        out << *static_cast<const std::int32_t *>(variable.target);
        break;
    case HTRelative:
        out << *static_cast<const HTRelativeValue *>(variable.target);
        break;
    case HTColor:
        WriteColor(out, *static_cast<const std::int32_t *>(variable.target));
        break;
    default:
        break;
    }
    return out;
}

std::ostream &operator<<(std::ostream &out, const HyperTextElement &element) {
    if (element.IsTag())
        WriteTag(out, static_cast<const HyperTextTag &>(element));
    else
        out << "TEXT: |" << static_cast<const HyperTextBlock &>(element).text << '|';
    return out;
}

std::string AsciiHyperText::GetText() const {
    std::string result;
    for (const HyperTextElement *element = first; element != nullptr; element = element->next) {
        LineBuffer line;
        std::ostream out(&line);
        out.imbue(std::locale::classic());
        out << *element << "\r\n";
        result += line.Text();
    }
    return result;
}
