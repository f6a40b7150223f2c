#pragma once

#include "framework/win32/Window.h"

namespace fennick {

// A program class laid over a control that a dialog template created. Attaching subclasses the
// control; the control's own set-up runs first in PreSubclassWindow.
class Control : public Window {
public:
    bool Attach(HWND control);
    bool AttachDlgItem(HWND dialog, int id);

protected:
    virtual void PreSubclassWindow();

private:
    using Window::Bind;
};

} // namespace fennick
