#include "ui/portable/BatchWork.h"

#include <utility>

namespace fennick {

BatchWork::BatchWork(std::vector<RunItem> items, Operation operation)
    : items_(std::move(items)), operation_(std::move(operation)), outcomes_(items_.size(), FileOutcome(false))
{}

void BatchWork::Run()
{
    for (std::size_t index = 0; index < items_.size() && MayGoOn(); ++index) {
        FileOutcome outcome = false;
        try {
            outcome = operation_(items_[index].path);
        } catch (...) {
            // Failures the operation does not report itself still fail only this file.
        }
        outcomes_[index] = outcome;
        finished_.store(index + 1, std::memory_order_release);
    }
}

bool BatchWork::MayGoOn()
{
    std::unique_lock lock(mutex_);
    resumed_.wait(lock, [this] { return !paused_ || stopAsked_; });
    return !stopAsked_;
}

void BatchWork::Pause()
{
    std::lock_guard lock(mutex_);
    paused_ = true;
}

void BatchWork::Resume()
{
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    resumed_.notify_all();
}

void BatchWork::Stop()
{
    {
        std::lock_guard lock(mutex_);
        stopAsked_ = true;
    }
    resumed_.notify_all();
}

bool BatchWork::StopAsked() const
{
    std::lock_guard lock(mutex_);
    return stopAsked_;
}

void BatchWork::TakeFinished(const std::function<void(int row, FileOutcome outcome)>& take)
{
    const std::size_t finished = finished_.load(std::memory_order_acquire);
    for (; taken_ < finished; ++taken_)
        take(items_[taken_].row, outcomes_[taken_]);
}

} // namespace fennick
