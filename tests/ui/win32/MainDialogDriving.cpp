#include "tests/ui/win32/MainDialogDriving.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "framework/win32/Application.h"
#include "resources/resource.h"
#include "tests/support/win32/ModalDriver.h"
#include "tests/support/win32/Pointer.h"
#include "ui/win32/MainDialog.h"

namespace fennick::testing {

namespace {

// Stands for the program's application object, so that the dialogs and boxes the window opens
// without a parent belong to it.
class TestApplication : public Application {
public:
    explicit TestApplication(Window& mainWindow) { SetMainWindow(&mainWindow); }

protected:
    bool InitInstance() override { return false; }
};

} // namespace

void DropPaths(HWND window, const std::vector<std::wstring>& paths)
{
    // A DROPFILES header, then each path with its terminator, then one more terminator.
    size_t characters = 1;
    for (const std::wstring& path : paths)
        characters += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& path : paths) {
        std::memcpy(text, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
        text += path.size() + 1;
    }
    GlobalUnlock(memory);
    // The receiver releases the drop, as it does the shell's.
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    PumpMessages();
}

ScriptedBoxes::ScriptedBoxes(std::vector<int> answers) : answers_(answers.begin(), answers.end())
{
    previous_ = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
        shown_.push_back(request);
        if (answers_.empty()) {
            ADD_FAILURE() << "unanswered message box: " << ::testing::PrintToString(request.text);
            return IDCANCEL;
        }
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

ScriptedBoxes::~ScriptedBoxes()
{
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " answers left over";
    SetMessageBoxHandler(std::move(previous_));
}

HWND FileList(HWND window)
{
    return GetDlgItem(window, IDC_FILE_LIST);
}

HWND ExtensionList(HWND window)
{
    return GetDlgItem(window, IDC_EXTENSION_LIST);
}

void Press(HWND window, int button)
{
    SendMessageW(GetDlgItem(window, button), BM_CLICK, 0, 0);
}

void WaitForRunEnd(HWND window, const std::function<void()>& eachTurn, std::chrono::seconds limit)
{
    const ULONGLONG deadline = GetTickCount64() + std::chrono::milliseconds(limit).count();
    while (!IsWindowEnabled(GetDlgItem(window, IDC_CONVERT))) {
        if (GetTickCount64() > deadline) {
            ADD_FAILURE() << "the run did not end";
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
        if (eachTurn)
            eachTurn();
    }
}

void PressToRun(HWND window, int button, std::chrono::seconds limit)
{
    Press(window, button);
    WaitForRunEnd(window, {}, limit);
}

AnswerTimes::AnswerTimes(HWND window)
    : thread_([this, window] {
          while (!stopping_) {
              const auto start = std::chrono::steady_clock::now();
              SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10'000, nullptr);
              const auto took = std::chrono::steady_clock::now() - start;
              longest_ = std::max(longest_, std::chrono::duration_cast<std::chrono::milliseconds>(took));
              ++answers_;
              Sleep(20);
          }
          ended_ = true;
      })
{}

AnswerTimes::~AnswerTimes()
{
    Stop();
}

void AnswerTimes::Stop()
{
    stopping_ = true;
    while (!ended_)
        PumpMessages();
    if (thread_.joinable())
        thread_.join();
}

void ClickHeader(HWND list, int column)
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    RECT bounds{};
    SendMessageW(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&bounds));
    ClickAt(header, (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
}

void RunMainDialog(const std::function<void(HWND window)>& script)
{
    MainDialog dialog;
    TestApplication application(dialog);
    DriveNextModal([&](HWND window) {
        script(window);
        Press(window, IDC_EXIT);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

} // namespace fennick::testing
