#pragma once

#include <windows.h>

namespace fennick {

class Window;

// The one application object: constructed as a global before start-up; the entry point calls
// Run, which sets up the common controls and hands the program to InitInstance.
class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    virtual ~Application();

    static Application* Current();

    int Run();

    // The window that owns message boxes and dialogs opened without a parent.
    Window* MainWindow() const { return mainWindow_; }
    void SetMainWindow(Window* window) { mainWindow_ = window; }

    // The current application's main window, or null when there is none (yet).
    static HWND MainWindowHandle();

    // Nesting: the arrow comes back when the outermost wait ends.
    void BeginWaitCursor();
    void EndWaitCursor();

protected:
    // Runs the program; returning false ends it without a message loop of the framework's own.
    virtual bool InitInstance() = 0;

private:
    Window* mainWindow_ = nullptr;
    int waitDepth_ = 0;
    HCURSOR cursorBeforeWait_ = nullptr;
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace fennick
