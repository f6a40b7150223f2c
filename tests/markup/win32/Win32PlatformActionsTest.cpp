#include "markup/win32/Win32PlatformActions.h"
#include "markup/portable/AddressOpener.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

namespace fennick {
namespace {

// The shell calls, captured instead of opening anything: verb, file, show command.
std::vector<std::tuple<std::wstring, std::wstring, int>> shellCalls;
INT_PTR shellResult = 42;

HINSTANCE WINAPI CaptureShellExecute(HWND window, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR, INT show)
{
    shellCalls.emplace_back(window == nullptr && parameters == nullptr ? verb : L"(window or parameters)", file, show);
    return reinterpret_cast<HINSTANCE>(shellResult);
}

// Waits for the file another process renames into place; its UTF-16 content, empty if none came.
std::wstring WaitForFile(const std::filesystem::path& path)
{
    for (int tries = 0; tries < 200 && !std::filesystem::exists(path); ++tries) {
        Sleep(50);
    }
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

class Win32PlatformActionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        shellCalls.clear();
        shellResult = 42;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &sources.classesRoot, nullptr),
                  ERROR_SUCCESS);
        sources.shellExecute = CaptureShellExecute;
    }

    void TearDown() override
    {
        RegCloseKey(sources.classesRoot);
        RegDeleteTreeW(HKEY_CURRENT_USER, keyPath.c_str());
        std::filesystem::remove(output);
    }

    void SetDefaultValue(const wchar_t* subKey, const std::wstring& value, DWORD type = REG_SZ)
    {
        ASSERT_EQ(RegSetKeyValueW(sources.classesRoot, subKey, nullptr, type, value.c_str(),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    const std::wstring pid = std::to_wstring(GetCurrentProcessId());
    const std::wstring keyPath = L"Software\\FennickTests\\Classes" + pid;
    const std::filesystem::path output = std::filesystem::temp_directory_path() / (L"fennick-recorded-" + pid);
    Win32ActionSources sources;
};

TEST_F(Win32PlatformActionsTest, OpensWithTheShellVerbOpen)
{
    Win32PlatformActions actions(sources);
    EXPECT_TRUE(actions.OpenWithShell(L"http://example.org/", SW_SHOW));
    shellResult = SE_ERR_NOASSOC;
    EXPECT_FALSE(actions.OpenWithShell(L"other", SW_SHOWNORMAL));
    EXPECT_EQ(shellCalls,
              (decltype(shellCalls){{L"open", L"http://example.org/", SW_SHOW}, {L"open", L"other", SW_SHOWNORMAL}}));
}

TEST_F(Win32PlatformActionsTest, FallsBackToTheRegisteredBrowserWithTheTargetAsOneArgument)
{
    // A command longer than 260 bytes, a placeholder in quotes and arguments after it.
    const std::wstring padding(200, L'p');
    wchar_t program[MAX_PATH];
    const std::wstring recorder =
        std::filesystem::path(std::wstring(program, GetModuleFileNameW(nullptr, program, MAX_PATH)))
            .replace_filename(L"markup_argument_recorder.exe");
    SetDefaultValue(L".htm", L"fennick.testpage");
    SetDefaultValue(L"fennick.testpage\\shell\\open\\command",
                    L"\"" + recorder + L"\" \"" + output.wstring() + L"\" --" + padding + L" \"%1\" --dropped");
    shellResult = SE_ERR_NOASSOC;
    Win32PlatformActions actions(sources);
    const std::wstring target = L"http://example.org/a b/한국어 ไทย\\";
    OpenAddress(actions, target, SW_HIDE);
    EXPECT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(WaitForFile(output), L"--" + padding + L"\n" + target + L"\n");
}

TEST_F(Win32PlatformActionsTest, TheBrowserCommandNeedsTheWholeAssociationAndIsExpanded)
{
    Win32PlatformActions actions(sources);
    EXPECT_FALSE(actions.HtmlOpenCommand());
    SetDefaultValue(L".htm", L"fennick.nocommand");
    EXPECT_FALSE(actions.HtmlOpenCommand());
    SetDefaultValue(L"fennick.nocommand\\shell\\open\\command", L"%WINDIR%\\browser.exe %1", REG_EXPAND_SZ);
    const std::wstring expanded = actions.HtmlOpenCommand().value_or(L"");
    EXPECT_EQ(expanded.find(L'%'), expanded.rfind(L"%1"));
    EXPECT_TRUE(expanded.ends_with(L"\\browser.exe %1"));
}

TEST_F(Win32PlatformActionsTest, StringsOfTheProgramAndAHandCursorOfItsOwn)
{
    Win32PlatformActions actions(sources);
    EXPECT_EQ(actions.LoadStringResource(901), L"마크업 문자열");
    EXPECT_EQ(actions.LoadStringResource(0x10000 + 901), L"");
    const HCURSOR cursor = static_cast<HCURSOR>(actions.LoadDefaultLinkCursor());
    ASSERT_NE(cursor, nullptr);
    EXPECT_NE(cursor, LoadCursorW(nullptr, IDC_HAND)) << "destroying it must not destroy the system's";
    actions.DestroyCursor(cursor);
}

} // namespace
} // namespace fennick
