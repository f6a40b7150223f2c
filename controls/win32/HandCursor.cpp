#include "controls/win32/HandCursor.h"

namespace fennick {

namespace {

constexpr int kHelpProgramHandCursor = 106;
constexpr UINT kWindowsDirectoryCapacity = 520;

// Mapped as data only: nothing of the other program runs in ours.
HCURSOR CopyHelpProgramHand(const std::wstring& helpProgramPath)
{
    if (helpProgramPath.empty())
        return nullptr;
    HMODULE program = LoadLibraryExW(helpProgramPath.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (program == nullptr)
        return nullptr;
    HCURSOR shared = LoadCursorW(program, MAKEINTRESOURCEW(kHelpProgramHandCursor));
    HCURSOR copy = shared != nullptr ? CopyCursor(shared) : nullptr;
    FreeLibrary(program);
    return copy;
}

} // namespace

HandCursor::~HandCursor()
{
    Release();
}

void HandCursor::Load(const std::wstring& helpProgramPath)
{
    Release();
    cursor_ = CopyHelpProgramHand(helpProgramPath);
    owned_ = cursor_ != nullptr;
    if (!owned_)
        cursor_ = LoadCursorW(nullptr, IDC_HAND);
}

void HandCursor::Release()
{
    if (owned_)
        DestroyCursor(cursor_);
    cursor_ = nullptr;
    owned_ = false;
}

std::wstring HelpProgramPath()
{
    wchar_t directory[kWindowsDirectoryCapacity];
    const UINT length = GetWindowsDirectoryW(directory, kWindowsDirectoryCapacity);
    if (length == 0 || length >= kWindowsDirectoryCapacity)
        return {};
    return std::wstring(directory, length) + L"\\Winhlp32.exe";
}

} // namespace fennick
