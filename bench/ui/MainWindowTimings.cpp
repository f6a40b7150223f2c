// Times the main window's own work on large collections under Wine: the folder walk, rebuilding
// the lists, ticking by extension, sorting by a header click and conversion runs, with and
// without flushing each file to the disk, and how long the window takes to answer meanwhile.
//
// main_window_timings <folder of many small files> <folder to convert> <copy of it, converted unflushed>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "framework/portable/ReplacementFile.h"
#include "framework/win32/MessageBox.h"
#include "resources/resource.h"
#include "tests/ui/win32/MainDialogDriving.h"
#include "tests/ui/win32/WindowProbe.h"
#include "ui/portable/FolderWalk.h"

namespace {

using namespace fennick;

// The work and the window's repainting of what it changed.
double MillisecondsOf(HWND window, const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int RowCount(HWND window, int list)
{
    return static_cast<int>(SendMessageW(GetDlgItem(window, list), LVM_GETITEMCOUNT, 0, 0));
}

void Press(HWND window, int button)
{
    SendMessageW(GetDlgItem(window, button), BM_CLICK, 0, 0);
}

// Converts every file of the folder through the window, timing the run and the window's answers.
void TimeAConversion(HWND window, const std::wstring& folder, const char* title)
{
    Press(window, IDC_CLEAR_LIST);
    testing::DropPaths(window, {folder});
    testing::ClickCheckBox(GetDlgItem(window, IDC_EXTENSION_LIST), 0);
    const int rows = RowCount(window, IDC_FILE_LIST);
    testing::AnswerTimes answers(window);
    const double convert =
        MillisecondsOf(window, [&] { testing::PressToRun(window, IDC_CONVERT, std::chrono::hours(1)); });
    answers.Stop();
    std::printf("converting %d ticked files%s: %.0f ms, %.0f files/s; the window answered within %lld ms\n", rows,
                title, convert, rows / (convert / 1000.0), static_cast<long long>(answers.Longest().count()));
}

void TimeTheWindow(HWND window, const std::wstring& tree, const std::wstring& toConvert,
                   const std::wstring& toConvertUnflushed)
{
    HWND files = GetDlgItem(window, IDC_FILE_LIST);
    const double drop = MillisecondsOf(window, [&] { testing::DropPaths(window, {tree}); });
    std::printf("drop of the tree (walk and lists): %.0f ms, %d rows\n", drop, RowCount(window, IDC_FILE_LIST));
    const double rebuild = MillisecondsOf(window, [&] { Press(window, IDC_APPLY_EXCLUSION); });
    std::printf("rebuilding the lists (\"적용\"): %.0f ms\n", rebuild);
    const double tick =
        MillisecondsOf(window, [&] { testing::ClickCheckBox(GetDlgItem(window, IDC_EXTENSION_LIST), 0); });
    std::printf("ticking one extension by its row: %.0f ms\n", tick);
    const double sort = MillisecondsOf(window, [&] { testing::ClickHeader(files, 0); });
    std::printf("sorting the file list by a header click: %.0f ms\n", sort);

    ReplacementFile::SetFlushingBeforeReplacing(false);
    TimeAConversion(window, toConvertUnflushed, " without flushing");
    ReplacementFile::SetFlushingBeforeReplacing(true);
    TimeAConversion(window, toConvert, ", each flushed to the disk");
}

} // namespace

int main()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 4) {
        std::fprintf(stderr, "usage: main_window_timings <tree> <folder to convert> <copy of it>\n");
        return 2;
    }
    const std::wstring tree = arguments[1], toConvert = arguments[2], toConvertUnflushed = arguments[3];
    LocalFree(arguments);

    CollectedPaths walked;
    const double walk = MillisecondsOf(nullptr, [&] { CollectFolder(tree, walked); });
    std::printf("walk alone: %.0f ms, %zu files\n", walk, walked.size());

    // Yes to the folder question, No to backups, OK to the summaries.
    SetMessageBoxHandler([](const MessageBoxRequest& request) {
        return (request.type & MB_TYPEMASK) == MB_YESNOCANCEL ? IDNO
               : (request.type & MB_TYPEMASK) == MB_YESNO     ? IDYES
                                                              : IDOK;
    });
    testing::RunMainDialog([&](HWND window) { TimeTheWindow(window, tree, toConvert, toConvertUnflushed); });
    std::fflush(stdout);
    return 0;
}
