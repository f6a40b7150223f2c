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
using Taken = std::vector<std::pair<int, bool>>;

std::vector<RunItem> Files(int count)
{
    std::vector<RunItem> items;
    for (int index = 0; index < count; ++index)
        items.push_back({10 + index, std::to_wstring(index)});
    return items;
}

Taken Take(BatchWork& work)
{
    Taken taken;
    work.TakeFinished([&](int row, FileOutcome outcome) { taken.emplace_back(row, static_cast<bool>(outcome)); });
    return taken;
}

// What the window does from its own thread takes effect between two files: the file in hand
// is finished, and every outcome is handed out once, in order.
TEST(BatchWorkTest, StopsAndPausesBetweenFiles)
{
    BatchWork* current = nullptr;
    BatchWork stopped(Files(6), [&](const std::wstring& path) {
        if (path == L"2")
            current->Stop();
        return FileOutcome(path != L"1");
    });
    current = &stopped;
    std::thread(&BatchWork::Run, &stopped).join();
    EXPECT_TRUE(stopped.StopAsked());
    EXPECT_EQ(Take(stopped), (Taken{{10, true}, {11, false}, {12, true}}));
    EXPECT_EQ(Take(stopped), Taken{});

    BatchWork paused(Files(5), [&](const std::wstring& path) {
        if (path == L"1")
            current->Pause();
        if (path == L"3")
            throw std::runtime_error("unexpected");
        return FileOutcome(true);
    });
    current = &paused;
    std::thread worker(&BatchWork::Run, &paused);
    Taken taken;
    for (auto deadline = std::chrono::steady_clock::now() + 10s;
         taken.size() < 2 && std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(1ms)) {
        const Taken more = Take(paused);
        taken.insert(taken.end(), more.begin(), more.end());
    }
    std::this_thread::sleep_for(50ms);
    const Taken whilePaused = Take(paused);
    taken.insert(taken.end(), whilePaused.begin(), whilePaused.end());
    EXPECT_EQ(taken.size(), 2u) << "no file is started while paused";
    paused.Resume();
    worker.join();
    const Taken rest = Take(paused);
    taken.insert(taken.end(), rest.begin(), rest.end());
    EXPECT_EQ(taken, (Taken{{10, true}, {11, true}, {12, true}, {13, false}, {14, true}}));
    EXPECT_FALSE(paused.StopAsked());
}

} // namespace
} // namespace fennick
