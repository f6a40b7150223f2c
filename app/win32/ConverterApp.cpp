#include "app/win32/ConverterApp.h"

#include "ui/win32/MainDialog.h"

namespace fennick {

bool ConverterApp::InitInstance()
{
    MainDialog dialog(nullptr);
    SetMainWindow(&dialog);
    dialog.DoModal();
    // The window is gone: nothing may be owned by it any more.
    SetMainWindow(nullptr);
    return false;
}

} // namespace fennick
