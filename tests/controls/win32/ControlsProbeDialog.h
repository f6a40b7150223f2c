#pragma once

#include <functional>

#include "controls/win32/ColumnListCtrl.h"
#include "controls/win32/HyperlinkLabel.h"
#include "framework/win32/Dialog.h"
#include "tests/controls/win32/ControlsProbe.h"

namespace fennick::testing {

constexpr const wchar_t* kProbeUrl = L"https://fennick.example/home";

// A dialog with one list and one link, set up the way the program's windows set up theirs.
class ControlsProbeDialog : public Dialog {
public:
    ControlsProbeDialog();

    ColumnListCtrl list;
    HyperlinkLabel link;
    bool columnsSet = false;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
};

// Runs `script` in a probe dialog and closes the dialog afterwards.
void RunProbe(const std::function<void(ControlsProbeDialog& dialog)>& script);

RECT HeaderItemRect(HWND header, int item);

// Clicks a header item the way the mouse does: button down and up over its middle.
void ClickHeaderItem(HWND header, int item);

} // namespace fennick::testing
