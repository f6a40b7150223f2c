#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "framework/win32/Control.h"
#include "framework/win32/GdiHandles.h"

namespace fennick {

// A static text that works as a web link: underlined, blue, red while the pointer is over it
// and dark blue once clicked; a hand cursor over it (the Windows help program's where that
// program still exists, else the system's); a click opens its URL through the shell.
class HyperlinkLabel : public Control {
public:
    HyperlinkLabel() = default;
    ~HyperlinkLabel() override;

    void SetURL(std::wstring_view url);
    // The shell call is a seam, so tests capture it instead of opening a browser; an empty
    // opener restores ShellExecuteW.
    using UrlOpener = std::function<void(const std::wstring& url, int showCommand)>;
    static void SetUrlOpener(UrlOpener opener);

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

    OwnedCursor handCursor_;
    bool hover_ = false; // the pointer is over the label, which holds the mouse capture
    bool visited_ = false;
    OwnedFont underlineFont_;
    HWND tooltip_ = nullptr;
    std::wstring url_;
};

} // namespace fennick
