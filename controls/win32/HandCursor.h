#pragma once

#include <windows.h>

#include <string>

#include "framework/win32/HelpProgramCursor.h"

namespace fennick {

// The pointing hand shown over links: the Windows help program's hand (its cursor 106) where
// that program still exists, otherwise the system's own hand. The help program's cursor is
// copied, so it stays usable after the program's file is released.
class HandCursor {
public:
    HandCursor() = default;
    HandCursor(const HandCursor&) = delete;
    HandCursor& operator=(const HandCursor&) = delete;
    ~HandCursor();

    void Load(const std::wstring& helpProgramPath);
    HCURSOR Handle() const { return cursor_; }

private:
    void Release();

    HCURSOR cursor_ = nullptr;
    bool owned_ = false; // the system's shared hand is never destroyed
};

} // namespace fennick
