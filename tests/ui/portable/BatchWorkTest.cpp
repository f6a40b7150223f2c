#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ui/portable/BatchWork.h"

namespace fennick {
namespace {

using namespace std::chrono_literals;

// The window pauses the work while it asks the user something: the file in hand is finished,
// no other is started, and every outcome comes out once, in order. A file whose operation
// throws fails alone.
TEST(BatchWorkTest, PausesBetweenFilesAndHandsOutEachOutcomeOnce)
{
    BatchWork* work = nullptr;
    BatchWork paused({{10, L"0"}, {11, L"1"}, {12, L"2"}, {13, L"3"}}, [&](const std::wstring& path) {
        if (path == L"1")
            work->Pause();
        if (path == L"2")
            throw std::runtime_error("unexpected");
        return FileOutcome(true);
    });
    work = &paused;
    std::vector<std::pair<int, bool>> taken;
    const auto take = [&] {
        paused.TakeFinished([&](int row, FileOutcome outcome) { taken.emplace_back(row, static_cast<bool>(outcome)); });
    };
    std::thread worker(&BatchWork::Run, &paused);
    for (auto deadline = std::chrono::steady_clock::now() + 10s;
         taken.size() < 2 && std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(1ms))
        take();
    std::this_thread::sleep_for(50ms);
    take();
    EXPECT_EQ(taken.size(), 2u) << "a file was started while paused";
    paused.Resume();
    worker.join();
    take();
    EXPECT_EQ(taken, (std::vector<std::pair<int, bool>>{{10, true}, {11, true}, {12, false}, {13, true}}));
}

} // namespace
} // namespace fennick
