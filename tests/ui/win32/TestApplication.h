#pragma once

#include "framework/win32/Application.h"

namespace fennick::testing {

// Stands for the program's application object while a test runs a window as the main window,
// so that the dialogs and boxes it opens without a parent belong to it.
class TestApplication : public Application {
public:
    explicit TestApplication(Window& mainWindow) { SetMainWindow(&mainWindow); }

protected:
    bool InitInstance() override { return false; }
};

} // namespace fennick::testing
