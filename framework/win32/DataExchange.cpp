#include "framework/win32/DataExchange.h"

#include "framework/win32/Control.h"

namespace fennick {

std::wstring WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied));
    return text;
}

void DataExchange::BindControl(int id, Control& control)
{
    if (control.Handle() == nullptr)
        control.AttachDlgItem(dialog_, id);
}

void DataExchange::ExchangeText(int id, std::wstring& text)
{
    HWND control = GetDlgItem(dialog_, id);
    if (saving_)
        text = WindowText(control);
    else
        SetWindowTextW(control, text.c_str());
}

} // namespace fennick
