#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace fennick {

struct MessageBoxRequest {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};

// Every message box of the program goes through here, owned by the application's main window.
// Tests answer the boxes by installing a handler, so no test ever waits on a real box.
int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT type);

using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Installs a handler in place of the real boxes (an empty one restores them); returns the
// previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace fennick
