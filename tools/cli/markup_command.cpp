#include "tools/cli/markup_command.h"

#include <string>

#include "hypertext/ascii_text.h"
#include "tools/cli/cli_support.h"
#include "tools/cli/usage.h"

namespace cli {

int MarkupCommand(const Arguments &args) {
    // At most one FILE; an option is a usage error ("-" alone names a file).
    if (args.size() > 1 || (args.size() == 1 && args[0].size() > 1 && args[0][0] == '-')) {
        PrintUsageError("markup");
        return 2;
    }
    std::string markup;
    if (!ReadInput(args.empty() ? std::string() : args[0], markup))
        return 2;
    // The parser reads up to the first zero byte.
    WriteOut(AsciiHyperText(markup).GetText());
    return 0;
}

} // namespace cli
