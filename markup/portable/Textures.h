#pragma once

#include "markup/portable/PaletteBitmap.h"
#include "markup/portable/PixelFormulas.h"
#include "markup/portable/TextureRandom.h"

namespace fennick {

// Sets the 256-entry colour table of a texture: the end colour at index 0, the middle colour
// around 128 and the first colour at 255, then blended blendPercent towards the first colour.
void BuildTexturePalette(PaletteBitmap& bitmap, Color first, Color mid, Color end, int blendPercent);

// One streak of the metal texture, rows counted from the top: from (x, y) down to the left, and
// its reflection through the point (width / 2, y) up to the right, each cut where it would leave
// the area.
void PaintMetalStreak(PaletteBitmap& bitmap, int x, int y, int length, std::uint8_t value);

// Renders one of the procedural effects (noise to metal) as an 8-bit palette bitmap of
// width x height. noiseAmount 0 draws without noise. False, with nothing held, for an empty
// area or one too large for memory.
bool RenderTexture(PaletteBitmap& bitmap, TextureRandom& random, int width, int height, int effect, int noiseAmount,
                   int blendPercent, Color first, Color mid, Color end);

} // namespace fennick
