#include "tools/cli/layout_command.h"

#include <cstdint>
#include <string>

#include "hypertext/fixed_metric_device.h"
#include "hypertext/win_hyper_text.h"
#include "tools/cli/cli_support.h"
#include "tools/cli/usage.h"

namespace cli {

namespace {

struct LayoutOptions {
    std::int32_t width = 300;
    std::int32_t dpi = 96;
    std::string path; // empty: standard input
};

// A whole decimal number with an optional sign, within [minimum, maximum].
bool ParseBoundedInteger(const std::string &text, std::int64_t minimum, std::int64_t maximum, std::int32_t &value) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    if (i == text.size())
        return false;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > (std::int64_t{1} << 32))
            return false;
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number < minimum || number > maximum)
        return false;
    value = static_cast<std::int32_t>(number);
    return true;
}

struct NumericOption {
    const char *name;
    std::int64_t minimum;
    std::int64_t maximum;
    std::int32_t LayoutOptions::*field;
};

const NumericOption numericOptions[] = {
    {"--width", INT32_MIN, INT32_MAX, &LayoutOptions::width},
    {"--dpi", 1, 100000, &LayoutOptions::dpi},
};

bool ParseLayoutArguments(const Arguments &args, LayoutOptions &options) {
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg.size() > 1 && arg[0] == '-') {
            const NumericOption *option = nullptr;
            for (const NumericOption &candidate : numericOptions) {
                if (arg == candidate.name)
                    option = &candidate;
            }
            if (option == nullptr) {
                PrintError("layout: unknown option '" + arg + "'");
                PrintUsageError("layout");
                return false;
            }
            if (i + 1 == args.size()) {
                PrintError(std::string("layout: ") + option->name + " needs a value");
                return false;
            }
            const std::string &value = args[++i];
            if (!ParseBoundedInteger(value, option->minimum, option->maximum, options.*(option->field))) {
                PrintError(std::string("layout: ") + option->name + " takes a whole number from " +
                           std::to_string(option->minimum) + " to " + std::to_string(option->maximum) + ", not '" +
                           value + "'");
                return false;
            }
        } else if (haveFile) {
            PrintError("layout: only one FILE may be given");
            PrintUsageError("layout");
            return false;
        } else {
            options.path = arg;
            haveFile = true;
        }
    }
    return true;
}

std::string FontField(const FontDescription &font) {
    return font.FaceName() + "," + std::to_string(font.height) + "," + std::to_string(font.weight) + "," +
           std::to_string(font.italic) + "," + std::to_string(font.underline) + "," + std::to_string(font.strikeOut);
}

std::string RectFields(const DeviceRect &rect) {
    return std::to_string(rect.x) + "\t" + std::to_string(rect.y) + "\t" + std::to_string(rect.width) + "\t" +
           std::to_string(rect.height);
}

std::string EventLine(const DrawnEvent &event) {
    switch (event.kind) {
    case DrawnEvent::Kind::Text:
        return "text\t" + std::to_string(event.x) + "\t" + std::to_string(event.y) + "\t" + FontField(event.font) +
               "\t" + FormatHexCode(event.textColor) + "\t" + FormatHexCode(event.backColor) + "\t" + event.text + "\n";
    case DrawnEvent::Kind::Image:
        return "image\t" + RectFields(event.target) + "\t" + RectFields(event.source) + "\t" + event.src + "\n";
    case DrawnEvent::Kind::Message:
        return "message\t" + event.text + "\n";
    }
    return std::string();
}

std::string LinkLine(const LinkData &link) {
    return "link\t" + std::to_string(link.rect.left) + "\t" + std::to_string(link.rect.top) + "\t" +
           std::to_string(link.rect.right) + "\t" + std::to_string(link.rect.bottom) + "\t" + link.anchor->href + "\n";
}

} // namespace

int LayoutCommand(const Arguments &args) {
    LayoutOptions options;
    if (!ParseLayoutArguments(args, options))
        return 2;
    std::string markup;
    if (!ReadInput(options.path, markup))
        return 2;

    // The parser reads up to the first zero byte.
    WinHyperText document(markup);
    document.width = options.width;
    FixedMetricDevice device(options.dpi);
    document.Draw(device, 0, 0);

    std::string output;
    for (const DrawnEvent &event : device.Events())
        output += EventLine(event);
    for (const LinkData &link : document.links)
        output += LinkLine(link);
    WriteOut(output);
    return 0;
}

} // namespace cli
