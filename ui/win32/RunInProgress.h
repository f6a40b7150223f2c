#pragma once

#include <windows.h>

#include <vector>

#include "framework/win32/Application.h"
#include "framework/win32/WorkerThread.h"
#include "ui/portable/BatchRuns.h"
#include "ui/portable/BatchWork.h"

namespace fennick {

// A batch run going on: its work on a worker thread, and what the window has taken of it so
// far. The worker posts `endedMessage` to the window when the work has ended, done or stopped.
// The wait cursor shows for the run's whole life.
struct RunInProgress {
    RunInProgress(RunKind runKind, std::vector<RunItem> items, BatchWork::Operation operation, HWND window,
                  UINT endedMessage)
        : kind(runKind), work(std::move(items), std::move(operation)), worker([this, window, endedMessage] {
              work.Run();
              PostMessageW(window, endedMessage, 0, 0);
          })
    {}

    const RunKind kind;
    RunTally tally;
    BatchWork work;
    WaitCursor waitCursor;
    WorkerThread worker; // last: starts once the rest is in place, and ends first
};

} // namespace fennick
