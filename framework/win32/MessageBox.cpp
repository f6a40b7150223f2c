#include "framework/win32/MessageBox.h"

#include <utility>

#include "framework/win32/Application.h"
#include "framework/win32/Window.h"

namespace fennick {

namespace {

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

HWND MainWindowHandle()
{
    Application* application = Application::Current();
    Window* main = application != nullptr ? application->MainWindow() : nullptr;
    return main != nullptr ? main->Handle() : nullptr;
}

} // namespace

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT type)
{
    const MessageBoxRequest request{MainWindowHandle(), text, caption, type};
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(request);
    return MessageBoxW(request.owner, request.text.c_str(), request.caption.c_str(), request.type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}

} // namespace fennick
