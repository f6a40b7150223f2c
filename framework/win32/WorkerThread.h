#pragma once

#include <windows.h>

#include <exception>
#include <functional>

namespace fennick {

// Runs one job on a thread of its own, started at construction. The job may send messages to
// windows of the thread that waits for it: Join answers them while it waits.
class WorkerThread {
public:
    // Raises std::system_error when no thread can be started.
    explicit WorkerThread(std::function<void()> job);
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    ~WorkerThread(); // waits for the job, dropping an exception it let out

    // Waits for the job to end, then raises again an exception the job let out.
    void Join();

private:
    static unsigned __stdcall Start(void* self);
    void Wait();

    std::function<void()> job_;
    std::exception_ptr failure_;
    HANDLE thread_ = nullptr;
};

} // namespace fennick
