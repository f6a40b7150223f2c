#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "framework/win32/MessageBox.h"
#include "tests/support/win32/ListDriving.h"

namespace fennick::testing {

// Sends the window a drop of these paths, in this order, made the way the shell makes it.
void DropPaths(HWND window, const std::vector<std::wstring>& paths);

// Answers the message boxes in turn and records them; a box beyond the answers fails the test.
class ScriptedBoxes {
public:
    explicit ScriptedBoxes(std::vector<int> answers = {});
    ~ScriptedBoxes();
    ScriptedBoxes(const ScriptedBoxes&) = delete;
    ScriptedBoxes& operator=(const ScriptedBoxes&) = delete;

    const std::vector<MessageBoxRequest>& Shown() const { return shown_; }

private:
    std::deque<int> answers_;
    std::vector<MessageBoxRequest> shown_;
    MessageBoxHandler previous_;
};

// The window's two lists.
HWND FileList(HWND window);
HWND ExtensionList(HWND window);

// Clicks one of the window's buttons.
void Press(HWND window, int button);

// Lets the window work until its run has ended (its run buttons are enabled again), calling
// `eachTurn` after each round of messages; a run that goes on longer than `limit` fails.
void WaitForRunEnd(HWND window, const std::function<void()>& eachTurn = {},
                   std::chrono::seconds limit = std::chrono::seconds(60));

// Clicks a run button and waits for the run it starts, if any, to end.
void PressToRun(HWND window, int button, std::chrono::seconds limit = std::chrono::seconds(60));

// Times, from a thread of its own, how long the window takes to answer WM_NULL, asked every
// 20 ms until stopped.
class AnswerTimes {
public:
    explicit AnswerTimes(HWND window);
    AnswerTimes(const AnswerTimes&) = delete;
    AnswerTimes& operator=(const AnswerTimes&) = delete;
    ~AnswerTimes();

    // Answers the last message while the thread ends.
    void Stop();

    std::chrono::milliseconds Longest() const { return longest_; }
    int Answers() const { return answers_; }

private:
    std::atomic<bool> stopping_{false}, ended_{false};
    std::chrono::milliseconds longest_{0};
    int answers_ = 0;
    std::thread thread_;
};

// Clicks the middle of a list's column header.
void ClickHeader(HWND list, int column);

// Opens the real main window, runs the script on it once it is up, and closes it with "종료".
void RunMainDialog(const std::function<void(HWND window)>& script);

} // namespace fennick::testing
