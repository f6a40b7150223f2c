#pragma once

#include <windows.h>

#include <string>

namespace fennick {

// "\Winhlp32.exe" in the Windows directory; empty if that directory cannot be found.
std::wstring HelpProgramPath();

// A copy of the help program's pointing hand (its cursor 106), owned by the caller, or null when
// the program or the cursor is missing, as on current Windows. The copy stays usable after the
// program's file is released.
HCURSOR CopyHelpProgramHand(const std::wstring& helpProgramPath);

} // namespace fennick
