// tintwick-cli: the portable engines of Tintwick for scripts.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/cli/cli_support.h"
#include "tools/cli/color_commands.h"
#include "tools/cli/layout_command.h"
#include "tools/cli/markup_command.h"
#include "tools/cli/usage.h"

namespace cli {

namespace {

struct Command {
    const char *name;
    const char *synopsis;
    int (*run)(const Arguments &args);
};

const Command commands[] = {
    {"name", "name [--table FILE] COLOR...   name colors given as RRGGBB (optional leading #)", NameCommand},
    {"table", "table [FILE]                   list the entries of a color table", TableCommand},
    {"analyze", "analyze [FILE]                 run the coverage analysis of a color table", AnalyzeCommand},
    {"markup", "markup [FILE]                  list the elements that hypertext markup parses into", MarkupCommand},
    {"layout", "layout [--width N] [--dpi N] [FILE]  lay out hypertext markup and list what is drawn", LayoutCommand},
};

}  // namespace

void PrintUsage(std::FILE *out) {
    std::fprintf(out, "usage: %s COMMAND [ARGS]\n\ncommands:\n", programName);
    for (const Command &command : commands)
        std::fprintf(out, "  %s\n", command.synopsis);
    std::fprintf(out, "\nWithout FILE the built-in color table (or standard input for markup and layout) is used.\n");
}

void PrintUsageError(const char *command) {
    std::fprintf(stderr, "%s: wrong arguments for '%s'\n", programName, command);
    PrintUsage(stderr);
}

}  // namespace cli

int main(int argc, char **argv) {
    cli::UseBinaryStandardStreams();
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        cli::PrintUsage(stdout);
        return 0;
    }
    if (argc < 2) {
        cli::PrintUsage(stderr);
        return 2;
    }
    const cli::Arguments args(argv + 2, argv + argc);
    for (const cli::Command &command : cli::commands) {
        if (command.name == std::string(argv[1])) {
            const int code = command.run(args);
            std::fflush(stdout);
            return code;
        }
    }
    std::fprintf(stderr, "%s: unknown command '%s'\n", cli::programName, argv[1]);
    cli::PrintUsage(stderr);
    return 2;
}
