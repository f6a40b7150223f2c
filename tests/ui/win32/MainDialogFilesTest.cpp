#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/portable/ErrorReport.h"
#include "resources/resource.h"
#include "tests/ui/win32/MainDialogDriving.h"
#include "tests/ui/win32/WindowProbe.h"

namespace fennick {
namespace {

using testing::ChildText;
using testing::ColumnTexts;
using testing::DropPaths;
using testing::RunMainDialog;
using testing::ScratchFolder;
using testing::ScriptedBoxes;
using testing::Ticks;
using Texts = std::vector<std::wstring>;
using TickStates = std::vector<bool>;

constexpr wchar_t kFolderQuestion[] =
    L"선택하신 항목 중에 1개 이상의 폴더가 포함되어 있습니다.\n\n하위 폴더의 파일을 검색하여 목록에 추가하시겠습니까?";

HWND FileList(HWND window) { return GetDlgItem(window, IDC_FILE_LIST); }
HWND ExtensionList(HWND window) { return GetDlgItem(window, IDC_EXTENSION_LIST); }

void Press(HWND window, int button)
{
    SendMessageW(GetDlgItem(window, button), BM_CLICK, 0, 0);
}

TEST(MainDialogFiles, DroppedFilesComeFirstThenEachFolderTreeDepthFirstWhenTheUserAgrees)
{
    ScratchFolder scratch;
    const std::wstring loose = scratch.Write(L"loose.html", "x");
    const std::wstring other = scratch.Write(L"other.php", "x");
    scratch.Write(L"tree\\top.txt", "x");
    scratch.Write(L"tree\\sub\\b.TXT", "x");
    scratch.Write(L"tree\\sub\\deeper\\README", "x");
    scratch.MakeFolder(L"tree\\empty\\emptier");
    ScriptedBoxes boxes({IDYES});
    Texts paths, results, extensions, counts;
    std::wstring title, status;
    RunMainDialog([&](HWND window) {
        DropPaths(window, {loose, scratch.PathOf(L"tree"), other});
        paths = ColumnTexts(FileList(window), 0);
        results = ColumnTexts(FileList(window), 1);
        extensions = ColumnTexts(ExtensionList(window), 0);
        counts = ColumnTexts(ExtensionList(window), 1);
        title = ChildText(window, IDC_EXTENSION_GROUP);
        status = ChildText(window, IDC_STATUS_LINE);
    });

    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, kFolderQuestion);
    EXPECT_EQ(boxes.Shown()[0].caption, L"질문");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(paths, (Texts{loose, other, scratch.PathOf(L"tree\\top.txt"), scratch.PathOf(L"tree\\sub\\b.TXT"),
                            scratch.PathOf(L"tree\\sub\\deeper\\README")}));
    EXPECT_EQ(results, Texts(5));
    EXPECT_EQ(extensions, (Texts{L".TXT", L".html", L".php", L".txt", L"없음"}));
    EXPECT_EQ(counts, (Texts{L"1", L"1", L"1", L"1", L"1"}));
    EXPECT_EQ(title, L"확장자 : 총 5개");
    EXPECT_EQ(status, L"등록된 파일 : 5 개, 선택된 파일 : 0 개");
}

TEST(MainDialogFiles, FoldersRefusedStayOutWhileFilesOfEveryDropAddUpDuplicatesIncluded)
{
    ScratchFolder scratch;
    const std::wstring file = scratch.Write(L"a.txt", "x");
    scratch.Write(L"tree\\inside.txt", "x");
    ScriptedBoxes boxes({IDNO});
    Texts paths, counts;
    TickStates ticksAfterSecondDrop;
    std::wstring status;
    RunMainDialog([&](HWND window) {
        DropPaths(window, {scratch.PathOf(L"tree"), file});
        testing::ClickCheckBox(FileList(window), 0);
        DropPaths(window, {file});
        paths = ColumnTexts(FileList(window), 0);
        counts = ColumnTexts(ExtensionList(window), 1);
        ticksAfterSecondDrop = Ticks(FileList(window));
        status = ChildText(window, IDC_STATUS_LINE);
    });

    EXPECT_EQ(boxes.Shown().size(), 1u) << "only the drop holding a folder asks";
    EXPECT_EQ(paths, (Texts{file, file}));
    EXPECT_EQ(counts, (Texts{L"2"}));
    EXPECT_EQ(ticksAfterSecondDrop, (TickStates{false, false}));
    EXPECT_EQ(status, L"등록된 파일 : 2 개, 선택된 파일 : 0 개");
}

TEST(MainDialogFiles, DroppedPathsLongerThanTheOldBufferAreCollectedWhole)
{
    ScratchFolder scratch;
    const std::wstring deep = std::wstring(120, L'd') + L"\\" + std::wstring(120, L'e') + L"\\long.txt";
    const std::wstring file = scratch.Write(deep, "x");
    ASSERT_GT(file.size(), 260u);
    ASSERT_TRUE(testing::Exists(file));
    Texts paths;
    RunMainDialog([&](HWND window) {
        DropPaths(window, {file});
        paths = ColumnTexts(FileList(window), 0);
    });
    EXPECT_EQ(paths, (Texts{file}));
}

TEST(MainDialogFiles, ExclusionHidesByTextInsideItAndClearingForgetsEverything)
{
    ScratchFolder scratch;
    Texts dropped;
    for (const wchar_t* name : {L"a.html", L"b.htm", L"c.h", L"d.php", L"e.HTML", L"f"})
        dropped.push_back(scratch.Write(name, "x"));
    Texts shown, extensions, cleared, clearedExtensions;
    std::wstring title, status, clearedTitle, clearedStatus;
    RunMainDialog([&](HWND window) {
        DropPaths(window, dropped);
        SetDlgItemTextW(window, IDC_EXCLUSION_EDIT, L"*.html;*php;");
        Press(window, IDC_APPLY_EXCLUSION);
        shown = ColumnTexts(FileList(window), 0);
        extensions = ColumnTexts(ExtensionList(window), 0);
        title = ChildText(window, IDC_EXTENSION_GROUP);
        status = ChildText(window, IDC_STATUS_LINE);
        Press(window, IDC_CLEAR_LIST);
        cleared = ColumnTexts(FileList(window), 0);
        clearedExtensions = ColumnTexts(ExtensionList(window), 0);
        clearedTitle = ChildText(window, IDC_EXTENSION_GROUP);
        clearedStatus = ChildText(window, IDC_STATUS_LINE);
    });

    EXPECT_EQ(shown, (Texts{dropped[3], dropped[4], dropped[5]}));
    EXPECT_EQ(extensions, (Texts{L".HTML", L".php", L"없음"}));
    EXPECT_EQ(title, L"확장자 : 총 3개");
    EXPECT_EQ(status, L"등록된 파일 : 3 개, 선택된 파일 : 0 개");
    EXPECT_TRUE(cleared.empty());
    EXPECT_TRUE(clearedExtensions.empty());
    EXPECT_EQ(clearedTitle, L"확장자 : 총 0개");
    EXPECT_EQ(clearedStatus, L"등록된 파일 : 0 개, 선택된 파일 : 0 개");
}

TEST(MainDialogFiles, AnExtensionRowsCheckBoxTicksItsFilesWhateverTheirCase)
{
    ScratchFolder scratch;
    const Texts dropped{scratch.Write(L"a.txt", "x"), scratch.Write(L"b.TXT", "x"), scratch.Write(L"c.md", "x")};
    TickStates afterTick, boxAfterTick, afterUntick, boxAfterUntick;
    std::wstring statusAfterTick, statusAfterUntick, typedExclusion;
    RunMainDialog([&](HWND window) {
        DropPaths(window, dropped);
        SetDlgItemTextW(window, IDC_EXCLUSION_EDIT, L".md");  // typed, not applied
        ASSERT_EQ(ColumnTexts(ExtensionList(window), 0), (Texts{L".TXT", L".md", L".txt"}));
        testing::ClickCheckBox(ExtensionList(window), 2);
        afterTick = Ticks(FileList(window));
        boxAfterTick = Ticks(ExtensionList(window));
        statusAfterTick = ChildText(window, IDC_STATUS_LINE);
        testing::ClickCheckBox(ExtensionList(window), 2);
        afterUntick = Ticks(FileList(window));
        boxAfterUntick = Ticks(ExtensionList(window));
        statusAfterUntick = ChildText(window, IDC_STATUS_LINE);
        typedExclusion = ChildText(window, IDC_EXCLUSION_EDIT);
    });

    EXPECT_EQ(afterTick, (TickStates{true, true, false}));
    EXPECT_EQ(boxAfterTick, (TickStates{false, false, true}));
    EXPECT_EQ(statusAfterTick, L"등록된 파일 : 3 개, 선택된 파일 : 2 개");
    EXPECT_EQ(afterUntick, (TickStates{false, false, false}));
    EXPECT_EQ(boxAfterUntick, (TickStates{false, false, false}));
    EXPECT_EQ(statusAfterUntick, L"등록된 파일 : 3 개, 선택된 파일 : 0 개");
    EXPECT_EQ(typedExclusion, L".md");
}

TEST(MainDialogFiles, ClicksBesideAnExtensionRowsCheckBox)
{
    ScratchFolder scratch;
    const Texts dropped{scratch.Write(L"a.txt", "x"), scratch.Write(L"README", "x")};
    TickStates afterCountClick, afterKeyClick, boxAfterKeyClick;
    RunMainDialog([&](HWND window) {
        DropPaths(window, dropped);
        testing::ClickCell(ExtensionList(window), 1, 1);  // the count of "없음"
        afterCountClick = Ticks(FileList(window));
        testing::ClickCell(ExtensionList(window), 1, 0);  // the key "없음" itself
        afterKeyClick = Ticks(FileList(window));
        boxAfterKeyClick = Ticks(ExtensionList(window));
    });

    EXPECT_EQ(afterCountClick, (TickStates{false, false}));
    EXPECT_EQ(afterKeyClick, (TickStates{false, true}));
    EXPECT_EQ(boxAfterKeyClick, (TickStates{false, false}));
}

TEST(MainDialogFiles, TickingByACheckBoxOrTheSpaceBarCountsInTheStatusLine)
{
    ScratchFolder scratch;
    const Texts dropped{scratch.Write(L"a.txt", "x"), scratch.Write(L"b.txt", "x")};
    std::wstring afterTick, afterUntick, afterSpace;
    TickStates afterSpaceOnExtension;
    RunMainDialog([&](HWND window) {
        DropPaths(window, dropped);
        testing::ClickCheckBox(FileList(window), 1);
        afterTick = ChildText(window, IDC_STATUS_LINE);
        testing::ClickCheckBox(FileList(window), 1);
        afterUntick = ChildText(window, IDC_STATUS_LINE);
        testing::PressSpaceOnRow(FileList(window), 0);
        afterSpace = ChildText(window, IDC_STATUS_LINE);
        testing::PressSpaceOnRow(ExtensionList(window), 0);
        afterSpaceOnExtension = Ticks(FileList(window));
    });
    EXPECT_EQ(afterTick, L"등록된 파일 : 2 개, 선택된 파일 : 1 개");
    EXPECT_EQ(afterUntick, L"등록된 파일 : 2 개, 선택된 파일 : 0 개");
    EXPECT_EQ(afterSpace, L"등록된 파일 : 2 개, 선택된 파일 : 1 개");
    EXPECT_EQ(afterSpaceOnExtension, (TickStates{true, true}));
}

TEST(MainDialogFiles, FileErrorsAreReportedInABoxWhileTheWindowLives)
{
    std::vector<std::wstring> reportedElsewhere;
    SetErrorReportHandler([&](const FileException& failure) { reportedElsewhere.push_back(failure.Path()); });
    ScriptedBoxes boxes({IDOK});
    RunMainDialog([](HWND) { FileException(L"C:\\a.txt", L"the disk is full").ReportError(); });
    FileException(L"C:\\b.txt", L"gone").ReportError();
    SetErrorReportHandler(nullptr);

    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"C:\\a.txt\nthe disk is full");
    EXPECT_EQ(boxes.Shown()[0].caption, L"Fennick");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(reportedElsewhere, (std::vector<std::wstring>{L"C:\\b.txt"}));
}

} // namespace
} // namespace fennick
