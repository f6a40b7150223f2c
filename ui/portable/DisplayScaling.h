#pragma once

// Sizes that follow the display's dots per inch.

namespace fennick {

// The height of a font description for a character of `points` points at `dotsPerInch`, scaled
// by `heightPercent`: negative, so that it names the character height rather than the cell's.
long ScaledFontHeight(int dotsPerInch, double points, double heightPercent);

// The average character width for a font of `height`: 0 (the face's own proportions) at exactly
// 100 %, otherwise that percentage of half the character height, rounded.
long ScaledFontWidth(long height, double widthPercent);

// A length in pixels designed at 96 dots per inch, for a display of `dotsPerInch`, rounded.
int ScaleForDpi(int pixels, int dotsPerInch);

} // namespace fennick
