#include "controls/win32/HandCursor.h"

namespace fennick {

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

} // namespace fennick
