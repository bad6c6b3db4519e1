#pragma once

#include "colors/color_data_entry.h"
#include "tables/data_table.h"

// A color matches an entry when each of its components lies within this distance of the entry's.
constexpr int ColorToleranceRadius = 4;

// True when each component of `color` lies within the tolerance of `entryColor`'s, bounds included.
bool ColorsWithinTolerance(ColorValue color, ColorValue entryColor);

// The first entry, in table order, within the tolerance of `color`; none when no entry fits.
const ColorDataEntry *FindColorName(const Orvak::DataBaseEngine::DataTable &table, ColorValue color);

// The name to show for `color`: the entry's name, or "not found".
const char *ColorNameOrNotFound(const Orvak::DataBaseEngine::DataTable &table, ColorValue color);
