#pragma once

#include <string>

#include "framework/portable/FileException.h"

namespace fennick {

// The exception for the Windows error code `error` on the file `path`.
FileException SystemError(const std::wstring& path, unsigned long error);

} // namespace fennick
