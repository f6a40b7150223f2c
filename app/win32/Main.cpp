#include <windows.h>

#include "app/win32/ConverterApp.h"

namespace {

fennick::ConverterApp application;

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return application.Run();
}
