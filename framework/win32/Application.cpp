#include "framework/win32/Application.h"

#include <commctrl.h>

#include "framework/win32/Window.h"

namespace fennick {

namespace {

Application* currentApplication = nullptr;

} // namespace

Application::Application()
{
    currentApplication = this;
}

Application::~Application()
{
    if (currentApplication == this)
        currentApplication = nullptr;
}

Application* Application::Current()
{
    return currentApplication;
}

HWND Application::MainWindowHandle()
{
    const Window* main = currentApplication != nullptr ? currentApplication->mainWindow_ : nullptr;
    return main != nullptr ? main->Handle() : nullptr;
}

int Application::Run()
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    InitInstance();
    return 0;
}

void Application::BeginWaitCursor()
{
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (waitDepth_++ == 0)
        cursorBeforeWait_ = previous;
}

void Application::EndWaitCursor()
{
    if (waitDepth_ == 0)
        return;
    if (--waitDepth_ == 0)
        SetCursor(cursorBeforeWait_ != nullptr ? cursorBeforeWait_ : LoadCursorW(nullptr, IDC_ARROW));
}

WaitCursor::WaitCursor()
{
    if (Application* application = Application::Current())
        application->BeginWaitCursor();
}

WaitCursor::~WaitCursor()
{
    if (Application* application = Application::Current())
        application->EndWaitCursor();
}

} // namespace fennick
