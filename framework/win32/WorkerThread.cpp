#include "framework/win32/WorkerThread.h"

#include <process.h>

#include <system_error>
#include <utility>

namespace fennick {

WorkerThread::WorkerThread(std::function<void()> job) : job_(std::move(job))
{
    // The C run-time's own start, so that the job may use all of the run-time library.
    thread_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Start, this, 0, nullptr));
    if (thread_ == nullptr)
        throw std::system_error(errno, std::generic_category(), "no worker thread");
}

WorkerThread::~WorkerThread()
{
    Wait();
}

unsigned __stdcall WorkerThread::Start(void* self)
{
    auto* worker = static_cast<WorkerThread*>(self);
    // No exception may unwind out of a thread: it is kept for Join.
    try {
        worker->job_();
    } catch (...) {
        worker->failure_ = std::current_exception();
    }
    return 0;
}

void WorkerThread::Join()
{
    Wait();
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
}

void WorkerThread::Wait()
{
    if (thread_ == nullptr)
        return;
    // A job waiting for this thread to answer what it sent would otherwise wait forever.
    while (MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    WaitForSingleObject(thread_, INFINITE); // at once, unless the wait above failed
    CloseHandle(std::exchange(thread_, nullptr));
}

} // namespace fennick
