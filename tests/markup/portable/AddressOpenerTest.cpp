#include "markup/portable/AddressOpener.h"
#include "tests/markup/support/FakePlatformActions.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

TEST(AddressOpenerTest, CutsTheCommandAtThePlaceholderAndQuotesTheTarget)
{
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"\"C:\\b.exe\" -url \"%1\" --rest", L"http://a/?q=1&r=2", L"\"C:\\b.exe\" -url  \"http://a/?q=1&r=2\""},
        {L"b.exe %1 -x", L"http://a b/", L"b.exe  \"http://a b/\""},
        {L"b.exe %1 \"%1\"", L"x", L"b.exe %1  \"x\""},
        {L"b.exe", L"x", L"b.exe \"x\""},
        {L"b.exe \"%1\"", L"C:\\dir\\", L"b.exe  \"C:\\dir\\\\\""},
        {L"b.exe %1", L"한국어 ไทย", L"b.exe  \"한국어 ไทย\""},
    };
    for (const auto& [registered, target, expected] : cases) {
        EXPECT_EQ(BuildOpenCommand(registered, target), std::optional<std::wstring>(expected)) << registered;
    }
}

TEST(AddressOpenerTest, RefusesTargetsThatCouldAddArguments)
{
    for (const std::wstring& target :
         {std::wstring(L"x\" --evil \""), std::wstring(L"line\nbreak"), std::wstring(L"nul\0x", 5),
          std::wstring(L"\u0085"), std::wstring(), std::wstring(kMaxCommandLine, L'a')}) {
        EXPECT_FALSE(BuildOpenCommand(L"b.exe \"%1\"", target));
    }
}

TEST(AddressOpenerTest, TheRegisteredBrowserOnlyWhenTheShellFailsAndNeverForAnUnsafeTarget)
{
    test::FakePlatformActions actions;
    actions.shellAccepts = false;
    OpenAddress(actions, L"http://a/", 5); // no browser registered
    actions.htmlCommand = L"\"C:\\b.exe\" \"%1\"";
    OpenAddress(actions, L"http://a/\" -x", 5);
    EXPECT_TRUE(actions.processes.empty());
    EXPECT_EQ(actions.shellOpens.size(), 1u) << "the unsafe target did not reach the shell either";
    OpenAddress(actions, L"http://a/", 3);
    ASSERT_EQ(actions.processes.size(), 1u);
    EXPECT_EQ(actions.processes[0].text, L"\"C:\\b.exe\"  \"http://a/\"");
    EXPECT_EQ(actions.processes[0].showCommand, 3);
    actions.shellAccepts = true;
    OpenAddress(actions, L"http://a/", 5);
    EXPECT_EQ(actions.processes.size(), 1u);
    EXPECT_EQ(actions.shellOpens.back().showCommand, 5);
}

} // namespace
} // namespace fennick
