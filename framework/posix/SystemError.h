#pragma once

#include <string>

#include "framework/portable/FileException.h"

namespace fennick {

// The exception for the C library error `error` (an errno value) on the file `path`.
FileException SystemError(const std::wstring& path, int error);

} // namespace fennick
