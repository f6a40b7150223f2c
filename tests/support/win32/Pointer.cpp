#include "tests/support/win32/Pointer.h"

#include "tests/support/win32/ModalDriver.h"

namespace fennick::testing {

void MovePointer(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    HWND target = GetCapture() != nullptr ? GetCapture() : window;
    ScreenToClient(target, &point);
    SendMessageW(target, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
}

void ClickAt(HWND window, int x, int y)
{
    MovePointer(window, x, y);
    const LPARAM point = MAKELPARAM(x, y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(window, WM_LBUTTONUP, 0, point);
    PumpMessages();
}

} // namespace fennick::testing
