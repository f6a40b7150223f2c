#include <gtest/gtest.h>

#include <windows.h>

#include "app/win32/ConverterApp.h"
#include "framework/win32/DataExchange.h"
#include "framework/win32/Window.h"
#include "resources/resource.h"
#include "tests/support/win32/ModalDriver.h"

namespace fennick {
namespace {

TEST(ConverterApp, RunsTheMainWindowModallyAndEndsWhenItCloses)
{
    ConverterApp application;
    HWND shown = nullptr, mainWindow = nullptr;
    std::wstring caption;
    testing::DriveNextModal([&](HWND window) {
        shown = window;
        Window* main = application.MainWindow();
        mainWindow = main != nullptr ? main->Handle() : nullptr;
        caption = WindowText(window);
        SendMessageW(GetDlgItem(window, IDC_EXIT), BM_CLICK, 0, 0);
    });

    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(mainWindow, shown);
    EXPECT_EQ(caption, L"파일포맷 변환 (ASCII / EUC-KR -> UTF-8)");
    EXPECT_FALSE(IsWindow(shown));
    // Nothing may be owned by the closed window afterwards.
    EXPECT_EQ(application.MainWindow(), nullptr);
}

} // namespace
} // namespace fennick
