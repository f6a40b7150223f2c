#include "tests/markup/support/FakePlatformActions.h"

namespace fennick::test {

bool FakePlatformActions::OpenWithShell(const std::wstring& target, int showCommand)
{
    shellOpens.push_back({target, showCommand});
    return shellAccepts;
}

bool FakePlatformActions::StartProcess(const std::wstring& commandLine, int showCommand)
{
    processes.push_back({commandLine, showCommand});
    return true;
}

void FakePlatformActions::SendToWindow(
    WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    sent.push_back({window, message, wParam, lParam});
    if (onSend) {
        onSend(sent.back());
    }
}

std::wstring FakePlatformActions::LoadStringResource(unsigned id)
{
    requestedStrings.push_back(id);
    const auto found = strings.find(id);
    return found == strings.end() ? std::wstring{} : found->second;
}

CursorHandle FakePlatformActions::LoadDefaultLinkCursor()
{
    auto* cursor = reinterpret_cast<CursorHandle>(nextCursor_++);
    loadedCursors.push_back(cursor);
    return cursor;
}

} // namespace fennick::test
