#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/ui/portable/MemoryFileList.h"
#include "ui/portable/BatchRuns.h"

namespace fennick {
namespace {

using testing::MemoryFileList;

// Rows a, b, c, d, e, f with results and ticks set per test.
class BatchRunTest : public ::testing::Test {
protected:
    MemoryFileList list{{L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt", L"C:\\d.txt", L"C:\\e.txt", L"C:\\f.txt"}};
    std::vector<std::wstring> processed;

    void Tick(std::initializer_list<int> rows)
    {
        for (const int row : rows)
            list.rows[row].ticked = true;
    }

    // Succeeds for every path but those of c.
    auto RecordingOperation()
    {
        return [this](const std::wstring& path) {
            processed.push_back(path);
            return path != L"C:\\c.txt";
        };
    }

    std::vector<std::wstring> Results() const
    {
        std::vector<std::wstring> results;
        for (const auto& row : list.rows)
            results.push_back(row.texts[ResultColumn]);
        return results;
    }
};

TEST_F(BatchRunTest, ConversionTakesTickedRowsWithoutResultTopToBottom)
{
    Tick({0, 1, 2, 4, 5});
    list.rows[1].texts[ResultColumn] = L"성공";
    list.rows[4].texts[ResultColumn] = L"실패";
    list.rows[3].texts[ResultColumn] = L"실패"; // unticked: kept as it is

    RunOnTickedRows(list, FinishedRows::Skip, RecordingOperation());

    EXPECT_EQ(processed, (std::vector<std::wstring>{L"C:\\a.txt", L"C:\\c.txt", L"C:\\f.txt"}));
    EXPECT_EQ(Results(), (std::vector<std::wstring>{L"성공", L"성공", L"실패", L"실패", L"실패", L"성공"}));
}

TEST_F(BatchRunTest, SecondConversionSkipsEverythingUntilResultsAreCleared)
{
    Tick({0, 2});
    RunOnTickedRows(list, FinishedRows::Skip, RecordingOperation());
    RunOnTickedRows(list, FinishedRows::Skip, RecordingOperation());
    EXPECT_EQ(processed.size(), 2u);

    ClearResults(list);
    EXPECT_EQ(Results(), (std::vector<std::wstring>(6, L"")));
    RunOnTickedRows(list, FinishedRows::Skip, RecordingOperation());
    EXPECT_EQ(processed.size(), 4u);
}

TEST_F(BatchRunTest, HeaderRunsRedoFinishedRowsAndCountSuccesses)
{
    Tick({0, 1, 2});
    list.rows[0].texts[ResultColumn] = L"실패";
    list.rows[5].texts[ResultColumn] = L"성공";

    const int successes = RunOnTickedRows(list, FinishedRows::Redo, RecordingOperation());

    EXPECT_EQ(successes, 2);
    EXPECT_EQ(processed, (std::vector<std::wstring>{L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt"}));
    EXPECT_EQ(Results(), (std::vector<std::wstring>{L"성공", L"성공", L"실패", L"", L"", L"성공"}));
}

TEST_F(BatchRunTest, NothingTickedProcessesNothing)
{
    EXPECT_EQ(RunOnTickedRows(list, FinishedRows::Redo, RecordingOperation()), 0);
    EXPECT_TRUE(processed.empty());
    MemoryFileList empty;
    EXPECT_EQ(RunOnTickedRows(empty, FinishedRows::Skip, RecordingOperation()), 0);
}

TEST_F(BatchRunTest, RowsFollowTheCurrentListOrder)
{
    // After a header click sorted the list in reverse.
    std::ranges::reverse(list.rows);
    Tick({0, 5});
    RunOnTickedRows(list, FinishedRows::Skip, RecordingOperation());
    EXPECT_EQ(processed, (std::vector<std::wstring>{L"C:\\f.txt", L"C:\\a.txt"}));
}

TEST_F(BatchRunTest, RowCountIsReadAgainAfterEveryRow)
{
    Tick({0, 1, 2, 3, 4, 5});
    const auto shrinking = [this](const std::wstring& path) {
        processed.push_back(path);
        list.rows.resize(3);
        return true;
    };
    RunOnTickedRows(list, FinishedRows::Redo, shrinking);
    EXPECT_EQ(processed, (std::vector<std::wstring>{L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt"}));
}

TEST_F(BatchRunTest, OperationGetsTheWholeLongPath)
{
    const std::wstring longPath = L"C:\\" + std::wstring(400, L'n') + L"\\file.txt";
    list.rows[0].texts[PathColumn] = longPath;
    Tick({0});
    RunOnTickedRows(list, FinishedRows::Skip, RecordingOperation());
    EXPECT_EQ(processed, std::vector<std::wstring>{longPath});
}

TEST(BatchSummaryTest, HeaderSummariesCarryTheCount)
{
    EXPECT_EQ(RemovedHeaderSummary(0), L"총 0 개의 파일에 대해서 BOM 을 제거하였습니다.");
    EXPECT_EQ(InsertedHeaderSummary(2), L"총 2 개의 파일에 대해서 BOM 을 추가하였습니다.");
}

} // namespace
} // namespace fennick
