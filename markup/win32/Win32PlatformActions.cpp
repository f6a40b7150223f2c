#include "markup/win32/Win32PlatformActions.h"

#include "framework/win32/HandCursor.h"
#include "framework/win32/ResourceString.h"
#include "markup/portable/AddressOpener.h"

namespace fennick {

namespace {

// The default value of a key as text, read at whatever length it has; RegGetValueW expands a
// REG_EXPAND_SZ value and reports it as REG_SZ.
std::optional<std::wstring> ReadDefaultValue(HKEY root, const std::wstring& subKey)
{
    constexpr DWORD flags = RRF_RT_REG_SZ;
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(root, subKey.c_str(), nullptr, flags, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(root, subKey.c_str(), nullptr, flags, nullptr, value.data(), &bytes);
        if (status == ERROR_SUCCESS) {
            value.resize(wcsnlen(value.c_str(), value.size()));
            return value;
        }
        if (status != ERROR_MORE_DATA) {
            return std::nullopt;
        }
    }
    return std::nullopt; // the value kept growing while it was read
}

} // namespace

Win32PlatformActions::Win32PlatformActions(const Win32ActionSources& sources) : sources_(sources) {}

bool Win32PlatformActions::OpenWithShell(const std::wstring& target, int showCommand)
{
    HINSTANCE result = sources_.shellExecute(nullptr, L"open", target.c_str(), nullptr, nullptr, showCommand);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::optional<std::wstring> Win32PlatformActions::HtmlOpenCommand()
{
    const std::optional<std::wstring> className = ReadDefaultValue(sources_.classesRoot, L".htm");
    if (!className || className->empty()) {
        return std::nullopt;
    }
    std::optional<std::wstring> command =
        ReadDefaultValue(sources_.classesRoot, *className + L"\\shell\\open\\command");
    if (!command || command->empty()) {
        return std::nullopt;
    }
    return command;
}

bool Win32PlatformActions::StartProcess(const std::wstring& commandLine, int showCommand)
{
    if (commandLine.empty() || commandLine.size() >= kMaxCommandLine) {
        return false;
    }
    std::wstring writable = commandLine; // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void Win32PlatformActions::SendToWindow(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam)
{
    SendMessageW(static_cast<HWND>(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

std::wstring Win32PlatformActions::LoadStringResource(unsigned id)
{
    return fennick::LoadStringResource(id, sources_.stringModule);
}

CursorHandle Win32PlatformActions::LoadDefaultLinkCursor()
{
    return CopyHandCursor(HandCursorSource::System);
}

void Win32PlatformActions::ShowCursor(CursorHandle cursor)
{
    SetCursor(static_cast<HCURSOR>(cursor));
}

void Win32PlatformActions::DestroyCursor(CursorHandle cursor)
{
    ::DestroyCursor(static_cast<HCURSOR>(cursor));
}

} // namespace fennick
