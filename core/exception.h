#pragma once

#include <string>

namespace Orvak {

// The library's one exception type: a plain value carrying a message text.
class Exception {
public:
    explicit Exception(const char *text) : message(text) {}
    explicit Exception(std::string text) : message(std::move(text)) {}

    std::string message;
};

}  // namespace Orvak
