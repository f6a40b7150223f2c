#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/ui/win32/MainDialogDriving.h"
#include "tests/ui/win32/WindowProbe.h"

namespace fennick {
namespace {

using testing::ChildText;
using testing::ColumnTexts;
using testing::DropPaths;
using testing::Press;
using testing::ReadBytes;
using testing::RunMainDialog;
using testing::ScratchFolder;
using testing::ScriptedBoxes;
using testing::Ticks;
using Texts = std::vector<std::wstring>;

// "가나" in the ANSI code page 949, and as UTF-8 after the mark.
const std::string kAnsi = "A\xB0\xA1\xB3\xAA\r\n";
const std::string kConverted = "\xEF\xBB\xBF"
                               "A\xEA\xB0\x80\xEB\x82\x98\r\n";
const std::string kMark = "\xEF\xBB\xBF";

constexpr wchar_t kConversionSummary[] =
    L"변환작업을 완료하였습니다.\n\n변환된 파일 안의 인코딩 타입 문자열은 직접 수정해주셔야 합니다.";

HWND FileList(HWND window)
{
    return GetDlgItem(window, IDC_FILE_LIST);
}

void TickAllRows(HWND window)
{
    for (int row = 0; row < static_cast<int>(Ticks(FileList(window)).size()); ++row)
        testing::ClickCheckBox(FileList(window), row);
}

TEST(MainDialogRuns, ConvertingWithBackupsGoesOnPastFilesThatFail)
{
    ScratchFolder scratch;
    const std::wstring first = scratch.Write(L"first.txt", kAnsi);
    const std::wstring readOnly = scratch.Write(L"locked.txt", kAnsi);
    const std::wstring vanished = scratch.Write(L"vanished.txt", kAnsi);
    const std::wstring last = scratch.Write(L"last.txt", kAnsi);
    const std::wstring unticked = scratch.Write(L"unticked.md", kAnsi);
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    ScriptedBoxes boxes({IDYES, IDOK});
    Texts results;
    std::vector<bool> ticks;
    std::wstring status;
    RunMainDialog([&](HWND window) {
        DropPaths(window, {first, readOnly, vanished, last, unticked});
        for (int row = 0; row < 4; ++row)
            testing::ClickCheckBox(FileList(window), row);
        DeleteFileW(vanished.c_str());
        Press(window, IDC_CONVERT);
        results = ColumnTexts(FileList(window), 1);
        ticks = Ticks(FileList(window));
        status = ChildText(window, IDC_STATUS_LINE);
    });

    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(boxes.Shown()[1].text, kConversionSummary);
    EXPECT_EQ(boxes.Shown()[1].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(results, (Texts{L"성공", L"실패", L"실패", L"성공", L""}));
    EXPECT_EQ(ticks, (std::vector<bool>{true, true, true, true, false}));
    EXPECT_EQ(status, L"등록된 파일 : 5 개, 선택된 파일 : 4 개");
    for (const std::wstring& converted : {first, last}) {
        EXPECT_EQ(ReadBytes(converted), kConverted);
        EXPECT_EQ(ReadBytes(converted + L".bak"), kAnsi);
    }
    EXPECT_EQ(ReadBytes(readOnly), kAnsi);
    EXPECT_FALSE(testing::Exists(readOnly + L".bak"));
    EXPECT_FALSE(testing::Exists(vanished));
    EXPECT_EQ(ReadBytes(unticked), kAnsi);
}

TEST(MainDialogRuns, ConvertingWhenCancelledOrAgainLeavesFilesAloneUntilTheResultsAreCleared)
{
    ScratchFolder scratch;
    const std::wstring file = scratch.Write(L"a.txt", kAnsi);
    ScriptedBoxes boxes({IDCANCEL, IDNO, IDOK, IDNO, IDOK, IDNO, IDOK});
    std::string afterCancelling, afterSkippedRun;
    Texts resultsAfterCancelling, resultsAfterClearing;
    RunMainDialog([&](HWND window) {
        Press(window, IDC_CONVERT);
        DropPaths(window, {file});
        Press(window, IDC_CONVERT);
        EXPECT_TRUE(boxes.Shown().empty()) << "nothing ticked, nothing asked";
        TickAllRows(window);
        Press(window, IDC_CONVERT);
        afterCancelling = ReadBytes(file);
        resultsAfterCancelling = ColumnTexts(FileList(window), 1);
        Press(window, IDC_CONVERT);
        scratch.Write(L"a.txt", kAnsi);
        Press(window, IDC_CONVERT);
        afterSkippedRun = ReadBytes(file);
        Press(window, IDC_CLEAR_RESULTS);
        resultsAfterClearing = ColumnTexts(FileList(window), 1);
        Press(window, IDC_CONVERT);
    });

    EXPECT_EQ(boxes.Shown().size(), 7u) << "each run asks and sums up, even with nothing to do";
    EXPECT_EQ(afterCancelling, kAnsi);
    EXPECT_EQ(resultsAfterCancelling, (Texts{L""}));
    EXPECT_EQ(afterSkippedRun, kAnsi);
    EXPECT_EQ(resultsAfterClearing, (Texts{L""}));
    EXPECT_EQ(ReadBytes(file), kConverted);
    EXPECT_FALSE(testing::Exists(file + L".bak"));
}

TEST(MainDialogRuns, HeaderRunsCountTheirSuccessesAndRedoFinishedRows)
{
    ScratchFolder scratch;
    const std::wstring marked = scratch.Write(L"marked.txt", kMark + "abc");
    const std::wstring plain = scratch.Write(L"plain.txt", "abc");
    const std::wstring vanished = scratch.Write(L"vanished.txt", "abc");
    ScriptedBoxes boxes({IDOK, IDOK, IDOK});
    Texts afterInsert, afterRemove;
    std::string markedAfterInsert, plainAfterInsert;
    RunMainDialog([&](HWND window) {
        DropPaths(window, {marked, plain, vanished});
        Press(window, IDC_REMOVE_HEADER); // nothing ticked yet
        TickAllRows(window);
        DeleteFileW(vanished.c_str());
        Press(window, IDC_INSERT_HEADER);
        afterInsert = ColumnTexts(FileList(window), 1);
        markedAfterInsert = ReadBytes(marked);
        plainAfterInsert = ReadBytes(plain);
        Press(window, IDC_REMOVE_HEADER);
        afterRemove = ColumnTexts(FileList(window), 1);
    });

    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[0].text, L"총 0 개의 파일에 대해서 BOM 을 제거하였습니다.");
    EXPECT_EQ(boxes.Shown()[1].text, L"총 2 개의 파일에 대해서 BOM 을 추가하였습니다.");
    EXPECT_EQ(boxes.Shown()[1].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(boxes.Shown()[2].text, L"총 2 개의 파일에 대해서 BOM 을 제거하였습니다.");
    EXPECT_EQ(afterInsert, (Texts{L"성공", L"성공", L"실패"}));
    EXPECT_EQ(markedAfterInsert, kMark + "abc");
    EXPECT_EQ(plainAfterInsert, kMark + "abc");
    EXPECT_EQ(afterRemove, (Texts{L"성공", L"성공", L"실패"}));
    EXPECT_EQ(ReadBytes(marked), "abc");
    EXPECT_EQ(ReadBytes(plain), "abc");
}

} // namespace
} // namespace fennick
