#pragma once

#include <windows.h>

namespace fennick {

// A program object bound to one window: the window procedure is replaced by the framework's and
// the object's address is kept in the window's user data, so messages reach the object without
// any global window map (and, under Wine, without a round trip to the server that window
// properties would cost on every message). Each derived
// class overrides WindowProc with one message switch that stands for its message table and
// falls back to its base class. A window that receives WM_COMMAND, WM_NOTIFY, WM_DRAWITEM or
// WM_CTLCOLOR* from a child first offers it to the child's own object (reflection).
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // The object bound to a window by this framework, or null. A window subclassed again by
    // someone else after binding is no longer recognised (its notifications are not reflected).
    static Window* FromHandle(HWND window);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // A notification that the parent reflected back to this window. Returns true when handled,
    // and then the parent answers with `result` instead of handling the message itself.
    virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The processing the window would have had without this object.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    // Binds this object to an existing window; false if the window is already bound.
    bool Bind(HWND window);

    // Hands a message to this object as the bound window procedure does: reflection first, and
    // an exception reported instead of unwinding through the system.
    LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Unbind();

    HWND hwnd_ = nullptr;
    WNDPROC previousProc_ = nullptr;
};

} // namespace fennick
