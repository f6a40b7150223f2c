#pragma once

#include <functional>
#include <string>

#include "controls/win32/ColumnListCtrl.h"
#include "controls/win32/HyperlinkLabel.h"
#include "framework/win32/Dialog.h"
#include "tests/controls/win32/ControlsProbe.h"

namespace fennick::testing {

constexpr const wchar_t* kProbeUrl = L"https://fennick.example/home";

// A dialog with one list and one link, set up the way the program's windows set up theirs.
class ControlsProbeDialog : public Dialog {
public:
    explicit ControlsProbeDialog(std::wstring columnSpec = L"이름,120;개수,50;날짜,80");

    ColumnListCtrl list;
    HyperlinkLabel link;
    bool columnsSet = false;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;

private:
    std::wstring columnSpec_;
};

// Runs `script` in a probe dialog (made from `columnSpec`) and closes the dialog afterwards.
void RunProbe(const std::function<void(ControlsProbeDialog& dialog)>& script,
              std::wstring columnSpec = L"이름,120;개수,50;날짜,80");

// Clicks a header item the way the mouse does: button down and up over its middle.
void ClickHeaderItem(HWND header, int item);

} // namespace fennick::testing
