#pragma once

#include "framework/win32/Application.h"

namespace fennick {

// Runs the program as one modal main window; the program ends when that window closes.
class ConverterApp : public Application {
protected:
    bool InitInstance() override;
};

} // namespace fennick
