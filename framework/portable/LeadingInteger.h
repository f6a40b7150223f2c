#pragma once

#include <string_view>

namespace fennick {

// The integer a text starts with, read as the C run-time's _wtoi reads it: white space
// skipped, an optional sign, then ASCII digits up to the first other character; no digits read
// as 0. A value beyond the int range saturates to INT_MAX or INT_MIN.
int LeadingInteger(std::wstring_view text);

} // namespace fennick
