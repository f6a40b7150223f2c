#pragma once

#include <string>

#include "controls/win32/HyperlinkLabel.h"
#include "framework/win32/Dialog.h"

namespace fennick {

// Says in one sentence what the tool does and links to the page that explains its use.
class UsageDialog : public Dialog {
public:
    explicit UsageDialog(Window* parent = nullptr);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;

private:
    HyperlinkLabel usageLink_;
    std::wstring description_;
};

} // namespace fennick
