#include "markup/win32/Win32PlatformActions.h"
#include "markup/portable/AddressOpener.h"
#include "markup/portable/LinkTracker.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace fennick {
namespace {

// The shell call, captured instead of opening anything.
struct ShellCall {
    HWND window;
    std::wstring verb;
    std::wstring file;
    bool hasParameters;
    int show;
};
std::vector<ShellCall> shellCalls;
INT_PTR shellResult = 42;

HINSTANCE WINAPI CaptureShellExecute(HWND window, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR, INT show)
{
    shellCalls.push_back(
        {window, verb != nullptr ? verb : L"", file != nullptr ? file : L"", parameters != nullptr, show});
    return reinterpret_cast<HINSTANCE>(shellResult);
}

// A message-only window that keeps what it was sent; a text pointer in wParam is read at once.
struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::wstring text;
};
std::vector<Received> received;
UINT textMessage = 0;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP) {
        const std::wstring text = message == textMessage ? reinterpret_cast<const wchar_t*>(wParam) : L"";
        received.push_back({message, wParam, lParam, text});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring ModuleDirectory()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L'\\'));
}

std::wstring TempFile(const wchar_t* name)
{
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    return std::wstring(directory) + name + std::to_wstring(GetCurrentProcessId()) + L".txt";
}

// Waits for a file that another process writes; its UTF-16 content, or nothing after the time out.
std::optional<std::wstring> WaitForFile(const std::wstring& path)
{
    for (int tries = 0; tries < 200; ++tries) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            std::wstring content(GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
            DWORD read = 0;
            ReadFile(file, content.data(), static_cast<DWORD>(content.size() * sizeof(wchar_t)), &read, nullptr);
            CloseHandle(file);
            return content;
        }
        Sleep(50);
    }
    return std::nullopt;
}

void SetDefaultValue(HKEY root, const std::wstring& subKey, const std::wstring& value)
{
    ASSERT_EQ(RegSetKeyValueW(root, subKey.c_str(), nullptr, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
        ERROR_SUCCESS);
}

class Win32PlatformActionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        shellCalls.clear();
        received.clear();
        shellResult = 42;
        keyPath = L"Software\\FennickTests\\Classes" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExW(
                      HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &classes, nullptr),
            ERROR_SUCCESS);
        sources.shellExecute = CaptureShellExecute;
        sources.classesRoot = classes;
    }

    void TearDown() override
    {
        RegCloseKey(classes);
        RegDeleteTreeW(HKEY_CURRENT_USER, keyPath.c_str());
        DeleteFileW(output.c_str());
    }

    std::wstring keyPath;
    HKEY classes = nullptr;
    Win32ActionSources sources;
    std::wstring output = TempFile(L"fennick-recorded-");
};

TEST_F(Win32PlatformActionsTest, OpensWithTheShellVerbOpen)
{
    Win32PlatformActions actions(sources);
    LinkTracker links(actions);
    links.AddArea({0, 0, 10, 10, LinkKind::Address, 0, L"http://example.org/"});
    links.ClickAt(5, 5);
    shellResult = SE_ERR_NOASSOC;
    EXPECT_FALSE(actions.OpenWithShell(L"other", SW_SHOWNORMAL));
    ASSERT_EQ(shellCalls.size(), 2u);
    EXPECT_EQ(shellCalls[0].window, nullptr);
    EXPECT_EQ(shellCalls[0].verb, L"open");
    EXPECT_EQ(shellCalls[0].file, L"http://example.org/");
    EXPECT_FALSE(shellCalls[0].hasParameters);
    EXPECT_EQ(shellCalls[0].show, SW_SHOW);
    EXPECT_EQ(shellCalls[1].show, SW_SHOWNORMAL);
}

TEST_F(Win32PlatformActionsTest, FallsBackToTheRegisteredBrowserWithTheTargetAsOneArgument)
{
    // A command longer than 260 bytes, a placeholder in quotes and arguments after it.
    const std::wstring padding(200, L'p');
    SetDefaultValue(classes, L".htm", L"fennick.testpage");
    SetDefaultValue(classes, L"fennick.testpage\\shell\\open\\command",
        L"\"" + ModuleDirectory() + L"\\markup_argument_recorder.exe\" \"" + output + L"\" --" + padding
            + L" \"%1\" --dropped");
    shellResult = SE_ERR_NOASSOC;
    Win32PlatformActions actions(sources);
    const std::wstring target = L"http://example.org/a b/한국어 ไทย\\";
    OpenAddress(actions, target, SW_HIDE);
    EXPECT_EQ(shellCalls.size(), 1u);
    const std::optional<std::wstring> recorded = WaitForFile(output);
    ASSERT_TRUE(recorded) << "the registered program did not run";
    EXPECT_EQ(*recorded, L"--" + padding + L"\n" + target + L"\n");
}

