#include "tools/cli/cli_support.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "colors/color_data_entry.h"
#include "resources/builtin_color_table.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {

namespace {

bool ReadAll(std::FILE *file, std::string &bytes) {
    char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        bytes.append(chunk, got);
        if (got < sizeof chunk)
            return std::ferror(file) == 0;
    }
}

}  // namespace

void UseBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

void PrintError(const std::string &message) {
    std::fprintf(stderr, "%s: %s\n", programName, message.c_str());
}

bool ReadInput(const std::string &path, std::string &bytes) {
    bytes.clear();
    if (path.empty()) {
        if (ReadAll(stdin, bytes))
            return true;
        PrintError(std::string("cannot read standard input: ") + std::strerror(errno));
        return false;
    }
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    bool ok = file != nullptr && ReadAll(file, bytes);
    const int reason = errno;
    if (file != nullptr)
        std::fclose(file);
    if (!ok)
        PrintError("cannot read " + path + ": " + std::strerror(reason != 0 ? reason : EIO));
    return ok;
}

bool LoadColorTable(const std::string &path, Orvak::DataBaseEngine::ConcreteDataTable &table) {
    std::string text;
    if (path.empty())
        text = std::string(BuiltinColorTableText());
    else if (!ReadInput(path, text))
        return false;
    std::istringstream stream(text);
    table.ReadFromStream(stream, 2, CreateColorDataEntry);
    return true;
}

void WriteOut(const std::string &bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace cli
