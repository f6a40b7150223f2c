#include "markup/portable/LinkTracker.h"
#include "tests/markup/support/FakePlatformActions.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

class LinkTrackerTest : public testing::Test {
protected:
    void SetUp() override
    {
        links.AddArea({0, 0, 10, 10, LinkKind::Address, 0, L"http://example.org/"});
        links.AddArea({20, 0, 30, 10, LinkKind::Message, 1, L"hello"});
        links.AddArea({40, 0, 50, 10, LinkKind::Message, 2, L""});
        links.AddArea({0, 0, 10, 10, LinkKind::Message, 5, L"later"}); // hidden by the first
        links.SetHoverTarget({hoverWindow, 0x8001, 77});
        links.SetClickTarget({clickWindow, 0x8002, 88});
    }

    test::FakePlatformActions actions;
    LinkTracker links{actions};
    WindowHandle hoverWindow = reinterpret_cast<WindowHandle>(0x10);
    WindowHandle clickWindow = reinterpret_cast<WindowHandle>(0x20);
};

TEST_F(LinkTrackerTest, HoverReportsEveryChangeOfLinkOnceAndShowsTheCursor)
{
    EXPECT_TRUE(links.HoverAt(10, 10)); // edges included
    EXPECT_TRUE(links.HoverAt(5, 5));
    EXPECT_TRUE(links.HoverAt(25, 5));
    EXPECT_FALSE(links.HoverAt(35, 5));
    EXPECT_FALSE(links.HoverAt(45, 5)); // a link without target: reported, no cursor
    std::vector<std::intptr_t> reported;
    for (const auto& message : actions.sent) {
        EXPECT_TRUE(message.window == hoverWindow && message.message == 0x8001u && message.lParam == 77);
        reported.push_back(static_cast<std::intptr_t>(message.wParam));
    }
    EXPECT_EQ(reported, (std::vector<std::intptr_t>{0, 1, kNoHoveredLink, 2}));
    EXPECT_EQ(actions.shownCursors, (std::vector<CursorHandle>(3, links.LinkCursor())));
    links.SetHoverTarget({nullptr, 0x8001, 0});
    links.HoverAt(5, 5);
    EXPECT_EQ(actions.sent.size(), 4u);
}

TEST_F(LinkTrackerTest, ClickingAnAddressOpensItWithTheShellAfterResettingTheCursor)
{
    const CursorHandle before = links.LinkCursor();
    links.ClickAt(5, 5);
    ASSERT_EQ(actions.shellOpens.size(), 1u);
    EXPECT_EQ(actions.shellOpens[0].text, L"http://example.org/");
    EXPECT_EQ(actions.shellOpens[0].showCommand, 5);
    const CursorHandle reset = links.LinkCursor();
    EXPECT_NE(reset, before);
    links.SetLinkCursor(reinterpret_cast<CursorHandle>(0x77));
    links.SetLinkCursor(reinterpret_cast<CursorHandle>(0x77)); // the same cursor again stays
    EXPECT_EQ(actions.destroyedCursors, (std::vector<CursorHandle>{before, reset}));
}

TEST_F(LinkTrackerTest, ClickingAMessageLinkSendsItsTargetTextAndOtherClicksNothing)
{
    std::wstring received;
    actions.onSend = [&](const test::FakePlatformActions::SentMessage& message) {
        received = reinterpret_cast<const wchar_t*>(message.wParam);
        links.ClearAreas(); // the owner may lay the text out again meanwhile
    };
    links.ClickAt(15, 5);
    links.ClickAt(45, 5);
    links.ClickAt(25, 5);
    ASSERT_EQ(actions.sent.size(), 1u);
    EXPECT_EQ(actions.sent[0].window, clickWindow);
    EXPECT_EQ(actions.sent[0].lParam, 88);
    EXPECT_EQ(received, L"hello");
    links.SetClickTarget({});
    links.AddArea({20, 0, 30, 10, LinkKind::Message, 1, L"hello"});
    links.ClickAt(25, 5);
    EXPECT_EQ(actions.sent.size(), 1u);
    EXPECT_TRUE(actions.shellOpens.empty());
}

} // namespace
} // namespace fennick
