#include "demo/win32/DemoDialog.h"
#include "framework/win32/Application.h"

#include <windows.h>

namespace {

// Runs the demo's one window; the program ends when it closes.
class DemoApp : public fennick::Application {
protected:
    bool InitInstance() override
    {
        fennick::DemoDialog dialog;
        SetMainWindow(&dialog);
        dialog.DoModal();
        SetMainWindow(nullptr);
        return false;
    }
};

DemoApp application;

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return application.Run();
}
