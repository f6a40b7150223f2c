#pragma once

#include <windows.h>

#include <string>

namespace fennick {

// String `id` of the string table of `module` (null: the program's own); empty when there is
// no such string.
std::wstring LoadStringResource(UINT id, HMODULE module = nullptr);

} // namespace fennick
