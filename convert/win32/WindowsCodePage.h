#pragma once

#include "convert/portable/TableCodePage.h"

namespace fennick {

// The code page that files are converted from on a system whose ANSI code page is
// `ansiCodePage`, with its characters as the system's conversion gives them. Where the ANSI code
// page is UTF-8 (an option of Windows 10 and 11) files that are not UTF-8 already are taken as
// code page 949, the tool's stated source: as UTF-8 their Korean text would all be lost.
TableCodePage CodePageForAnsi(unsigned ansiCodePage);

} // namespace fennick
