#pragma once

#include <windows.h>

namespace fennick {

// Tells the user that handling a message failed unexpectedly (an exception that reached a
// window procedure); `detail` is the exception's own text, or null when there is none.
void ReportUnexpectedError(const char* detail);

} // namespace fennick
