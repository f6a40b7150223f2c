#pragma once

#include "framework/win32/Window.h"

namespace fennick {

class DataExchange;

// A modal dialog made from a resource template. The object is bound to the dialog window as the
// window is created, so it sees WM_CREATE and the first WM_SIZE before WM_INITDIALOG.
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
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    Window* parent_;
};

} // namespace fennick
