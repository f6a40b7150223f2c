#include "framework/win32/Window.h"

#include <commctrl.h>

#include <exception>

#include "framework/win32/UnexpectedError.h"

namespace fennick {

namespace {

constexpr UINT_PTR kSubclassId = 0xFE11;
// Lets FromHandle find a window's object (the subclass's own look-up is not exported by name).
constexpr const wchar_t* kObjectProperty = L"Fennick.Window";

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
    return window != nullptr ? static_cast<Window*>(GetPropW(window, kObjectProperty)) : nullptr;
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
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

bool Window::Bind(HWND window)
{
    if (hwnd_ != nullptr || window == nullptr || FromHandle(window) != nullptr)
        return false;
    if (!SetPropW(window, kObjectProperty, this))
        return false;
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        RemovePropW(window, kObjectProperty);
        return false;
    }
    hwnd_ = window;
    return true;
}

void Window::Unbind()
{
    if (hwnd_ == nullptr)
        return;
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    RemovePropW(hwnd_, kObjectProperty);
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

LRESULT CALLBACK Window::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self)
{
    auto* object = reinterpret_cast<Window*>(self);
    LRESULT result = 0;
    // No exception may unwind through the system's window procedures.
    try {
        result = object->Dispatch(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportUnexpectedError(error.what());
    } catch (...) {
        ReportUnexpectedError(nullptr);
    }
    if (message == WM_NCDESTROY)
        object->Unbind();
    return result;
}

} // namespace fennick
