#pragma once

#include "framework/win32/Dialog.h"

namespace fennick {

// The about box: the icon, the program's name and version and the copyright line.
class AboutBox : public Dialog {
public:
    AboutBox();
};

} // namespace fennick
