#pragma once

#include "markup/portable/PlatformActions.h"

#include <windows.h>

#include <shellapi.h>

namespace fennick {

// Where the actions reach the system; a test replaces the shell call and the registry root.
struct Win32ActionSources {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    ShellExecuteFunction shellExecute = ShellExecuteW;
    HKEY classesRoot = HKEY_CLASSES_ROOT; // where the ".htm" association is read
    HMODULE stringModule = nullptr; // whose string table is read; null = the program's
};

class Win32PlatformActions final : public PlatformActions {
public:
    explicit Win32PlatformActions(const Win32ActionSources& sources = {});

    bool OpenWithShell(const std::wstring& target, int showCommand) override;
    std::optional<std::wstring> HtmlOpenCommand() override;
    bool StartProcess(const std::wstring& commandLine, int showCommand) override;
    void SendToWindow(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::wstring LoadStringResource(unsigned id) override;
    CursorHandle LoadDefaultLinkCursor() override;
    void ShowCursor(CursorHandle cursor) override;
    void DestroyCursor(CursorHandle cursor) override;

private:
    Win32ActionSources sources_;
};

} // namespace fennick
