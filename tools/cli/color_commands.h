#pragma once

#include <string>
#include <vector>

namespace cli {

using Arguments = std::vector<std::string>;

// Each command takes the arguments after its name and returns the exit code.
int NameCommand(const Arguments &args);
int TableCommand(const Arguments &args);
int AnalyzeCommand(const Arguments &args);

}  // namespace cli
