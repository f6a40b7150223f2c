#include "framework/win32/HandCursor.h"

namespace fennick {

namespace {

constexpr int kHelpProgramHandCursor = 106;
constexpr UINT kWindowsDirectoryCapacity = 520;

HCURSOR CopyHelpProgramHand()
{
    const std::wstring path = HelpProgramPath();
    if (path.empty())
        return nullptr;
    // Mapped as data only: nothing of the other program runs in ours.
    HMODULE program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (program == nullptr)
        return nullptr;
    HCURSOR shared = LoadCursorW(program, MAKEINTRESOURCEW(kHelpProgramHandCursor));
    HCURSOR copy = shared != nullptr ? CopyCursor(shared) : nullptr;
    FreeLibrary(program);
    return copy;
}

HCURSOR CopySystemHand()
{
    HCURSOR shared = LoadCursorW(nullptr, IDC_HAND);
    return shared != nullptr ? CopyCursor(shared) : nullptr;
}

} // namespace

std::wstring HelpProgramPath()
{
    wchar_t directory[kWindowsDirectoryCapacity];
    const UINT length = GetWindowsDirectoryW(directory, kWindowsDirectoryCapacity);
    if (length == 0 || length >= kWindowsDirectoryCapacity)
        return {};
    return std::wstring(directory, length) + L"\\Winhlp32.exe";
}

HCURSOR CopyHandCursor(HandCursorSource first)
{
    if (first == HandCursorSource::HelpProgram) {
        HCURSOR hand = CopyHelpProgramHand();
        return hand != nullptr ? hand : CopySystemHand();
    }
    HCURSOR hand = CopySystemHand();
    return hand != nullptr ? hand : CopyHelpProgramHand();
}

} // namespace fennick
