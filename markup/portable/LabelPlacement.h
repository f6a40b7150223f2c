#pragma once

#include "framework/portable/PixelGeometry.h"
#include "markup/portable/HostSurface.h"

#include <cstdint>

namespace fennick {

// Bits of a markup label's alignFlags. The low pair places the block across, the next pair
// down; a pair left at 0 takes its placement from the window style.
constexpr int kAlignLeft = 0x1;
constexpr int kAlignRight = 0x2;
constexpr int kAlignCenter = 0x3;
constexpr int kAlignTop = 0x4;
constexpr int kAlignBottom = 0x8;
constexpr int kAlignMiddle = 0xC;

// The static-control style bits a label reads, with the values of SS_CENTER, SS_RIGHT,
// SS_CENTERIMAGE and the bits of SS_LEFTNOWORDWRAP (either one turns wrapping off).
constexpr std::uint32_t kStyleCenter = 0x0001;
constexpr std::uint32_t kStyleRight = 0x0002;
constexpr std::uint32_t kStyleNoWrapBits = 0x000C;
constexpr std::uint32_t kStyleCenterImage = 0x0200;

// What decides where a label's markup block goes.
struct LabelFrame {
    PixelRect client;
    int marginX = 0;
    int marginY = 0;
    std::uint32_t style = 0; // the window style
    int alignFlags = 0;
    bool rawText = false; // the text is laid out as given: no colour wrapping, no minimum width
};

// The width the markup wraps at: 0 (never) for a no-wrap style, else the client width less
// both margins and one pixel.
int LabelWrapWidth(const LabelFrame& frame);

// Where the measured block is drawn, cut to the client size. A no-wrap label's block is at
// least as wide as the wrap width would have been, so the markup's own text alignment has room
// to act in it.
PixelRect PlaceLabelText(const LabelFrame& frame, PixelSize measured);

} // namespace fennick
