#pragma once

#include <windows.h>
#include <shobjidl.h>

namespace fennick {

// The progress on a window's taskbar button, where the shell offers it (Windows 7 and later);
// without it every call does nothing.
class TaskbarProgress {
public:
    explicit TaskbarProgress(HWND window);
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;
    ~TaskbarProgress();

    void Show(int done, int total);
    void Clear();

private:
    HWND window_;
    ITaskbarList3* taskbar_ = nullptr;
    bool comStarted_ = false;
};

} // namespace fennick
