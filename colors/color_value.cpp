#include "colors/color_value.h"

#include <cstdio>

std::string FormatHexCode(ColorValue color) {
    char text[8];
    std::snprintf(text, sizeof text, "%.2x%.2x%.2x", Red(color), Green(color), Blue(color));
    return text;
}

std::string FormatRgbText(int red, int green, int blue) {
    char text[48];  // room for three full-width signed numbers
    std::snprintf(text, sizeof text, "RGB (%d, %d, %d)", red, green, blue);
    return text;
}
