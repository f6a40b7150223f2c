#include "framework/win32/HelpProgramCursor.h"

namespace fennick {

namespace {

constexpr int kHelpProgramHandCursor = 106;
constexpr UINT kWindowsDirectoryCapacity = 520;

} // namespace

std::wstring HelpProgramPath()
{
    wchar_t directory[kWindowsDirectoryCapacity];
    const UINT length = GetWindowsDirectoryW(directory, kWindowsDirectoryCapacity);
    if (length == 0 || length >= kWindowsDirectoryCapacity)
        return {};
    return std::wstring(directory, length) + L"\\Winhlp32.exe";
}

HCURSOR CopyHelpProgramHand(const std::wstring& helpProgramPath)
{
    if (helpProgramPath.empty())
        return nullptr;
    // Mapped as data only: nothing of the other program runs in ours.
    HMODULE program =
        LoadLibraryExW(helpProgramPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (program == nullptr)
        return nullptr;
    HCURSOR shared = LoadCursorW(program, MAKEINTRESOURCEW(kHelpProgramHandCursor));
    HCURSOR copy = shared != nullptr ? CopyCursor(shared) : nullptr;
    FreeLibrary(program);
    return copy;
}

} // namespace fennick
