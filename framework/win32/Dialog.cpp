#include "framework/win32/Dialog.h"

#include "framework/win32/Application.h"
#include "framework/win32/DataExchange.h"

namespace fennick {

Dialog::Dialog(UINT templateId, Window* parent) : templateId_(templateId), parent_(parent) {}

INT_PTR Dialog::DoModal()
{
    HWND owner = parent_ != nullptr ? parent_->Handle() : Application::MainWindowHandle();
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, BindingDialogProc,
                           reinterpret_cast<LPARAM>(this));
}

// The dialog manager's procedure of every framework dialog. WM_INITDIALOG brings the object,
// which binds itself to its window there; from then on the window procedure that binding put in
// place hands each message to the object, and what the object leaves to the dialog manager
// passes here and gets its default handling. Each dialog carries its own object, so dialogs
// opened from dialogs never share any state.
INT_PTR CALLBACK Dialog::BindingDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = reinterpret_cast<Dialog*>(lParam);
    if (dialog == nullptr || !dialog->Bind(window))
        return FALSE;
    return dialog->Receive(message, wParam, lParam);
}

void Dialog::EndDialog(INT_PTR result)
{
    ::EndDialog(Handle(), result);
}

void Dialog::UpdateData(bool saveAndValidate)
{
    DataExchange exchange(Handle(), saveAndValidate);
    DoDataExchange(exchange);
}

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
        if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == IDOK) {
                OnOK();
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                OnCancel();
                return 0;
            }
        }
        break;
    }
    return Window::WindowProc(message, wParam, lParam);
}

bool Dialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

} // namespace fennick
