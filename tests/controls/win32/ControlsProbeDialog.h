#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "controls/win32/ColumnListCtrl.h"
#include "controls/win32/HyperlinkLabel.h"
#include "framework/win32/DataExchange.h"
#include "framework/win32/Dialog.h"
#include "tests/controls/win32/ControlsProbe.h"
#include "tests/support/win32/ModalDriver.h"

namespace fennick::testing {

constexpr const wchar_t* kProbeUrl = L"https://fennick.example/home";

// A dialog with one list and one link, set up the way the program's windows set up theirs.
class ControlsProbeDialog : public Dialog {
public:
    ControlsProbeDialog() : Dialog(IDD_CONTROLS_PROBE, nullptr)
    {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }

    ColumnListCtrl list;
    HyperlinkLabel link;

protected:
    void DoDataExchange(DataExchange& exchange) override
    {
        exchange.BindControl(IDC_PROBE_LINK, link);
        exchange.BindControl(IDC_PROBE_LIST, list);
    }

    bool OnInitDialog() override
    {
        Dialog::OnInitDialog();
        list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        EXPECT_TRUE(list.SetColumns(L"이름,120;개수,50;날짜,80"));
        link.SetURL(kProbeUrl);
        return true;
    }
};

// Runs `script` in a probe dialog and closes the dialog afterwards.
inline void RunProbe(const std::function<void(ControlsProbeDialog& dialog)>& script)
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

} // namespace fennick::testing
