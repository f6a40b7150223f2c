#pragma once

#include <windows.h>

#include <string>

namespace fennick {

// "\Winhlp32.exe" in the Windows directory; empty if that directory cannot be found.
std::wstring HelpProgramPath();

// Where a pointing hand for links is looked for first; the other place is the fallback.
enum class HandCursorSource { HelpProgram, System };

// A pointing hand owned by the caller: the Windows help program's (its cursor 106, which
// exists only where the old help program does) or the system's own, tried in the order that
// `first` gives. Either is copied, so the copy stays usable after the help program's file is
// released and may always be destroyed. Null when neither can be had.
HCURSOR CopyHandCursor(HandCursorSource first);

} // namespace fennick
