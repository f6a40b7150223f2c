#pragma once

#include <windows.h>

#include <string>

namespace fennick {

class Control;

// One pass of data exchange between a dialog's controls and its members; saving copies from
// the controls into the members, otherwise from the members into the controls.
class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    // Attaches `control` to the template's control `id` the first time round.
    void BindControl(int id, Control& control);
    void ExchangeText(int id, std::wstring& text);

private:
    HWND dialog_;
    bool saving_;
};

// The full text of a window, whatever its length.
std::wstring WindowText(HWND window);

} // namespace fennick
