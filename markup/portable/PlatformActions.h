#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fennick {

using WindowHandle = void*; // an HWND on Windows
using CursorHandle = void*; // an HCURSOR on Windows

// The show command with which a link's target is opened (SW_SHOW).
constexpr int kShowLinkTarget = 5;

// The system services the markup engine acts through, so that the engine itself stays portable.
class PlatformActions {
public:
    virtual ~PlatformActions() = default;

    // Opens the target with the shell's "open" verb; true when the shell took it.
    virtual bool OpenWithShell(const std::wstring& target, int showCommand) = 0;

    // The command line registered for opening ".htm" files, with its "%1" placeholder; nothing
    // when there is none.
    virtual std::optional<std::wstring> HtmlOpenCommand() = 0;

    // Starts the command line without waiting for it; true when the process started.
    virtual bool StartProcess(const std::wstring& commandLine, int showCommand) = 0;

    virtual void SendToWindow(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;

    // The string of that id from the program's string table; empty when there is none.
    virtual std::wstring LoadStringResource(unsigned id) = 0;

    // A hand cursor owned by the caller, who destroys it with DestroyCursor; null when none loads.
    virtual CursorHandle LoadDefaultLinkCursor() = 0;
    virtual void ShowCursor(CursorHandle cursor) = 0;
    virtual void DestroyCursor(CursorHandle cursor) = 0;
};

} // namespace fennick
