// Parses arbitrary bytes as hypertext markup, writes the document as plain text and checks what
// every element and line must look like.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hypertext/ascii_text.h"
#include "hypertext/keywords.h"

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Returns the number of elements.
std::size_t CheckElements(const HyperText &document, std::size_t markupLength) {
    std::size_t count = 0;
    for (const HyperTextElement *element = document.first; element != nullptr; element = element->next) {
        Check(++count <= markupLength + 1);
        if (!element->IsTag())
            continue;
        auto *tag = const_cast<HyperTextTag *>(static_cast<const HyperTextTag *>(element));
        Check(tag->code >= 0 && tag->code < htTagKeywordCount);
        Check(tag->GetVariables().size() == static_cast<std::size_t>(tag->variableCount));
        if (const auto *special = dynamic_cast<const HyperTextSpecialCharTag *>(tag))
            Check(special->character >= -1 && special->character <= 999);
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string markup(reinterpret_cast<const char *>(data), size);
    AsciiHyperText document(markup);

    // Each element gives one line of at most 255 characters.
    const std::size_t elements = CheckElements(document, size);
    Check(document.GetText().size() <= 255 * elements);

    // Parsing again into the same document replaces every element.
    document.SetText(markup.substr(size / 2));
    CheckElements(document, size);
    document.GetText();
    return 0;
}
