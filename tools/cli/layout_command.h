#pragma once

#include "tools/cli/color_commands.h"

namespace cli {

// layout [--width N] [--dpi N] [FILE]: lays out markup from FILE or standard input on the fixed-metric
// device and prints what is drawn, one line per event, then the links.
int LayoutCommand(const Arguments &args);

} // namespace cli
