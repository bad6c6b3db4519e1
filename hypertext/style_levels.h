#pragma once

#include <cstdint>
#include <deque>
#include <stack>

#include "hypertext/draw_device.h"
#include "hypertext/elements.h"

// One style level: the font made for it (owned by the level) and its two colors.
struct FontTagData {
    DeviceFont font;
    DeviceColor textColor;
    DeviceColor backColor;
};

using FontTagStack = std::stack<FontTagData, std::deque<FontTagData>>;

// Shown when a closing style tag finds another font selected than the level it removes.
constexpr const char *fontConsistencyMessage = "prevFont != prevFont2";
constexpr const char *baseFontFace = "MS Sans Serif";

// The base cell height for a device with `pixelsPerInch` vertical pixels per inch: 13 at 96, 16 at 120.
std::int32_t BaseFontHeight(std::int32_t pixelsPerInch);

// The working description at the start of a drawing: all zero but the character set (1, the default
// one), the height and the face.
FontDescription MakeWorkingFontDescription(std::int32_t height);

// Two thirds, truncated toward zero, as multiplying by the double nearest to 2/3 (just below it) does:
// 13 gives 8, 12 gives 7, 3 gives 1.
std::int32_t TwoThirdsStep(std::int32_t value);
// One and a half, truncated toward zero: 8 gives 12, 7 gives 10. Wraps at 32 bits.
std::int32_t OneAndAHalfStep(std::int32_t value);

// A "FONT" color as written (0x00RRGGBB) as a Color value (0x00BBGGRR); the top byte is dropped.
ColorValue ColorValueFromMarkupColor(std::int32_t rrggbb);

bool IsOpeningStyleTag(std::int32_t code);
bool IsClosingStyleTag(std::int32_t code);

// What applying a style tag works on: the walk's device, style stack, working description and pen.
struct StyleWalkState {
    HyperTextDevice &device;
    FontTagStack &stack;
    FontDescription &description;
    HyperTextPen &pen;
    DeviceColor linkColor; // the text color of an "A" level
};

// Applies a style tag: edits the working description and the pen by the tag's row, pushes a level for an
// opening tag, removes the top level for a closing one (never the bottom level), then applies the top
// level's colors. A tag that is not a style tag changes nothing.
void ApplyStyleTag(StyleWalkState &state, const HyperTextTag &tag);
