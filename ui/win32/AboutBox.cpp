#include "ui/win32/AboutBox.h"

#include "resources/resource.h"

namespace fennick {

AboutBox::AboutBox() : Dialog(IDD_ABOUT_BOX, nullptr) {}

} // namespace fennick
