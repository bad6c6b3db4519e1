#pragma once

#include <string>

#include "tables/data_table.h"

namespace cli {

constexpr const char *programName = "tintwick-cli";

// Standard input and output carry raw bytes, also in the Windows build.
void UseBinaryStandardStreams();

// Reads a whole file, or standard input when `path` is empty. On failure prints
// "tintwick-cli: cannot read FILE: reason" and returns false.
bool ReadInput(const std::string &path, std::string &bytes);

// Fills `table` with the color table from `path`, or the built-in one when `path` is empty.
bool LoadColorTable(const std::string &path, Orvak::DataBaseEngine::ConcreteDataTable &table);

// Writes bytes to standard output exactly as they are.
void WriteOut(const std::string &bytes);

// "tintwick-cli: message" on standard error.
void PrintError(const std::string &message);

}  // namespace cli
