#pragma once

#include "tools/cli/color_commands.h"

namespace cli {

// markup [FILE]: parses markup from FILE or standard input and writes one line per element.
int MarkupCommand(const Arguments &args);

} // namespace cli
