#include "tests/support/win32/ModalDriver.h"

#include <utility>

namespace fennick::testing {

namespace {

constexpr UINT kGraceMilliseconds = 3000;

thread_local std::function<void(HWND)> pendingScript;
thread_local HWND drivenDialog = nullptr;

// A script that stopped early (a failed assertion) must not leave the test waiting forever.
// EndDialog hides a dialog at once, so one still visible after the grace time was not ended.
void CALLBACK AbandonIfStillOpen(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND dialog = std::exchange(drivenDialog, nullptr);
    if (dialog != nullptr && IsWindow(dialog) && IsWindowVisible(dialog))
        EndDialog(dialog, kAbandoned);
}

void CALLBACK RunPendingScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    // A template without WS_VISIBLE is shown only once the modal loop first goes idle.
    HWND dialog = GetActiveWindow();
    if (dialog == nullptr || !IsWindowVisible(dialog))
        return; // not up yet: the timer fires again
    KillTimer(nullptr, timer);
    auto script = std::exchange(pendingScript, nullptr);
    script(dialog);
    drivenDialog = dialog;
    SetTimer(nullptr, 0, kGraceMilliseconds, AbandonIfStillOpen);
}

} // namespace

void DriveNextModal(std::function<void(HWND dialog)> script)
{
    pendingScript = std::move(script);
    SetTimer(nullptr, 0, 10, RunPendingScript);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace fennick::testing
