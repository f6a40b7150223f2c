#include "tests/controls/win32/ControlsProbeDialog.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "framework/win32/DataExchange.h"
#include "tests/support/win32/ModalDriver.h"

namespace fennick::testing {

ControlsProbeDialog::ControlsProbeDialog() : Dialog(IDD_CONTROLS_PROBE, nullptr)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

void ControlsProbeDialog::DoDataExchange(DataExchange& exchange)
{
    exchange.BindControl(IDC_PROBE_LINK, link);
    exchange.BindControl(IDC_PROBE_LIST, list);
}

bool ControlsProbeDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    list.Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    columnsSet = list.SetColumns(L"이름,120;개수,50;날짜,80");
    link.SetURL(kProbeUrl);
    return true;
}

void RunProbe(const std::function<void(ControlsProbeDialog& dialog)>& script)
{
    // No real pointer may wander over the probe while it is driven by messages.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    ControlsProbeDialog dialog;
    DriveNextModal([&](HWND window) {
        PumpMessages();
        script(dialog);
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

RECT HeaderItemRect(HWND header, int item)
{
    RECT rect{};
    EXPECT_TRUE(SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)));
    return rect;
}

void ClickHeaderItem(HWND header, int item)
{
    const RECT rect = HeaderItemRect(header, item);
    const LPARAM middle = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(header, WM_LBUTTONUP, 0, middle);
}

} // namespace fennick::testing
