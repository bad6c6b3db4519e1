#pragma once

#include <map>

#include "hypertext/draw_device.h"
#include "hypertext/elements.h"
#include "hypertext/text_key_order.h"

// Image names that "#name" sources look up, with their bitmap resource ids. The map holds the name
// pointers it is given and does not own them.
extern std::map<const char *, unsigned int, lessThanCharPtr> imageRegistry;

// Drawn at the pen, in the font and colors in effect, when an image cannot be drawn.
constexpr const char *imageErrorText = "<< IMAGE ERROR! >>";

// Registers `name` for bitmap resource `resourceId`; `name` must stay valid while it is registered.
void RegisterImage(const char *name, unsigned int resourceId);

// The bitmap resource id registered for `name` (low 16 bits), or 0; never adds an entry.
unsigned short FindImageResource(const char *name);

// Draws the image of `tag` with its lower edge 2 pixels below the baseline and moves the pen right by
// the drawn width. On any failure the error text is drawn at the pen instead and the pen stays.
void DrawImage(HyperTextDevice &device, HyperTextPen &pen, const HyperTextImageTag &tag);
