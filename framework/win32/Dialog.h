#pragma once

#include "framework/win32/Window.h"

namespace fennick {

class DataExchange;

// A modal dialog made from a resource template. The object is bound to its window when
// WM_INITDIALOG arrives, with the template's controls in place: that message is the first the
// object sees, and its set-up belongs in OnInitDialog.
class Dialog : public Window {
public:
    Dialog(UINT templateId, Window* parent);

    // Runs the dialog until EndDialog; without a parent the main window owns it.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    // Copies between controls and members: true from the controls, false into them.
    void UpdateData(bool saveAndValidate = true);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& exchange);
    virtual void OnOK();
    virtual void OnCancel();

private:
    static INT_PTR CALLBACK BindingDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    Window* parent_;
};

} // namespace fennick
