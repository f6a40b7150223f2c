#include "tests/ui/win32/MainDialogDriving.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "resources/resource.h"
#include "tests/support/win32/ModalDriver.h"
#include "tests/support/win32/Pointer.h"
#include "tests/ui/win32/TestApplication.h"
#include "ui/win32/MainDialog.h"

namespace fennick::testing {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporary);
    root_ = fs::path(temporary) /
            (L"fennick-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64()));
    fs::create_directories(root_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    // Read-only files would stay behind.
    for (fs::recursive_directory_iterator entry(root_, ignored), end; entry != end; entry.increment(ignored))
        SetFileAttributesW(entry->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(root_, ignored);
}

std::wstring ScratchFolder::PathOf(const std::wstring& relative) const
{
    return (root_ / relative).make_preferred().wstring();
}

std::wstring ScratchFolder::Write(const std::wstring& relative, const std::string& bytes) const
{
    const fs::path path = PathOf(relative);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.wstring();
}

std::wstring ScratchFolder::MakeFolder(const std::wstring& relative) const
{
    const std::wstring path = PathOf(relative);
    fs::create_directories(path);
    return path;
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream file(fs::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

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
