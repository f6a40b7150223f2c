#include "framework/win32/Window.h"

#include <exception>

#include "framework/win32/UnexpectedError.h"

namespace fennick {

namespace {

// The child a notification comes from, for the messages that are reflected to it.
HWND NotifyingChild(UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
}

} // namespace

Window::~Window()
{
    Unbind();
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageW(hwnd_, message, wParam, lParam);
}

Window* Window::FromHandle(HWND window)
{
    // Only a window running the framework's procedure has a Window in its user data.
    if (window == nullptr || GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&BoundWindowProc))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

bool Window::OnReflectedMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(previousProc_, hwnd_, message, wParam, lParam);
}

bool Window::Bind(HWND window)
{
    // The user data of a window that already holds some belongs to someone else.
    if (hwnd_ != nullptr || window == nullptr || FromHandle(window) != nullptr ||
        GetWindowLongPtrW(window, GWLP_USERDATA) != 0)
        return false;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    hwnd_ = window;
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BoundWindowProc)));
    if (previousProc_ == nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        return false;
    }
    return true;
}

void Window::Unbind()
{
    if (hwnd_ == nullptr)
        return;
    // Restored only while the framework's procedure is the window's own: a procedure installed
    // later on top of it still forwards here, and then finds no object and the default handling.
    if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&BoundWindowProc))
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HWND child = NotifyingChild(message, wParam, lParam); child != nullptr && child != hwnd_) {
        LRESULT result = 0;
        Window* target = FromHandle(child);
        if (target != nullptr && target->OnReflectedMessage(message, wParam, lParam, result))
            return result;
    }
    return WindowProc(message, wParam, lParam);
}

LRESULT Window::Receive(UINT message, WPARAM wParam, LPARAM lParam)
{
    // No exception may unwind through the system's window procedures.
    try {
        return Dispatch(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportUnexpectedError(error.what());
    } catch (...) {
        ReportUnexpectedError(nullptr);
    }
    return 0;
}

LRESULT CALLBACK Window::BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* object = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (object == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = object->Receive(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        object->Unbind();
    return result;
}

} // namespace fennick
