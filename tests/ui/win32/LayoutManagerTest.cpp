#include <gtest/gtest.h>

#include <windows.h>

#include "tests/ui/win32/WindowProbe.h"
#include "ui/win32/LayoutManager.h"

namespace fennick {
namespace {

using testing::ChildRect;

constexpr int kFirst = 11;
constexpr int kSecond = 12;

// A hidden parent with a 300 x 200 client area and two children.
class LayoutManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RECT frame{0, 0, 300, 200};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, nullptr, nullptr);
        for (const int id : {kFirst, kSecond})
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10 * id, 20, 40, 30, parent_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }

    HWND parent_ = nullptr;
};

bool Same(const RECT& rect, int left, int top, int width, int height)
{
    return rect.left == left && rect.top == top && rect.right - rect.left == width &&
           rect.bottom - rect.top == height;
}

TEST_F(LayoutManagerTest, MovesNothingBeforeAttachingAndMeasuresFromTheSizeAtAttachment)
{
    LayoutManager layout;
    EXPECT_FALSE(layout.AddControl(kFirst, 1, 1, 0, 0));
    layout.OnParentSize(500, 500);
    EXPECT_TRUE(Same(ChildRect(parent_, kFirst), 110, 20, 40, 30));

    ASSERT_TRUE(layout.AttachParent(parent_));
    ASSERT_TRUE(layout.AddControl(kFirst, 1, 1, 0, 0));
    layout.OnParentSize(310, 205);
    EXPECT_TRUE(Same(ChildRect(parent_, kFirst), 120, 25, 40, 30));
}

TEST_F(LayoutManagerTest, RefusesMissingParentsAndChildrenAndAppliesADoubleRegistrationTwice)
{
    LayoutManager layout;
    EXPECT_FALSE(layout.AttachParent(nullptr));
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_FALSE(layout.AttachParent(gone));
    HWND empty = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 nullptr, nullptr);
    EXPECT_FALSE(layout.AttachParent(empty));
    DestroyWindow(empty);

    ASSERT_TRUE(layout.AttachParent(parent_));
    EXPECT_FALSE(layout.AddControl(99, 1, 1, 1, 1));
    ASSERT_TRUE(layout.AddControl(kSecond, 0, 0, 0.5, 0));
    ASSERT_TRUE(layout.AddControl(kSecond, 1, 0, 0, 0));
    layout.OnParentSize(320, 200);
    // The first entry sizes the control, the second moves it and leaves its size alone.
    EXPECT_TRUE(Same(ChildRect(parent_, kSecond), 140, 20, 50, 30));
}

TEST_F(LayoutManagerTest, AttachingAgainStartsOverWithoutTheEarlierControls)
{
    LayoutManager layout;
    ASSERT_TRUE(layout.AttachParent(parent_));
    ASSERT_TRUE(layout.AddControl(kFirst, 1, 0, 0, 0));
    ASSERT_TRUE(layout.AttachParent(parent_));
    ASSERT_TRUE(layout.AddControl(kSecond, 0, 1, 0, 0));
    layout.OnParentSize(400, 260);
    EXPECT_TRUE(Same(ChildRect(parent_, kFirst), 110, 20, 40, 30));
    EXPECT_TRUE(Same(ChildRect(parent_, kSecond), 120, 80, 40, 30));
}

} // namespace
} // namespace fennick
