#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "convert/portable/FileOutcome.h"

namespace fennick {

// One file a run works on: its row in the file list and its full path.
struct RunItem {
    int row = -1;
    std::wstring path;
};

// The work of one batch run: one file operation over a list of files, done on a worker thread
// while the window's thread takes the outcomes as they come. The window may hold the work while
// it asks the user something, and stop it; either takes effect between two files, so the file
// in hand is always finished.
class BatchWork {
public:
    using Operation = std::function<FileOutcome(const std::wstring& path)>;

    BatchWork(std::vector<RunItem> items, Operation operation);

    // The worker's part: the operation on each file in order, until all are done or a stop is
    // asked for. An exception that the operation lets out fails its file only.
    void Run();

    // The window's part.
    void Pause();
    void Resume();
    void Stop(); // also ends a pause
    bool StopAsked() const;
    int Total() const { return static_cast<int>(items_.size()); }

    // Hands the row and outcome of each file finished since the last call to `take`, in order.
    void TakeFinished(const std::function<void(int row, FileOutcome outcome)>& take);

private:
    // Waits while paused; false once a stop is asked for.
    bool MayGoOn();

    const std::vector<RunItem> items_;
    const Operation operation_;
    std::vector<FileOutcome> outcomes_;
    std::atomic<std::size_t> finished_{0}; // outcomes_ below it are written
    std::size_t taken_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable resumed_;
    bool paused_ = false;
    bool stopAsked_ = false;
};

} // namespace fennick
