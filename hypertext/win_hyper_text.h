#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "hypertext/document.h"
#include "hypertext/draw_device.h"
#include "hypertext/style_levels.h"

#ifdef _WIN32
class TDC;
class TPoint;
#endif

// A link's sensitive area; the right and bottom edges are outside it.
struct LinkRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    bool Contains(std::int32_t x, std::int32_t y) const { return left <= x && x < right && top <= y && y < bottom; }
};

// One link of the last drawing: its area and the "A" tag that opened it (owned by the document).
struct LinkData {
    LinkRect rect;
    HyperTextAnchorStartTag *anchor;
};

// A document that lays itself out and draws itself in one pass, wrapping words at `width`. No layout is
// kept; `links` is the only result that outlives a drawing.
class WinHyperText : public HyperText {
public:
    WinHyperText();
    explicit WinHyperText(const std::string &text);
    virtual ~WinHyperText();

    // Draws the whole document with its top-left corner at the origin and rebuilds `links`. Erases
    // nothing: text has no background box.
    void Draw(HyperTextDevice &device, std::int32_t originX, std::int32_t originY);
#ifdef _WIN32
    // Draws through GDI on a device context (tintwick_hypertext_display).
    void Draw(TDC &dc, const TPoint &origin);
#endif

    // The first link, in document order, whose area contains the point; null when there is none.
    const LinkData *FindLink(std::int32_t x, std::int32_t y) const;

    std::int32_t tabWidth = 30;
    std::deque<LinkData> links;
    DeviceColor textColor = DeviceColor::System(SystemColor::WindowText);
    DeviceColor backColor = DeviceColor::System(SystemColor::Window);
    DeviceColor linkColor = DeviceColor::Value(0x00FF0000); // pure blue
    std::int32_t width = 0;
    std::int32_t height = 0; // kept for the owner; the layout does not use it
    FontTagStack fontStack;  // style levels, only while Draw runs
};