TEST_F(Win32PlatformActionsTest, NoRegisteredBrowserMeansNoCommand)
{
    Win32PlatformActions actions(sources);
    EXPECT_FALSE(actions.HtmlOpenCommand());
    SetDefaultValue(classes, L".htm", L"fennick.nocommand");
    EXPECT_FALSE(actions.HtmlOpenCommand());
    SetDefaultValue(classes, L"fennick.nocommand\\shell\\open\\command", L"browser.exe %1");
    EXPECT_EQ(actions.HtmlOpenCommand(), std::optional<std::wstring>(L"browser.exe %1"));
    const std::wstring expandable = L"%WINDIR%\\browser.exe %1";
    ASSERT_EQ(RegSetKeyValueW(classes, L"fennick.nocommand\\shell\\open\\command", nullptr, REG_EXPAND_SZ,
                  expandable.c_str(), static_cast<DWORD>((expandable.size() + 1) * sizeof(wchar_t))),
        ERROR_SUCCESS);
    const std::optional<std::wstring> expanded = actions.HtmlOpenCommand();
    ASSERT_TRUE(expanded);
    EXPECT_EQ(expanded->find(L'%'), expanded->rfind(L"%1"));
    EXPECT_TRUE(expanded->ends_with(L"\\browser.exe %1"));
}

TEST_F(Win32PlatformActionsTest, HoverAndClickTargetsReceiveTheirMessages)
{
    const WNDCLASSW windowClass{0, RecordingProc, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr,
        L"FennickMarkupRecorder"};
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(
        0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    textMessage = WM_APP + 2;
    Win32PlatformActions actions(sources);
    LinkTracker links(actions);
    links.SetHoverTarget({window, WM_APP + 1, 71});
    links.SetClickTarget({window, WM_APP + 2, 72});
    links.AddArea({0, 0, 10, 10, LinkKind::Message, 0, L"메시지 target"});

    EXPECT_TRUE(links.HoverAt(5, 5));
    EXPECT_EQ(GetCursor(), static_cast<HCURSOR>(links.LinkCursor()));
    links.ClickAt(5, 5);
    links.HoverAt(50, 50);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].message, WM_APP + 1u);
    EXPECT_EQ(received[0].wParam, 0u);
    EXPECT_EQ(received[0].lParam, 71);
    EXPECT_EQ(received[1].message, WM_APP + 2u);
    EXPECT_EQ(received[1].text, L"메시지 target");
    EXPECT_EQ(received[1].lParam, 72);
    EXPECT_EQ(static_cast<int>(received[2].wParam), noHoveredLink);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    DestroyWindow(window);
}

TEST_F(Win32PlatformActionsTest, LoadsStringsOfTheProgram)
{
    Win32PlatformActions actions(sources);
    EXPECT_EQ(actions.LoadStringResource(901), L"마크업 문자열");
    EXPECT_EQ(actions.LoadStringResource(902), L"");
    EXPECT_EQ(actions.LoadStringResource(0), L"");
    EXPECT_EQ(actions.LoadStringResource(0x10000 + 901), L"");
}

TEST_F(Win32PlatformActionsTest, TheLinkCursorIsAHandCursorOfItsOwn)
{
    Win32PlatformActions actions(sources);
    const CursorHandle cursor = actions.LoadDefaultLinkCursor();
    ASSERT_NE(cursor, nullptr);
    const HCURSOR shared = LoadCursorW(nullptr, IDC_HAND);
    EXPECT_NE(static_cast<HCURSOR>(cursor), shared);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HCURSOR>(cursor), &info));
    EXPECT_FALSE(info.fIcon);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    actions.ShowCursor(cursor);
    EXPECT_EQ(GetCursor(), static_cast<HCURSOR>(cursor));
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    actions.DestroyCursor(cursor);
    EXPECT_TRUE(GetIconInfo(shared, &info)); // the system's own cursor lives on
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

} // namespace
} // namespace fennick
