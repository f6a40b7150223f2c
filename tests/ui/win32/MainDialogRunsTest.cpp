#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/portable/ReplacementFile.h"
#include "resources/resource.h"
#include "tests/framework/support/TestDirectory.h"
#include "tests/support/win32/ModalDriver.h"
#include "tests/ui/win32/MainDialogDriving.h"
#include "tests/ui/win32/WindowProbe.h"

namespace fennick {
namespace {

using test::Bytes;
using test::ReadBytes;
using test::TestDirectory;
using testing::ChildText;
using testing::ColumnTexts;
using testing::DropPaths;
using testing::ExtensionList;
using testing::FileList;
using testing::Press;
using testing::PressToRun;
using testing::RunMainDialog;
using testing::ScriptedBoxes;
using testing::Ticks;
using Texts = std::vector<std::wstring>;

// "가나" in the ANSI code page 949, and as UTF-8 after the mark.
const Bytes kAnsi{'A', 0xB0, 0xA1, 0xB3, 0xAA, '\r', '\n'};
const Bytes kConverted{0xEF, 0xBB, 0xBF, 'A', 0xEA, 0xB0, 0x80, 0xEB, 0x82, 0x98, '\r', '\n'};

const std::wstring kConversionSummary =
    L"변환작업을 완료하였습니다.\n\n변환된 파일 안의 인코딩 타입 문자열은 직접 수정해주셔야 합니다.";

Bytes Marked(const Bytes& bytes)
{
    Bytes marked{0xEF, 0xBB, 0xBF};
    marked.insert(marked.end(), bytes.begin(), bytes.end());
    return marked;
}

TEST(MainDialogRuns, ConvertingWithBackupsGoesOnPastFilesThatFail)
{
    TestDirectory scratch;
    Texts dropped;
    for (const wchar_t* name : {L"first.txt", L"locked.txt", L"vanished.txt", L"last.txt", L"unticked.md"})
        dropped.push_back(scratch.Write(name, kAnsi));
    scratch.MakeReadOnly(L"locked.txt");
    ScriptedBoxes boxes({IDYES, IDOK});
    Texts results;
    std::vector<bool> ticks;
    RunMainDialog([&](HWND window) {
        DropPaths(window, dropped);
        for (int row = 0; row < 4; ++row)
            testing::ClickCheckBox(FileList(window), row);
        DeleteFileW(dropped[2].c_str());
        PressToRun(window, IDC_CONVERT);
        results = ColumnTexts(FileList(window), 1);
        ticks = Ticks(FileList(window));
    });

    EXPECT_EQ(results, (Texts{L"성공", L"실패", L"실패", L"성공", L""}));
    EXPECT_EQ(ticks, (std::vector<bool>{true, true, true, true, false}));
    for (const wchar_t* converted : {L"first.txt", L"last.txt"}) {
        EXPECT_EQ(scratch.Read(converted), kConverted);
        EXPECT_EQ(scratch.Read(converted + std::wstring(L".bak")), kAnsi);
    }
    EXPECT_EQ(scratch.Read(L"locked.txt"), kAnsi);
    EXPECT_EQ(scratch.Read(L"unticked.md"), kAnsi);
    EXPECT_EQ(scratch.Names(),
              (Texts{L"first.txt", L"first.txt.bak", L"last.txt", L"last.txt.bak", L"locked.txt", L"unticked.md"}));
}

TEST(MainDialogRuns, ConvertingWhenCancelledOrAgainLeavesFilesAloneUntilTheResultsAreCleared)
{
    TestDirectory scratch;
    const std::wstring file = scratch.Write(L"a.txt", kAnsi);
    ScriptedBoxes boxes({IDCANCEL, IDNO, IDOK, IDNO, IDOK, IDNO, IDOK});
    Bytes afterCancelling, afterSkippedRun;
    Texts resultsAfterCancelling, resultsAfterClearing;
    RunMainDialog([&](HWND window) {
        PressToRun(window, IDC_CONVERT);
        DropPaths(window, {file});
        PressToRun(window, IDC_CONVERT);
        EXPECT_TRUE(boxes.Shown().empty()) << "nothing ticked, nothing asked";
        testing::ClickCheckBox(ExtensionList(window), 0);
        PressToRun(window, IDC_CONVERT);
        afterCancelling = scratch.Read(L"a.txt");
        resultsAfterCancelling = ColumnTexts(FileList(window), 1);
        PressToRun(window, IDC_CONVERT);
        scratch.Write(L"a.txt", kAnsi);
        PressToRun(window, IDC_CONVERT);
        afterSkippedRun = scratch.Read(L"a.txt");
        Press(window, IDC_CLEAR_RESULTS);
        resultsAfterClearing = ColumnTexts(FileList(window), 1);
        PressToRun(window, IDC_CONVERT);
    });

    EXPECT_EQ(boxes.Shown().size(), 7u) << "each run asks and sums up, even with nothing to do";
    EXPECT_EQ(afterCancelling, kAnsi);
    EXPECT_EQ(resultsAfterCancelling, (Texts{L""}));
    EXPECT_EQ(afterSkippedRun, kAnsi);
    EXPECT_EQ(resultsAfterClearing, (Texts{L""}));
    EXPECT_EQ(scratch.Names(), (Texts{L"a.txt"}));
    EXPECT_EQ(scratch.Read(L"a.txt"), kConverted);
}

TEST(MainDialogRuns, HeaderRunsCountTheirSuccessesAndRedoFinishedRows)
{
    TestDirectory scratch;
    const Bytes text{'a', 'b', 'c'};
    const Texts dropped{scratch.Write(L"marked.txt", Marked(text)), scratch.Write(L"plain.txt", text),
                        scratch.Write(L"vanished.txt", text)};
    ScriptedBoxes boxes({IDOK, IDOK, IDOK});
    Texts afterInsert, afterRemove;
    Bytes plainAfterInsert;
    RunMainDialog([&](HWND window) {
        DropPaths(window, dropped);
        PressToRun(window, IDC_REMOVE_HEADER); // nothing ticked yet
        testing::ClickCheckBox(ExtensionList(window), 0);
        DeleteFileW(dropped[2].c_str());
        PressToRun(window, IDC_INSERT_HEADER);
        afterInsert = ColumnTexts(FileList(window), 1);
        plainAfterInsert = scratch.Read(L"plain.txt");
        PressToRun(window, IDC_REMOVE_HEADER);
        afterRemove = ColumnTexts(FileList(window), 1);
    });

    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[0].text, L"총 0 개의 파일에 대해서 BOM 을 제거하였습니다.");
    EXPECT_EQ(boxes.Shown()[1].text, L"총 2 개의 파일에 대해서 BOM 을 추가하였습니다.");
    EXPECT_EQ(boxes.Shown()[2].text, L"총 2 개의 파일에 대해서 BOM 을 제거하였습니다.");
    EXPECT_EQ(afterInsert, (Texts{L"성공", L"성공", L"실패"}));
    EXPECT_EQ(plainAfterInsert, Marked(text));
    EXPECT_EQ(afterRemove, (Texts{L"성공", L"성공", L"실패"}));
    EXPECT_EQ(scratch.Read(L"marked.txt"), text);
    EXPECT_EQ(scratch.Read(L"plain.txt"), text);
}

// For runs over hundreds of files, which need not reach the disk: under Wine each flush holds
// up every program until the disk has written.
class FlushingOff {
public:
    FlushingOff() { ReplacementFile::SetFlushingBeforeReplacing(false); }
    ~FlushingOff() { ReplacementFile::SetFlushingBeforeReplacing(true); }
};

// Files 문서000.txt, 문서001.txt… holding the ANSI text, dropped on the window and all ticked.
Texts DropManyFiles(HWND window, const TestDirectory& scratch, int count)
{
    Texts paths;
    for (int index = 0; index < count; ++index) {
        wchar_t name[16];
        swprintf(name, 16, L"문서%03d.txt", index);
        paths.push_back(scratch.Write(name, kAnsi));
    }
    DropPaths(window, paths);
    testing::ClickCheckBox(ExtensionList(window), 0);
    return paths;
}

int CountResults(HWND window)
{
    const Texts results = ColumnTexts(FileList(window), 1);
    return static_cast<int>(std::ranges::count_if(results, [](const auto& result) { return !result.empty(); }));
}

// The window answers and shows its progress while files are converted; whatever would change
// the rows is refused or, for a drop, waits for the end.
TEST(MainDialogRuns, ALongRunStaysAliveAndNothingDisturbsIt)
{
    const FlushingOff flushingOff;
    TestDirectory scratch;
    const std::wstring late = scratch.Write(L"late/dropped.txt", kAnsi);
    ScriptedBoxes boxes({IDNO, IDOK});
    Texts files, paths;
    std::set<std::wstring> progress;
    bool filling = false, enabled = false, disturbed = true;
    HCURSOR cursor = nullptr;
    std::optional<testing::AnswerTimes> answers;
    RunMainDialog([&](HWND window) {
        files = DropManyFiles(window, scratch, 400);
        Press(window, IDC_CONVERT);
        testing::WaitForRunEnd(window, [&] {
            progress.insert(ChildText(window, IDC_STATUS_LINE));
            const int filled = answers ? 0 : CountResults(window);
            if (filled == 0)
                return;
            filling = filled < 400;
            // Done and waiting rows both in sight, for the picture: files go on finishing while
            // it is taken.
            SendMessageW(FileList(window), LVM_ENSUREVISIBLE, std::min(filled + 40, 399), FALSE);
            SendMessageW(FileList(window), LVM_ENSUREVISIBLE, std::min(filled + 20, 399), FALSE);
            testing::SaveScreenshot(window, L"main-window-run");
            const auto ticks = Ticks(FileList(window));
            DropPaths(window, {late});
            for (const int id : {IDC_CONVERT, IDC_INSERT_HEADER, IDC_REMOVE_HEADER, IDC_CLEAR_LIST, IDC_APPLY_EXCLUSION,
                                 IDC_CLEAR_RESULTS}) {
                enabled = enabled || IsWindowEnabled(GetDlgItem(window, id));
                SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
            }
            testing::ClickHeader(FileList(window), 0);
            testing::ClickHeader(FileList(window), 0);
            testing::ClickCheckBox(FileList(window), 5);
            testing::ClickCheckBox(ExtensionList(window), 0);
            disturbed = ColumnTexts(FileList(window), 0) != files || Ticks(FileList(window)) != ticks ||
                        ColumnTexts(FileList(window), 1)[0] != L"성공";
            SendMessageW(FileList(window), WM_SETCURSOR, reinterpret_cast<WPARAM>(FileList(window)),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            cursor = GetCursor();
            answers.emplace(window); // from here on the test only reads the status line
        });
        if (answers)
            answers->Stop();
        paths = ColumnTexts(FileList(window), 0);
    });

    ASSERT_TRUE(answers.has_value());
    EXPECT_EQ(boxes.Shown()[1].text, kConversionSummary);
    EXPECT_TRUE(filling);
    EXPECT_FALSE(enabled);
    EXPECT_FALSE(disturbed);
    EXPECT_EQ(cursor, LoadCursorW(nullptr, IDC_WAIT));
    for (const std::wstring& file : files)
        ASSERT_EQ(ReadBytes(file), kConverted);
    files.push_back(late);
    EXPECT_EQ(paths, files) << "the drop is taken after the run";
    // Counted up, also while a drop waited; the usual status line came back.
    const auto counting = std::ranges::count_if(progress, [](const auto& text) {
        return text.starts_with(L"변환 중 : ") && text.find(L" / 400 개 처리, 실패 0 개") != std::wstring::npos;
    });
    EXPECT_GE(counting, 2);
    EXPECT_TRUE(progress.contains(L"등록된 파일 : 401 개, 선택된 파일 : 0 개"));
    EXPECT_TRUE(
        std::ranges::any_of(progress, [](const auto& text) { return text.ends_with(L"작업이 끝나면 추가합니다"); }));
    // A window busy with the files would not answer for the whole run; the benchmark measures
    // how close it stays to a tenth of a second.
    EXPECT_GE(answers->Answers(), 3);
    EXPECT_LT(answers->Longest().count(), 250) << "ms without an answer";
}

// Escape, the close box, Enter and "종료" ask first; stopping finishes the file in hand and
// leaves the rest for a second run, which writes the backups the first one did not.
TEST(MainDialogRuns, StoppingARunFinishesTheFileInHandAndASecondRunGoesOn)
{
    const FlushingOff flushingOff;
    TestDirectory scratch;
    ScriptedBoxes boxes({IDNO, IDNO, IDNO, IDNO, IDYES, IDOK, IDYES, IDOK});
    Texts files, stopped, finished;
    std::vector<Bytes> bytesAfterStop;
    RunMainDialog([&](HWND window) {
        files = DropManyFiles(window, scratch, 300);
        Press(window, IDC_CONVERT);
        bool asked = false;
        testing::WaitForRunEnd(window, [&] {
            if (asked || CountResults(window) == 0)
                return;
            asked = true;
            SendMessageW(window, WM_COMMAND, IDCANCEL, 0); // Escape
            SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            testing::PumpMessages();
            SendMessageW(window, WM_COMMAND, IDOK, 0); // Enter
            Press(window, IDC_EXIT);
        });
        stopped = ColumnTexts(FileList(window), 1);
        for (const std::wstring& file : files)
            bytesAfterStop.push_back(ReadBytes(file));
        PressToRun(window, IDC_CONVERT);
        finished = ColumnTexts(FileList(window), 1);
    });

    const auto done = std::ranges::count(stopped, std::wstring(L"성공"));
    ASSERT_GT(done, 0);
    ASSERT_LT(done, 300);
    ASSERT_EQ(boxes.Shown().size(), 8u);
    for (int question = 1; question <= 4; ++question)
        EXPECT_TRUE(boxes.Shown()[question].text.starts_with(L"작업이 진행 중입니다.")) << question;
    EXPECT_EQ(boxes.Shown()[5].text, L"변환작업을 중지하였습니다. 중지하기 전에 " + std::to_wstring(done) +
                                         L" 개의 파일을 처리하였습니다.\n\n변환된 파일 안의 인코딩 타입 문자열은 "
                                         L"직접 수정해주셔야 합니다.");
    EXPECT_EQ(finished, Texts(300, L"성공"));
    Texts names;
    for (int row = 0; row < 300; ++row) {
        const bool before = row < done;
        EXPECT_EQ(stopped[row], before ? L"성공" : L"") << row;
        EXPECT_EQ(bytesAfterStop[row], before ? kConverted : kAnsi) << row;
        names.push_back(files[row].substr(files[row].rfind(L'\\') + 1));
        if (!before)
            names.push_back(names.back() + L".bak");
    }
    EXPECT_EQ(scratch.Names(), names) << "a backup for each file of the second run, and no temporary file";
}

// Text in UTF-16 or UTF-32, and anything holding a NUL byte, is no ANSI text: conversion leaves
// it alone without asking, and adding the mark never puts one before a UTF-16 or UTF-32 mark.
TEST(MainDialogRuns, WhatIsNotAnsiTextIsLeftAloneAndCounted)
{
    Bytes lateNul;
    while (lateNul.size() < 600 * 1024) // past the first pieces that a file is read in
        lateNul.insert(lateNul.end(), {0xB0, 0xA1});
    lateNul.push_back(0);
    const struct {
        const wchar_t* name;
        Bytes bytes;
        bool converted;
        bool marked;
    } cases[] = {
        {L"utf16le.txt", {0xFF, 0xFE, 'A', 0, '\n', 0}, false, false},
        {L"utf16be.txt", {0xFE, 0xFF, 0, 'A'}, false, false},
        {L"utf32le.txt", {0xFF, 0xFE, 0, 0, 'A', 0, 0, 0}, false, false},
        {L"utf32be.txt", {0, 0, 0xFE, 0xFF, 0, 0, 0, 'A'}, false, false},
        {L"binary.txt", {'A', 0, 0xB0, 0xA1}, false, true},
        {L"late-binary.txt", lateNul, false, true},
        {L"ansi.txt", kAnsi, true, true},
    };
    TestDirectory scratch;
    Texts dropped;
    for (const auto& c : cases)
        dropped.push_back(scratch.Write(c.name, c.bytes));
    ScriptedBoxes boxes({IDYES, IDOK, IDOK});
    Texts afterConvert, afterInsert;
    std::vector<Bytes> convertedBytes;
    RunMainDialog([&](HWND window) {
        DropPaths(window, dropped);
        testing::ClickCheckBox(ExtensionList(window), 0);
        PressToRun(window, IDC_CONVERT);
        afterConvert = ColumnTexts(FileList(window), 1);
        for (const std::wstring& path : dropped)
            convertedBytes.push_back(ReadBytes(path));
        PressToRun(window, IDC_INSERT_HEADER);
        afterInsert = ColumnTexts(FileList(window), 1);
    });

    ASSERT_EQ(boxes.Shown().size(), 3u) << "no box for any one file";
    const std::wstring leftAlone = L"\n\nANSI 텍스트가 아닌 파일 ";
    const std::wstring kinds = L" 개(UTF-16, UTF-32 또는 이진 파일)는 그대로 두었습니다.";
    EXPECT_EQ(boxes.Shown()[1].text, kConversionSummary + leftAlone + L"6" + kinds);
    EXPECT_EQ(boxes.Shown()[2].text, L"총 3 개의 파일에 대해서 BOM 을 추가하였습니다." + leftAlone + L"4" + kinds);
    for (size_t row = 0; row < std::size(cases); ++row) {
        const auto& c = cases[row];
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.name)));
        const Bytes expected = c.converted ? kConverted : c.bytes;
        EXPECT_EQ(afterConvert[row], c.converted ? L"성공" : L"실패");
        EXPECT_TRUE(convertedBytes[row] == expected);
        EXPECT_EQ(afterInsert[row], c.marked ? L"성공" : L"실패");
        EXPECT_TRUE(ReadBytes(dropped[row]) == (c.marked && !c.converted ? Marked(c.bytes) : expected));
    }
    Texts names{L"ansi.txt.bak"};
    for (const auto& c : cases)
        names.push_back(c.name);
    std::ranges::sort(names);
    EXPECT_EQ(scratch.Names(), names) << "a backup for the converted file only";
}

} // namespace
} // namespace fennick
