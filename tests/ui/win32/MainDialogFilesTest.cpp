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
using testing::Press;
using testing::RunMainDialog;
using testing::ScratchFolder;
using testing::ScriptedBoxes;
using testing::Ticks;
using Texts = std::vector<std::wstring>;
using TickStates = std::vector<bool>;

HWND FileList(HWND window)
{
    return GetDlgItem(window, IDC_FILE_LIST);
}
HWND ExtensionList(HWND window)
{
    return GetDlgItem(window, IDC_EXTENSION_LIST);
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
    std::wstring title;
    RunMainDialog([&](HWND window) {
        DropPaths(window, {loose, scratch.PathOf(L"tree"), other});
        paths = ColumnTexts(FileList(window), 0);
        results = ColumnTexts(FileList(window), 1);
        extensions = ColumnTexts(ExtensionList(window), 0);
        counts = ColumnTexts(ExtensionList(window), 1);
        title = ChildText(window, IDC_EXTENSION_GROUP);
    });

    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(paths, (Texts{loose, other, scratch.PathOf(L"tree\\top.txt"), scratch.PathOf(L"tree\\sub\\b.TXT"),
                            scratch.PathOf(L"tree\\sub\\deeper\\README")}));
    EXPECT_EQ(results, Texts(5));
    EXPECT_EQ(extensions, (Texts{L".TXT", L".html", L".php", L".txt", L"없음"}));
    EXPECT_EQ(counts, (Texts{L"1", L"1", L"1", L"1", L"1"}));
    EXPECT_EQ(title, L"확장자 : 총 5개");
}

TEST(MainDialogFiles, FoldersRefusedStayOutWhileFilesOfEveryDropAddUpDuplicatesIncluded)
{
    ScratchFolder scratch;
    const std::wstring file = scratch.Write(L"a.txt", "x");
    scratch.Write(L"tree\\inside.txt", "x");
    ScriptedBoxes boxes({IDNO});
    Texts paths, counts;
    TickStates ticksAfterSecondDrop;
    RunMainDialog([&](HWND window) {
        DropPaths(window, {scratch.PathOf(L"tree"), file});
        testing::ClickCheckBox(FileList(window), 0);
        DropPaths(window, {file});
        paths = ColumnTexts(FileList(window), 0);
        counts = ColumnTexts(ExtensionList(window), 1);
        ticksAfterSecondDrop = Ticks(FileList(window));
    });

    EXPECT_EQ(boxes.Shown().size(), 1u) << "only the drop holding a folder asks";
    EXPECT_EQ(paths, (Texts{file, file}));
    EXPECT_EQ(counts, (Texts{L"2"}));
    EXPECT_EQ(ticksAfterSecondDrop, (TickStates{false, false}));
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

TEST(MainDialogFiles, ExclusionHidesByPatternAndClearingForgetsEverything)
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

    EXPECT_EQ(shown, (Texts{dropped[1], dropped[2], dropped[5]}));
    EXPECT_EQ(extensions, (Texts{L".h", L".htm", L"없음"}));
    EXPECT_EQ(title, L"확장자 : 총 3개");
    EXPECT_EQ(status, L"등록된 파일 : 3 개, 선택된 파일 : 0 개");
    EXPECT_TRUE(cleared.empty());
    EXPECT_TRUE(clearedExtensions.empty());
    EXPECT_EQ(clearedTitle, L"확장자 : 총 0개");
    EXPECT_EQ(clearedStatus, L"등록된 파일 : 0 개, 선택된 파일 : 0 개");
}

TEST(MainDialogFiles, TicksByExtensionRowCheckBoxKeySpaceBarAndFileRowCountInTheStatusLine)
{
    ScratchFolder scratch;
    const Texts dropped{scratch.Write(L"a.txt", "x"), scratch.Write(L"b.TXT", "x"), scratch.Write(L"c.md", "x"),
                        scratch.Write(L"README", "x")};
    std::vector<TickStates> files, extensionBoxes;
    Texts statuses;
    std::wstring typedExclusion;
    RunMainDialog([&](HWND window) {
        const auto note = [&] {
            files.push_back(Ticks(FileList(window)));
            statuses.push_back(ChildText(window, IDC_STATUS_LINE));
        };
        DropPaths(window, dropped);
        SetDlgItemTextW(window, IDC_EXCLUSION_EDIT, L".md"); // typed, not applied
        ASSERT_EQ(ColumnTexts(ExtensionList(window), 0), (Texts{L".TXT", L".md", L".txt", L"없음"}));
        testing::ClickCheckBox(ExtensionList(window), 2);
        note();
        extensionBoxes.push_back(Ticks(ExtensionList(window)));
        testing::ClickCheckBox(ExtensionList(window), 2);
        note();
        testing::ClickCell(ExtensionList(window), 3, 1); // the count beside the key does nothing
        testing::ClickCell(ExtensionList(window), 3, 0);
        note();
        extensionBoxes.push_back(Ticks(ExtensionList(window)));
        testing::ClickCheckBox(FileList(window), 2);
        testing::PressSpaceOnRow(FileList(window), 0);
        note();
        testing::PressSpaceOnRow(ExtensionList(window), 0);
        note();
        typedExclusion = ChildText(window, IDC_EXCLUSION_EDIT);
    });

    EXPECT_EQ(files, (std::vector<TickStates>{{true, true, false, false},
                                              {false, false, false, false},
                                              {false, false, false, true},
                                              {true, false, true, true},
                                              {true, true, true, true}}));
    EXPECT_EQ(extensionBoxes, (std::vector<TickStates>{{false, false, true, false}, {false, false, false, false}}));
    EXPECT_EQ(statuses, (Texts{L"등록된 파일 : 4 개, 선택된 파일 : 2 개", L"등록된 파일 : 4 개, 선택된 파일 : 0 개",
                               L"등록된 파일 : 4 개, 선택된 파일 : 1 개", L"등록된 파일 : 4 개, 선택된 파일 : 3 개",
                               L"등록된 파일 : 4 개, 선택된 파일 : 4 개"}));
    EXPECT_EQ(typedExclusion, L".md");
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
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(reportedElsewhere, (std::vector<std::wstring>{L"C:\\b.txt"}));
}

} // namespace
} // namespace fennick
