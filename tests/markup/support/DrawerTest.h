#pragma once

#include "markup/portable/MarkupDrawer.h"
#include "tests/markup/support/FakePlatformActions.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fennick::test {

// A drawer measuring and drawing on the recording surface, with a body font of the given size.
class DrawerTest : public testing::Test {
protected:
    explicit DrawerTest(int bodyFontSize)
    {
        drawer.Language().Styles().SetStyleClass(L"body", L"font-size: " + std::to_wstring(bodyFontSize) + L"px");
    }

    PixelSize Measure(std::wstring_view text, int wrapWidth = 0)
    {
        drawer.SetWrapWidth(wrapWidth);
        return drawer.Measure(surface, text);
    }
    // The calls of one kind that drawing into `rect` makes.
    std::vector<DrawCall> Draw(const PixelRect& rect, DrawKind kind = DrawKind::Text)
    {
        surface.calls.clear();
        drawer.Draw(surface, rect);
        return surface.CallsOf(kind);
    }
    std::vector<std::wstring> DrawnTexts(const PixelRect& rect)
    {
        std::vector<std::wstring> texts;
        for (const DrawCall& call : Draw(rect)) {
            texts.push_back(call.text);
        }
        return texts;
    }

    FakePlatformActions actions;
    FakeSurface surface;
    MarkupDrawer drawer{actions};
};

} // namespace fennick::test
