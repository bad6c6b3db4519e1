#pragma once

#include <cstdio>

namespace cli {

// The whole usage text, to `out`.
void PrintUsage(std::FILE *out);

// A command's arguments were wrong: the usage text on standard error.
void PrintUsageError(const char *command);

}  // namespace cli
