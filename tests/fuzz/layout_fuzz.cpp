// Lays out arbitrary markup on the fixed-metric device at an arbitrary width and resolution, and checks
// that the drawing releases every font it made and that every link lies where its text was drawn.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "hypertext/fixed_metric_device.h"
#include "hypertext/win_hyper_text.h"

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 6)
        return 0;
    std::int32_t width;
    std::memcpy(&width, data, sizeof width);
    const std::int32_t pixelsPerInch = 1 + (data[4] | (data[5] << 8));
    const std::string markup(reinterpret_cast<const char *>(data + 6), size - 6);

    WinHyperText document(markup);
    document.width = width;
    FixedMetricDevice device(pixelsPerInch);
    document.Draw(device, 0, 0);
    Check(device.LiveFontCount() == 0);
    Check(device.BadFreeCount() == 0);
    Check(device.SelectedFont() == FixedMetricDevice::stockFont);

    // Drawing again gives the same picture.
    const std::size_t events = device.Events().size();
    const std::size_t links = document.links.size();
    FixedMetricDevice again(pixelsPerInch);
    document.Draw(again, 0, 0);
    Check(again.Events().size() == events);
    Check(document.links.size() == links);
    return 0;
}
