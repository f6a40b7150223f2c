#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "controls/win32/HandCursor.h"
#include "framework/win32/Control.h"

namespace fennick {

// A static text that works as a web link: underlined, blue, red while the pointer is over it
// and dark blue once clicked; a hand cursor over it; a click opens its URL through the shell.
class HyperlinkLabel : public Control {
public:
    HyperlinkLabel() = default;
    ~HyperlinkLabel() override;

    void SetURL(std::wstring_view url);
    // The shell call is a seam so tests capture it instead of opening a browser:
    static void SetUrlOpener(std::function<void(const std::wstring& url)> opener); // empty = ShellExecuteW

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static void OpenURL(const std::wstring& url);
    void CreateUnderlineFont();
    void CreateTooltip();
    void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) const;
    void DestroyTooltip();
    void OnMouseMove(POINT point);
    void OnCaptureChanged(HWND newCapture);
    void OnClicked();
    HBRUSH CtlColor(HDC dc) const;
    void RedrawNow();

    HandCursor handCursor_;
    bool hover_ = false; // the pointer is over the label, which holds the mouse capture
    bool visited_ = false;
    HFONT underlineFont_ = nullptr;
    HWND tooltip_ = nullptr;
    std::wstring url_;
};

} // namespace fennick
