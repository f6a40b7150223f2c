#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/portable/ErrorReport.h"
#include "resources/resource.h"
#include "tests/framework/support/TestDirectory.h"
#include "tests/ui/win32/MainDialogDriving.h"
#include "tests/ui/win32/WindowProbe.h"

namespace fennick {
namespace {

using test::TestDirectory;
using testing::ChildText;
using testing::ColumnTexts;
using testing::DropPaths;
using testing::ExtensionList;
using testing::FileList;
using testing::Press;
using testing::RunMainDialog;
using testing::ScriptedBoxes;
using testing::Ticks;
using Texts = std::vector<std::wstring>;
using TickStates = std::vector<bool>;

// Files come first, then each folder tree depth first if the user agrees; only a drop holding a
// folder asks. Paths of any length are taken whole, every drop adds up (duplicates included)
// and the lists are built afresh, unticked; the exclusion hides by pattern and the extension
// list counts what is shown.
TEST(MainDialogFiles, DropsAddUpFilesAndAgreedFolderTreesAndTheListsShowWhatIsNotExcluded)
{
    TestDirectory scratch;
    const std::wstring loose = scratch.Write(L"loose.html", {'x'});
    const std::wstring deep =
        scratch.Write(std::wstring(120, L'd') + L"/" + std::wstring(120, L'e') + L"/long.php", {'x'});
    ASSERT_GT(deep.size(), 260u);
    const std::wstring tree = scratch.Path(L"tree");
    scratch.Write(L"tree/top.txt", {'x'});
    scratch.Write(L"tree/sub/b.TXT", {'x'});
    scratch.Write(L"tree/sub/deeper/README", {'x'});
    scratch.MakeFolders(L"tree/empty/emptier");
    ScriptedBoxes boxes({IDYES, IDNO});
    Texts paths, extensions, counts, shown, shownExtensions, sorted, cleared;
    TickStates ticks;
    std::wstring title, clearedTitle;
    RunMainDialog([&](HWND window) {
        DropPaths(window, {loose, tree});
        testing::ClickCheckBox(FileList(window), 0);
        DropPaths(window, {tree, deep});
        DropPaths(window, {loose});
        paths = ColumnTexts(FileList(window), 0);
        ticks = Ticks(FileList(window));
        extensions = ColumnTexts(ExtensionList(window), 0);
        counts = ColumnTexts(ExtensionList(window), 1);
        title = ChildText(window, IDC_EXTENSION_GROUP);

        SetDlgItemTextW(window, IDC_EXCLUSION_EDIT, L"*.html;*php;");
        Press(window, IDC_APPLY_EXCLUSION);
        shown = ColumnTexts(FileList(window), 0);
        shownExtensions = ColumnTexts(ExtensionList(window), 0);
        testing::ClickHeader(FileList(window), 0);
        sorted = ColumnTexts(FileList(window), 0);
        Press(window, IDC_CLEAR_LIST);
        cleared = ColumnTexts(FileList(window), 0);
        clearedTitle = ChildText(window, IDC_EXTENSION_GROUP);
    });

    const Texts treeFiles{scratch.Path(L"tree/top.txt"), scratch.Path(L"tree/sub/b.TXT"),
                          scratch.Path(L"tree/sub/deeper/README")};
    Texts expected{loose};
    expected.insert(expected.end(), treeFiles.begin(), treeFiles.end());
    expected.insert(expected.end(), {deep, loose});
    EXPECT_EQ(paths, expected);
    EXPECT_EQ(ticks, TickStates(6, false));
    EXPECT_EQ(extensions, (Texts{L".TXT", L".html", L".php", L".txt", L"없음"}));
    EXPECT_EQ(counts, (Texts{L"1", L"2", L"1", L"1", L"1"}));
    EXPECT_EQ(title, L"확장자 : 총 5개");
    EXPECT_EQ(shown, treeFiles);
    EXPECT_EQ(shownExtensions, (Texts{L".TXT", L".txt", L"없음"}));
    EXPECT_EQ(sorted, (Texts{treeFiles[1], treeFiles[2], treeFiles[0]})) << "the header sorts the list";
    EXPECT_TRUE(cleared.empty());
    EXPECT_EQ(clearedTitle, L"확장자 : 총 0개");
}

TEST(MainDialogFiles, TicksByExtensionRowCheckBoxKeySpaceBarAndFileRowCountInTheStatusLine)
{
    TestDirectory scratch;
    const Texts dropped{scratch.Write(L"a.txt", {'x'}), scratch.Write(L"b.TXT", {'x'}), scratch.Write(L"c.md", {'x'}),
                        scratch.Write(L"README", {'x'})};
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
    EXPECT_EQ(reportedElsewhere, (std::vector<std::wstring>{L"C:\\b.txt"}));
}

} // namespace
} // namespace fennick
