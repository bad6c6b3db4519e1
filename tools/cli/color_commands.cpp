#include "tools/cli/color_commands.h"

#include <cstdio>

#include "colors/color_data_entry.h"
#include "colors/color_naming.h"
#include "colors/coverage_analysis.h"
#include "tools/cli/cli_support.h"
#include "tools/cli/usage.h"

namespace cli {

namespace {

using Orvak::DataBaseEngine::ConcreteDataTable;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Six hexadecimal digits, red first, with an optional leading "#".
bool ParseColorArgument(const std::string &arg, ColorValue &color) {
    const std::string digits = !arg.empty() && arg[0] == '#' ? arg.substr(1) : arg;
    if (digits.size() != 6)
        return false;
    for (char c : digits) {
        if (!IsHexDigit(c))
            return false;
    }
    const unsigned long code = std::stoul(digits, nullptr, 16);
    color = MakeColorValue((code >> 16) & 0xFF, (code >> 8) & 0xFF, code & 0xFF);
    return true;
}

// At most one FILE argument; anything else is a usage error.
bool TakeOptionalFile(const Arguments &args, const char *command, std::string &path) {
    if (args.size() > 1 || (args.size() == 1 && args[0].size() > 1 && args[0][0] == '-')) {
        PrintUsageError(command);
        return false;
    }
    path = args.empty() ? std::string() : args[0];
    return true;
}

class PrintingPresenter : public MessagePresenter {
public:
    void Show(const char *text, const char *caption) override {
        std::string block = std::string("[") + caption + "]\n" + text;
        if (block.back() != '\n')
            block += '\n';
        WriteOut(block + "---\n");
    }
};

}  // namespace

int NameCommand(const Arguments &args) {
    std::string tablePath;
    Arguments colors;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--table") {
            if (i + 1 == args.size()) {
                PrintUsageError("name");
                return 2;
            }
            tablePath = args[++i];
        } else {
            colors.push_back(args[i]);
        }
    }
    if (colors.empty()) {
        PrintUsageError("name");
        return 2;
    }
    ConcreteDataTable table;
    if (!LoadColorTable(tablePath, table))
        return 2;

    int exitCode = 0;
    for (const std::string &arg : colors) {
        ColorValue color = 0;
        if (!ParseColorArgument(arg, color)) {
            std::fflush(stdout);
            PrintError("not a color: " + arg);
            exitCode = 2;
            continue;
        }
        WriteOut(FormatHexCode(color) + "\t" + FormatRgbText(Red(color), Green(color), Blue(color)) + "\t" +
                 ColorNameOrNotFound(table, color) + "\n");
    }
    return exitCode;
}

int TableCommand(const Arguments &args) {
    std::string path;
    if (!TakeOptionalFile(args, "table", path))
        return 2;
    ConcreteDataTable table;
    if (!LoadColorTable(path, table))
        return 2;
    for (std::uint32_t i = 0; i < table.GetCount(); ++i) {
        const auto &entry = *static_cast<const ColorDataEntry *>(table.GetRecord(i));
        WriteOut(std::to_string(i) + "\t" + FormatHexCode(entry.color) + "\t" + entry.name + "\n");
    }
    return 0;
}

int AnalyzeCommand(const Arguments &args) {
    std::string path;
    if (!TakeOptionalFile(args, "analyze", path))
        return 2;
    ConcreteDataTable table;
    if (!LoadColorTable(path, table))
        return 2;
    PrintingPresenter presenter;
    AnalyzeColorNamesDistribution(table, presenter);
    return 0;
}

}  // namespace cli
