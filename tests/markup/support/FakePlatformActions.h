#pragma once

#include "markup/portable/PlatformActions.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fennick::test {

// Records every action and answers from what a test set up; nothing reaches the system.
class FakePlatformActions final : public PlatformActions {
public:
    struct Launch {
        std::wstring text; // the target given to the shell, or the command line of a process
        int showCommand = 0;
    };
    struct SentMessage {
        WindowHandle window = nullptr;
        unsigned message = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
    };

    bool OpenWithShell(const std::wstring& target, int show) override
    {
        shellOpens.push_back({target, show});
        return shellAccepts;
    }
    std::optional<std::wstring> HtmlOpenCommand() override { return htmlCommand; }
    bool StartProcess(const std::wstring& commandLine, int show) override
    {
        processes.push_back({commandLine, show});
        return true;
    }
    void SendToWindow(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        sent.push_back({window, message, wParam, lParam});
        if (onSend) {
            onSend(sent.back());
        }
    }
    std::wstring LoadStringResource(unsigned id) override
    {
        requestedStrings.push_back(id);
        return strings.contains(id) ? strings[id] : std::wstring{};
    }
    CursorHandle LoadDefaultLinkCursor() override { return reinterpret_cast<CursorHandle>(nextCursor_++); }
    void ShowCursor(CursorHandle cursor) override { shownCursors.push_back(cursor); }
    void DestroyCursor(CursorHandle cursor) override { destroyedCursors.push_back(cursor); }

    // Set up by the tests.
    bool shellAccepts = true;
    std::optional<std::wstring> htmlCommand;
    std::map<unsigned, std::wstring> strings;
    std::function<void(const SentMessage&)> onSend; // runs while the message is being sent

    // Recorded.
    std::vector<Launch> shellOpens;
    std::vector<Launch> processes;
    std::vector<SentMessage> sent;
    std::vector<unsigned> requestedStrings;
    std::vector<CursorHandle> shownCursors;
    std::vector<CursorHandle> destroyedCursors;

private:
    std::uintptr_t nextCursor_ = 0x1000;
};

} // namespace fennick::test
