#include "ui/win32/TaskbarProgress.h"

namespace fennick {

TaskbarProgress::TaskbarProgress(HWND window) : window_(window)
{
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(&taskbar_)))) {
        taskbar_ = nullptr;
    } else if (FAILED(taskbar_->HrInit())) {
        taskbar_->Release();
        taskbar_ = nullptr;
    }
}

TaskbarProgress::~TaskbarProgress()
{
    if (taskbar_ != nullptr) {
        Clear();
        taskbar_->Release();
    }
    if (comStarted_)
        CoUninitialize();
}

void TaskbarProgress::Show(int done, int total)
{
    if (taskbar_ == nullptr)
        return;
    taskbar_->SetProgressState(window_, TBPF_NORMAL);
    taskbar_->SetProgressValue(window_, static_cast<ULONGLONG>(done), static_cast<ULONGLONG>(total));
}

void TaskbarProgress::Clear()
{
    if (taskbar_ != nullptr)
        taskbar_->SetProgressState(window_, TBPF_NOPROGRESS);
}

} // namespace fennick
