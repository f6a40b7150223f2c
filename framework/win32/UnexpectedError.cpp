#include "framework/win32/UnexpectedError.h"

#include <string>

#include "framework/win32/MessageBox.h"

namespace fennick {

void ReportUnexpectedError(const char* detail)
{
    std::wstring text = L"예기치 않은 오류가 발생했습니다.";
    if (detail != nullptr && *detail != '\0') {
        const int length = MultiByteToWideChar(CP_UTF8, 0, detail, -1, nullptr, 0);
        if (length > 1) {
            std::wstring wide(static_cast<size_t>(length), L'\0');
            MultiByteToWideChar(CP_UTF8, 0, detail, -1, wide.data(), length);
            wide.resize(static_cast<size_t>(length - 1));
            text += L"\n\n" + wide;
        }
    }
    ShowMessageBox(text, L"Fennick", MB_OK | MB_ICONERROR);
}

} // namespace fennick
