#include "tests/ui/win32/WindowProbe.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "framework/win32/DataExchange.h"
#include "tests/support/win32/ModalDriver.h"

namespace fennick::testing {

std::wstring ChildText(HWND parent, int id)
{
    return WindowText(GetDlgItem(parent, id));
}

int TextOverflow(HWND control)
{
    const std::wstring text = WindowText(control);
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    RECT client{};
    GetClientRect(control, &client);
    return extent.cx - client.right;
}

bool SaveScreenshot(HWND window, const std::wstring& name)
{
    const wchar_t* folder = _wgetenv(L"FENNICK_SCREENSHOT_DIR");
    if (folder == nullptr || *folder == L'\0')
        return true;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();

    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header), header.biWidth = width, header.biHeight = height;
    header.biPlanes = 1, header.biBitCount = 24, header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    HDC windowDc = GetWindowDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    void* bits = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(windowDc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    GdiFlush();

    CreateDirectoryW(folder, nullptr);
    std::ofstream file(std::filesystem::path(folder) / (name + L".bmp"), std::ios::binary);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(header);
    const BITMAPFILEHEADER fileHeader{0x4D42, offset + header.biSizeImage, 0, 0, offset};
    file.write(reinterpret_cast<const char*>(&fileHeader), sizeof(fileHeader));
    file.write(reinterpret_cast<const char*>(&header), sizeof(header));
    file.write(static_cast<const char*>(bits), header.biSizeImage);

    SelectObject(memoryDc, previous);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return file.good();
}

} // namespace fennick::testing
