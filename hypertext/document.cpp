#include "hypertext/document.h"

HyperText::HyperText(const std::string &text) {
    Parse(text.c_str());
}

HyperText::~HyperText() {
    Clear();
}

void HyperText::Clear() {
    while (first != nullptr) {
        HyperTextElement *element = first;
        first = element->next;
        delete element;
    }
}

void HyperText::SetText(const std::string &text) {
    Clear();
    Parse(text.c_str());
}
