#include "markup/portable/LabelPlacement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace fennick {

void PrintTo(const PixelRect& rect, std::ostream* out)
{
    *out << '(' << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ')';
}

namespace {

constexpr std::uint32_t kLeftNoWordWrap = 0x000C;
constexpr std::uint32_t kTypeThree = 0x0003; // both alignment bits: neither centre nor right

struct PlacementCase {
    const char* name;
    std::uint32_t style;
    int alignFlags;
    bool rawText;
    PixelSize measured;
    PixelRect expected;
    int wrapWidth;
};

// A client of 201 x 100 with margins of 5 across and 7 down: 190 pixels to wrap in.
TEST(LabelPlacement, PlacesTheBlockByItsFlagsOrTheStyleAndCutsItToTheClient)
{
    const PlacementCase cases[] = {
        {"left top by default", 0, 0, false, {50, 20}, {5, 7, 55, 27}, 190},
        {"SS_CENTER ignores the margin", kStyleCenter, 0, false, {50, 20}, {75, 7, 125, 27}, 190},
        {"SS_RIGHT", kStyleRight, 0, false, {50, 20}, {146, 7, 196, 27}, 190},
        {"SS_CENTERIMAGE centres down", kStyleCenterImage, 0, false, {50, 20}, {5, 40, 55, 60}, 190},
        {"flags first", kStyleRight, kAlignLeft | kAlignBottom, false, {50, 20}, {5, 73, 55, 93}, 190},
        {"centre flags", 0, kAlignCenter | kAlignMiddle, false, {50, 21}, {75, 39, 125, 60}, 190},
        {"flags down, style across", kStyleCenter, kAlignTop, false, {50, 20}, {75, 7, 125, 27}, 190},
        {"type 3 acts as left", kTypeThree, 0, false, {50, 20}, {5, 7, 55, 27}, 190},
        {"no wrap widens a short block", kLeftNoWordWrap, 0, false, {30, 20}, {5, 7, 195, 27}, 0},
        {"raw text keeps its width", kLeftNoWordWrap, 0, true, {30, 20}, {5, 7, 35, 27}, 0},
        {"a tall block is cut, top at the margin", 0, 0, false, {50, 300}, {5, 7, 55, 107}, 190},
        {"a tall centred block is cut, at 0", kStyleCenterImage, 0, false, {50, 300}, {5, 0, 55, 100}, 190},
        {"a wide centred block is cut, at 0", kStyleCenter, 0, false, {500, 20}, {0, 7, 201, 27}, 190},
    };
    for (const PlacementCase& c : cases) {
        LabelFrame frame;
        frame.client = {0, 0, 201, 100};
        frame.marginX = 5;
        frame.marginY = 7;
        frame.style = c.style;
        frame.alignFlags = c.alignFlags;
        frame.rawText = c.rawText;
        EXPECT_EQ(PlaceLabelText(frame, c.measured), c.expected) << c.name;
        EXPECT_EQ(LabelWrapWidth(frame), c.wrapWidth) << c.name;
    }
}

} // namespace
} // namespace fennick
