#include "controls/win32/HyperlinkLabel.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <utility>

#include "framework/win32/HandCursor.h"

namespace fennick {

namespace {

constexpr COLORREF kLinkColor = RGB(0, 0, 255);
constexpr COLORREF kHoverColor = RGB(255, 0, 0);
constexpr COLORREF kVisitedColor = RGB(5, 34, 143);
constexpr UINT_PTR kTooltipToolId = 1001;

HyperlinkLabel::UrlOpener& InstalledUrlOpener()
{
    static HyperlinkLabel::UrlOpener opener;
    return opener;
}

} // namespace

HyperlinkLabel::~HyperlinkLabel()
{
    DestroyTooltip();
}

void HyperlinkLabel::SetURL(std::wstring_view url)
{
    url_ = url;
}

void HyperlinkLabel::SetUrlOpener(UrlOpener opener)
{
    InstalledUrlOpener() = std::move(opener);
}

void HyperlinkLabel::OpenURL(const std::wstring& url)
{
    // Shown normally: a page opened minimised looks as if the click did nothing.
    constexpr int kShowCommand = SW_SHOWNORMAL;
    if (const UrlOpener& opener = InstalledUrlOpener()) {
        opener(url, kShowCommand);
        return;
    }
    ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, kShowCommand);
}

void HyperlinkLabel::PreSubclassWindow()
{
    // A static reports clicks only with this style, whatever its template says.
    SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | SS_NOTIFY);
    CreateUnderlineFont();
    handCursor_.reset(CopyHandCursor(HandCursorSource::HelpProgram));
    Control::PreSubclassWindow();
    CreateTooltip();
}

void HyperlinkLabel::CreateUnderlineFont()
{
    auto font = reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT));
    LOGFONTW description{};
    if (GetObjectW(font != nullptr ? font : GetStockObject(SYSTEM_FONT), sizeof description, &description) == 0)
        return;
    description.lfUnderline = TRUE;
    underlineFont_.reset(CreateFontIndirectW(&description));
    if (underlineFont_)
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(underlineFont_.get()), TRUE);
}

// A tool with no text, so no tip ever shows. The label relays its own mouse messages to it
// (RelayToTooltip): letting the tooltip subclass the label would hide the label's object from
// the reflection of its parent.
void HyperlinkLabel::CreateTooltip()
{
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = 0;
    tool.hwnd = Handle();
    tool.uId = kTooltipToolId;
    GetClientRect(Handle(), &tool.rect);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    ShowWindow(tooltip_, SW_HIDE);
}

void HyperlinkLabel::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (tooltip_ == nullptr)
        return;
    MSG relayed{Handle(), message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&relayed.pt);
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void HyperlinkLabel::DestroyTooltip()
{
    // The tooltip may already have gone with the dialog that owns it in the end.
    if (tooltip_ != nullptr && IsWindow(tooltip_))
        DestroyWindow(tooltip_);
    tooltip_ = nullptr;
}

LRESULT HyperlinkLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        RelayToTooltip(message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE: {
        const LRESULT result = Default(message, wParam, lParam);
        OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return result;
    }
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        break;
    case WM_SETCURSOR:
        SetCursor(handCursor_.get());
        return TRUE;
    case WM_DESTROY:
        DestroyTooltip();
        break;
    }
    return Control::WindowProc(message, wParam, lParam);
}

bool HyperlinkLabel::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) != STN_CLICKED)
            return false;
        OnClicked();
        result = 0;
        return true;
    case WM_CTLCOLORSTATIC:
        result = reinterpret_cast<LRESULT>(CtlColor(reinterpret_cast<HDC>(wParam)));
        return true;
    }
    return false;
}

void HyperlinkLabel::OnMouseMove(POINT point)
{
    if (!hover_) {
        hover_ = true;
        RedrawNow();
        SetCapture(Handle());
        return;
    }
    RECT client;
    GetClientRect(Handle(), &client);
    if (PtInRect(&client, point))
        return;
    hover_ = false;
    ReleaseCapture();
    RedrawNow();
}

// Another window took the capture (a message box, a drag elsewhere): the pointer's leaving
// would never be seen, so the label stops showing it as hovered now.
void HyperlinkLabel::OnCaptureChanged(HWND newCapture)
{
    if (!hover_ || newCapture == Handle())
        return;
    hover_ = false;
    RedrawNow();
}

void HyperlinkLabel::OnClicked()
{
    OpenURL(url_);
    visited_ = true;
    InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH HyperlinkLabel::CtlColor(HDC dc) const
{
    SetTextColor(dc, visited_ ? kVisitedColor : hover_ ? kHoverColor : kLinkColor);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void HyperlinkLabel::RedrawNow()
{
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace fennick
