#pragma once

#include <string_view>

#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {

// `utf8` in the ANSI code page, converted by the platform itself rather than by the code under
// test: by iconv's CP949 natively, by WideCharToMultiByte with CP_ACP on Windows.
Bytes ToAnsiByPlatform(std::u8string_view utf8);

} // namespace fennick::test
