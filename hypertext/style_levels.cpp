// Style levels: how each style tag edits the working font description, the pen and the style stack.
#include "hypertext/style_levels.h"

#include <cstdint>

#include "hypertext/keywords.h"
#include "hypertext/wrapping_arithmetic.h"

namespace {

// What one row of the style table may change.
struct StyleChange {
    const HyperTextTag &tag;
    FontDescription &description;
    HyperTextPen &pen;
    std::int32_t quarter;  // a quarter of the height of "|" in the font in effect before the tag
    FontTagData &newLevel; // colors of the level an opening tag pushes
    DeviceColor linkColor;
};

enum class StyleKind { Opening, Closing };

struct StyleRow {
    std::int32_t code;
    StyleKind kind;
    void (*change)(StyleChange &change);
};

void ShrinkForScript(FontDescription &description) {
    description.height = TwoThirdsStep(description.height);
    description.width = TwoThirdsStep(description.width);
}

void GrowAfterScript(FontDescription &description) {
    description.height = OneAndAHalfStep(description.height);
    description.width = OneAndAHalfStep(description.width);
}

void ApplyFontTag(StyleChange &change) {
    const auto *font = dynamic_cast<const HyperTextFontTag *>(&change.tag);
    if (font == nullptr)
        return;
    if (!font->face.empty())
        change.description.SetFaceName(font->face);
    std::int32_t &height = change.description.height;
    switch (font->size.mode) {
    case 1:
        height = font->size.value;
        break;
    case 2:
        height = Wrapping::Add(height, font->size.value);
        break;
    case 3:
        height = Wrapping::Subtract(height, font->size.value);
        break;
    default:
        break;
    }
    if (font->color != -1)
        change.newLevel.textColor = DeviceColor::Value(ColorValueFromMarkupColor(font->color));
    if (font->bgColor != -1)
        change.newLevel.backColor = DeviceColor::Value(ColorValueFromMarkupColor(font->bgColor));
}

// Superscript goes up a quarter of the outer font's height; subscript goes down twice the quarter (not half
// the height). Closing tags move back by the quarter of the font in effect when they are met.
const StyleRow styleRows[] = {
    {htBold, StyleKind::Opening, [](StyleChange &c) { c.description.weight = 700; }},
    {htBoldEnd, StyleKind::Closing, [](StyleChange &c) { c.description.weight = 400; }},
    {htItalic, StyleKind::Opening, [](StyleChange &c) { c.description.italic = 1; }},
    {htItalicEnd, StyleKind::Closing, [](StyleChange &c) { c.description.italic = 0; }},
    {htUnderline, StyleKind::Opening, [](StyleChange &c) { c.description.underline = 1; }},
    {htUnderlineEnd, StyleKind::Closing, [](StyleChange &c) { c.description.underline = 0; }},
    {htStrikeOut, StyleKind::Opening, [](StyleChange &c) { c.description.strikeOut = 1; }},
    {htStrikeOutEnd, StyleKind::Closing, [](StyleChange &c) { c.description.strikeOut = 0; }},
    {htSuperscript, StyleKind::Opening,
     [](StyleChange &c) {
         ShrinkForScript(c.description);
         c.pen.y = Wrapping::Subtract(c.pen.y, c.quarter);
     }},
    {htSuperscriptEnd, StyleKind::Closing,
     [](StyleChange &c) {
         GrowAfterScript(c.description);
         c.pen.y = Wrapping::Add(c.pen.y, c.quarter);
     }},
    {htSubscript, StyleKind::Opening,
     [](StyleChange &c) {
         ShrinkForScript(c.description);
         c.pen.y = Wrapping::Add(c.pen.y, Wrapping::Multiply(c.quarter, 2));
     }},
    {htSubscriptEnd, StyleKind::Closing,
     [](StyleChange &c) {
         GrowAfterScript(c.description);
         c.pen.y = Wrapping::Subtract(c.pen.y, Wrapping::Multiply(c.quarter, 2));
     }},
    {htFont, StyleKind::Opening, ApplyFontTag},
    {htFontEnd, StyleKind::Closing, [](StyleChange &) {}},
    {htAnchor, StyleKind::Opening,
     [](StyleChange &c) {
         c.description.underline = 1;
         c.newLevel.textColor = c.linkColor;
     }},
    {htAnchorEnd, StyleKind::Closing, [](StyleChange &c) { c.description.underline = 0; }},
};

const StyleRow *FindStyleRow(std::int32_t code) {
    for (const StyleRow &row : styleRows) {
        if (row.code == code)
            return &row;
    }
    return nullptr;
}

void PushLevel(StyleWalkState &state, const FontTagData &colors) {
    const DeviceFont font = state.device.MakeFont(state.description);
    state.device.ChangeFont(font);
    state.stack.push(FontTagData{font, colors.textColor, colors.backColor});
}

// Removes the top level and selects the font of the level below; the bottom level stays.
void PopLevel(StyleWalkState &state) {
    if (state.stack.size() <= 1)
        return;
    const DeviceFont removed = state.stack.top().font;
    state.stack.pop();
    const DeviceFont replaced = state.device.ChangeFont(state.stack.top().font);
    if (replaced != removed)
        state.device.ShowMessageText(fontConsistencyMessage);
    state.device.FreeFont(removed);
}

} // namespace

