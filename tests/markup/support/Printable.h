#pragma once

#include <string>
#include <string_view>

namespace fennick::test {

// A wide text for test names and messages: ASCII as it is, anything else and
// backslashes (which test names must not hold) as U+XXXX.
std::string Printable(std::wstring_view text);

} // namespace fennick::test
