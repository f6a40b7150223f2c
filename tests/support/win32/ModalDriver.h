#pragma once

#include <windows.h>

#include <functional>

namespace fennick::testing {

// What DoModal returns when a script left its dialog open.
constexpr INT_PTR kAbandoned = -2;

// Runs `script` inside the modal loop of the next dialog shown on this thread, once the dialog
// is up and idle. The script drives the dialog through messages and ends it; a dialog still open
// a few seconds after the script is ended with kAbandoned.
void DriveNextModal(std::function<void(HWND dialog)> script);

// Lets the current thread's windows process what is queued (paints, posted messages), without
// the dialog manager's keyboard handling: post keys and return from the script instead.
void PumpMessages();

} // namespace fennick::testing
