// Measures and draws arbitrary markup with the recording surface, wrapping or not, enabled or
// not: sizes stay in range, images are released, and drawing twice draws the same.
#include "markup/portable/MarkupDrawer.h"
#include "tests/markup/fuzz/FuzzInput.h"
#include "tests/markup/support/FakePlatformActions.h"
#include "tests/markup/support/FakeSurface.h"

using namespace fennick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int wrapWidth = fuzz::TakeInt16(data, size);
    const int drawWidth = fuzz::TakeInt16(data, size);
    const bool enabled = fuzz::TakeFlag(data, size);
    const bool multiLine = fuzz::TakeFlag(data, size);
    test::FakePlatformActions actions;
    actions.strings[1] = L"string one";
    test::FakeSurface surface;
    surface.resources[1] = {16, 16};
    surface.resources[2] = {64, 16};
    surface.files[L"a.ico"] = {32, 32};
    surface.listIcons = 2;
    MarkupDrawer drawer(actions);
    drawer.Language().Colors().SetEnabled(enabled);
    drawer.Language().SetMultiLine(multiLine);
    drawer.SetWrapWidth(wrapWidth);
    drawer.SetTabWidth(wrapWidth / 4);
    drawer.SetShadow({true, 2, 2, 3, 3, 0});
    drawer.SetImageList(&surface, {16, 16});

    const PixelSize measured = drawer.Measure(surface, fuzz::ToText(data, size));
    fuzz::Check(measured.width >= 0 && measured.height >= 0);
    fuzz::Check(surface.OpenImages() == 0);
    const PixelRect rect{-3, 5, drawWidth, 1000};
    drawer.Draw(surface, rect);
    const std::vector<test::DrawCall> first = std::move(surface.calls);
    surface.calls.clear();
    drawer.Draw(surface, rect);
    fuzz::Check(surface.calls == first);
    fuzz::Check(surface.OpenImages() == 0);
    drawer.AdvanceAnimations();
    drawer.Draw(surface, {0, 0, measured.width, measured.height});
    return 0;
}
