#include "markup/portable/AddressOpener.h"
#include "tests/markup/support/FakePlatformActions.h"

#include "tests/markup/support/Printable.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

struct CommandCase {
    const wchar_t* registered;
    const wchar_t* target;
    const wchar_t* expected;
};

void PrintTo(const CommandCase& c, std::ostream* out)
{
    *out << test::Printable(c.registered) << " with " << test::Printable(c.target);
}

class BuildOpenCommandTest : public testing::TestWithParam<CommandCase> { };

TEST_P(BuildOpenCommandTest, CutsAtThePlaceholderAndQuotesTheTarget)
{
    const std::optional<std::wstring> command = BuildOpenCommand(GetParam().registered, GetParam().target);
    ASSERT_TRUE(command);
    EXPECT_EQ(*command, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Commands, BuildOpenCommandTest,
    testing::Values(CommandCase{L"\"C:\\b\\browser.exe\" -url \"%1\" --rest", L"http://a/?q=1&r=2",
                        L"\"C:\\b\\browser.exe\" -url  \"http://a/?q=1&r=2\""},
        CommandCase{L"browser.exe %1 -x", L"http://a b/", L"browser.exe  \"http://a b/\""},
        CommandCase{L"browser.exe %1 \"%1\"", L"x", L"browser.exe %1  \"x\""},
        CommandCase{L"browser.exe", L"x", L"browser.exe \"x\""},
        CommandCase{L"b.exe \"%1\"", L"C:\\dir\\", L"b.exe  \"C:\\dir\\\\\""},
        CommandCase{L"b.exe %1", L"한국어 ไทย", L"b.exe  \"한국어 ไทย\""}));

TEST(BuildOpenCommandTest, RefusesTargetsThatCouldAddArguments)
{
    EXPECT_FALSE(BuildOpenCommand(L"b.exe \"%1\"", L"x\" --evil \""));
    EXPECT_FALSE(BuildOpenCommand(L"b.exe \"%1\"", L"line\nbreak"));
    EXPECT_FALSE(BuildOpenCommand(L"b.exe \"%1\"", std::wstring(L"nul\0x", 5)));
    EXPECT_FALSE(BuildOpenCommand(L"b.exe \"%1\"", L"\u0085"));
    EXPECT_FALSE(BuildOpenCommand(L"b.exe \"%1\"", L""));
    EXPECT_FALSE(BuildOpenCommand(L"b.exe %1", std::wstring(maxCommandLine, L'a')));
}

TEST(QuoteArgumentTest, DoublesOnlyTheTrailingBackslashes)
{
    EXPECT_EQ(QuoteArgument(L"a\\b"), L"\"a\\b\"");
    EXPECT_EQ(QuoteArgument(L"a\\\\"), L"\"a\\\\\\\\\"");
    EXPECT_EQ(QuoteArgument(L"\\"), L"\"\\\\\"");
}

TEST(OpenAddressTest, TheShellComesFirst)
{
    test::FakePlatformActions actions;
    actions.htmlCommand = L"b.exe %1";
    OpenAddress(actions, L"http://a/", 5);
    ASSERT_EQ(actions.shellOpens.size(), 1u);
    EXPECT_EQ(actions.shellOpens[0].showCommand, 5);
    EXPECT_TRUE(actions.processes.empty());
}

TEST(OpenAddressTest, WhenTheShellFailsTheRegisteredBrowserStarts)
{
    test::FakePlatformActions actions;
    actions.shellAccepts = false;
    actions.htmlCommand = L"\"C:\\b.exe\" \"%1\"";
    OpenAddress(actions, L"http://a/", 3);
    ASSERT_EQ(actions.processes.size(), 1u);
    EXPECT_EQ(actions.processes[0].text, L"\"C:\\b.exe\"  \"http://a/\"");
    EXPECT_EQ(actions.processes[0].showCommand, 3);
}

TEST(OpenAddressTest, NothingStartsWithoutARegisteredBrowserOrForAnUnsafeTarget)
{
    test::FakePlatformActions actions;
    actions.shellAccepts = false;
    OpenAddress(actions, L"http://a/", 5);
    actions.htmlCommand = L"b.exe %1";
    OpenAddress(actions, L"http://a/\" -x", 5);
    EXPECT_TRUE(actions.processes.empty());
    EXPECT_EQ(actions.shellOpens.size(), 1u); // the unsafe target did not reach the shell either
}

} // namespace
} // namespace fennick
