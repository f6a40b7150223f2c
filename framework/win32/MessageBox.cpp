#include "framework/win32/MessageBox.h"

#include <utility>

#include "framework/win32/Application.h"

namespace fennick {

namespace {

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

} // namespace

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT type)
{
    const MessageBoxRequest request{Application::MainWindowHandle(), text, caption, type};
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(request);
    return MessageBoxW(request.owner, request.text.c_str(), request.caption.c_str(), request.type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}

} // namespace fennick
