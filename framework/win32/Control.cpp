#include "framework/win32/Control.h"

namespace fennick {

bool Control::Attach(HWND control)
{
    if (!Bind(control))
        return false;
    PreSubclassWindow();
    return true;
}

bool Control::AttachDlgItem(HWND dialog, int id)
{
    return Attach(GetDlgItem(dialog, id));
}

void Control::PreSubclassWindow() {}

} // namespace fennick
