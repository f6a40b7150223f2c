#include "framework/win32/Dialog.h"

#include "framework/win32/Application.h"
#include "framework/win32/Window.h"
#include "framework/win32/DataExchange.h"

#include <utility>

namespace fennick {

namespace {

// The dialog whose window is being created on this thread, and the hook that binds it.
thread_local Dialog* dialogBeingCreated = nullptr;
thread_local HHOOK creationHook = nullptr;

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

HWND OwnerFor(Window* parent)
{
    if (parent != nullptr)
        return parent->Handle();
    Application* application = Application::Current();
    Window* main = application != nullptr ? application->MainWindow() : nullptr;
    return main != nullptr ? main->Handle() : nullptr;
}

} // namespace

Dialog::Dialog(UINT templateId, Window* parent) : templateId_(templateId), parent_(parent) {}

LRESULT CALLBACK Dialog::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    // The dialog window is the first window created while DoModal waits; its controls follow.
    if (code == HCBT_CREATEWND && dialogBeingCreated != nullptr) {
        Dialog* dialog = std::exchange(dialogBeingCreated, nullptr);
        dialog->Bind(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

INT_PTR Dialog::DoModal()
{
    HWND owner = OwnerFor(parent_);
    dialogBeingCreated = this;
    creationHook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, PlainDialogProc, 0);
    UnhookWindowsHookEx(std::exchange(creationHook, nullptr));
    dialogBeingCreated = nullptr;
    return result;
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
