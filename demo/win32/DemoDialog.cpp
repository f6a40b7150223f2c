#include "demo/win32/DemoDialog.h"

#include "demo/win32/DemoTexts.h"
#include "framework/win32/DataExchange.h"

namespace fennick {

namespace {

constexpr int kGap = 8; // pixels between the labels and around them
constexpr int kStatusHeight = 22;
constexpr UINT kAnimationPeriod = 90; // milliseconds a frame
constexpr SIZE kMinimumSize{640, 480};

} // namespace

DemoDialog::DemoDialog() : Dialog(IDD_MARKUP_DEMO, nullptr) {}

MarkupLabel& DemoDialog::LabelWithId(int id)
{
    std::size_t index = 0;
    while (index + 1 < kCells.size() && kCells[index].id != id) {
        ++index;
    }
    return labels_[index];
}

void DemoDialog::DoDataExchange(DataExchange& exchange)
{
    for (std::size_t i = 0; i < kCells.size(); ++i) {
        exchange.BindControl(kCells[i].id, labels_[i]);
    }
    exchange.BindControl(IDC_STATUS, status_);
}

bool DemoDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    SendMessageW(Handle(), WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DEMO))));
    ConfigureLabels();
    RECT client{};
    GetClientRect(Handle(), &client);
    PlaceLabels(client.right, client.bottom);
    return true;
}

void DemoDialog::ConfigureLabels()
{
    for (std::size_t i = 0; i < kCells.size(); ++i) {
        MarkupLabel& label = labels_[i];
        label.Drawer().Language().Links().SetClickTarget({Handle(), kLinkMessage, 0});
        label.SetMargins(6, 4);
        label.SetBackgroundEffect(EffectSolid, RGB(255, 255, 255), 0, 0);
        label.SetFrame(RGB(200, 200, 210), 1, 1);
        SetWindowTextW(label.Handle(), DemoMarkup(kCells[i].id).c_str());
    }
    StyleSheet& fontStyles = LabelWithId(IDC_FONTS).Drawer().Language().Styles();
    fontStyles.SetStyleClass(L".note", L"color: teal; font-style: italic; text-transform: uppercase");
    LabelWithId(IDC_IMAGES).Drawer().SetShadow({true, 4, 4, 3, 3, RGB(96, 96, 96)});
    LabelWithId(IDC_ANIMATION).StartAnimation(kAnimationPeriod);
    MarkupLabel& rounded = LabelWithId(IDC_ROUNDED);
    rounded.SetBackgroundEffect(EffectVGradient, RGB(255, 248, 225), 0, RGB(255, 214, 140));
    rounded.SetRoundCorners(28, 28);
    rounded.SetFrame(RGB(200, 120, 20), 2, 2);
    LabelWithId(IDC_DISABLED).SetBackgroundEffect(EffectSolid, GetSysColor(COLOR_BTNFACE), 0, 0);

    status_.SetMargins(6, 0);
    status_.SetBackgroundEffect(EffectVGradient, RGB(250, 250, 252), 0, RGB(226, 230, 238));
    SetWindowTextW(status_.Handle(), DemoMarkup(IDC_STATUS).c_str());
}

// Three columns and four rows of equal size above the status line.
void DemoDialog::PlaceLabels(int width, int height)
{
    const int gridHeight = height - kStatusHeight - kGap;
    const auto columnX = [&](int column) { return kGap + column * (width - kGap) / kColumns; };
    const auto rowY = [&](int row) { return kGap + row * (gridHeight - kGap) / kRows; };
    HDWP positions = BeginDeferWindowPos(static_cast<int>(kCells.size()) + 1);
    for (std::size_t i = 0; i < kCells.size(); ++i) {
        const LabelCell& cell = kCells[i];
        const int left = columnX(cell.column);
        const int top = rowY(cell.row);
        const int right = columnX(cell.column + cell.columns) - kGap;
        const int bottom = rowY(cell.row + 1) - kGap;
        positions = DeferWindowPos(positions, labels_[i].Handle(), nullptr, left, top, right - left, bottom - top,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    positions = DeferWindowPos(positions, status_.Handle(), nullptr, kGap, height - kStatusHeight - kGap,
                               width - 2 * kGap, kStatusHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    EndDeferWindowPos(positions);
}

void DemoDialog::OnLinkMessage(const wchar_t* text)
{
    SetWindowTextW(status_.Handle(), StatusMarkup(text).c_str());
}

LRESULT DemoDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kLinkMessage:
        OnLinkMessage(reinterpret_cast<const wchar_t*>(wParam));
        return 0;
    case WM_SIZE:
        if (status_.Handle() != nullptr) {
            PlaceLabels(LOWORD(lParam), HIWORD(lParam));
        }
        break;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {kMinimumSize.cx, kMinimumSize.cy};
        return 0;
    }
    return Dialog::WindowProc(message, wParam, lParam);
}

} // namespace fennick
