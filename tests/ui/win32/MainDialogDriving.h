#pragma once

#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/win32/MessageBox.h"
#include "tests/support/win32/ListDriving.h"

namespace fennick::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The full path of a file or folder inside, written with backslashes as the shell does.
    std::wstring PathOf(const std::wstring& relative) const;
    // Writes the file (making its folders) and returns its full path.
    std::wstring Write(const std::wstring& relative, const std::string& bytes) const;
    std::wstring MakeFolder(const std::wstring& relative) const;

private:
    std::filesystem::path root_;
};

// The whole content of a file; empty for a file that cannot be read.
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);

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

// Clicks one of the window's buttons.
void Press(HWND window, int button);

// Opens the real main window, runs the script on it once it is up, and closes it with "종료".
void RunMainDialog(const std::function<void(HWND window)>& script);

} // namespace fennick::testing
