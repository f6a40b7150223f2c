#include <gtest/gtest.h>

#include <windows.h>

#include "app/win32/ConverterApp.h"
#include "framework/win32/Window.h"
#include "resources/resource.h"
#include "tests/support/win32/ModalDriver.h"

namespace fennick {
namespace {

TEST(ConverterApp, RunsTheMainWindowModallyAndEndsWhenItCloses)
{
    ConverterApp application;
    HWND shown = nullptr, mainWindow = nullptr;
    testing::DriveNextModal([&](HWND window) {
        shown = window;
        Window* main = application.MainWindow();
        mainWindow = main != nullptr ? main->Handle() : nullptr;
        SendMessageW(GetDlgItem(window, IDC_EXIT), BM_CLICK, 0, 0);
    });

    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(mainWindow, shown);
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(application.MainWindow(), nullptr) << "left pointing at the closed window";
}

} // namespace
} // namespace fennick