std::int32_t BaseFontHeight(std::int32_t pixelsPerInch) {
    // Single precision on purpose: 96 pixels per inch gives 1.3333334f, then 13.
    const float perPoint = static_cast<float>(pixelsPerInch * 0.013888888888888888);
    return static_cast<std::int32_t>(perPoint * 10.0f);
}

FontDescription MakeWorkingFontDescription(std::int32_t height) {
    FontDescription description;
    description.charSet = 1;
    description.height = height;
    description.SetFaceName(baseFontFace);
    return description;
}

std::int32_t TwoThirdsStep(std::int32_t value) {
    // The exact product with 0.6666666666666666 lies just below 2n/3, so multiples of 3 lose one.
    if (value == 0)
        return 0;
    const std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
    const std::int64_t step = (2 * magnitude - 1) / 3;
    return static_cast<std::int32_t>(value < 0 ? -step : step);
}

std::int32_t OneAndAHalfStep(std::int32_t value) {
    // n + n/2 with the half truncated toward zero is 1.5n truncated toward zero.
    return Wrapping::Add(value, value / 2);
}

ColorValue ColorValueFromMarkupColor(std::int32_t rrggbb) {
    const std::uint32_t bits = Wrapping::Bits(rrggbb);
    return MakeColorValue((bits >> 16) & 0xFFu, (bits >> 8) & 0xFFu, bits & 0xFFu);
}

bool IsOpeningStyleTag(std::int32_t code) {
    const StyleRow *row = FindStyleRow(code);
    return row != nullptr && row->kind == StyleKind::Opening;
}

bool IsClosingStyleTag(std::int32_t code) {
    const StyleRow *row = FindStyleRow(code);
    return row != nullptr && row->kind == StyleKind::Closing;
}

void ApplyStyleTag(StyleWalkState &state, const HyperTextTag &tag) {
    const StyleRow *row = FindStyleRow(tag.code);
    if (row == nullptr || state.stack.empty())
        return;
    const std::int32_t height = state.device.MeasureString("|", 1).height;
    FontTagData newLevel = state.stack.top();
    StyleChange change{tag, state.description, state.pen, height / 4, newLevel, state.linkColor};
    row->change(change);

    if (row->kind == StyleKind::Opening)
        PushLevel(state, newLevel);
    else
        PopLevel(state);

    state.device.ApplyTextColor(state.stack.top().textColor);
    state.device.ApplyBackColor(state.stack.top().backColor);
}
