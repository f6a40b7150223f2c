#include "ui/win32/UsageDialog.h"

#include <string_view>

#include "framework/win32/DataExchange.h"
#include "resources/resource.h"
#include "ui/portable/WordBreak.h"

namespace fennick {

namespace {

// Wraps the description between words only.
int CALLBACK BreakBetweenWords(LPWSTR text, int position, int length, int query)
{
    const std::wstring_view view(text, static_cast<size_t>(length));
    const auto at = static_cast<size_t>(position);
    switch (query) {
    case WB_LEFT:
        return static_cast<int>(PreviousWordStart(view, at));
    case WB_RIGHT:
        return static_cast<int>(NextWordStart(view, at));
    case WB_ISDELIMITER:
        return at < view.size() && IsWordSeparator(view[at]);
    default:
        return 0;
    }
}

} // namespace

UsageDialog::UsageDialog(Window* parent)
    : Dialog(IDD_USAGE_DIALOG, parent), description_(L"ASCII 코드로 작성된 문서파일의 인코딩을 UTF-8로 변환합니다.")
{}

void UsageDialog::DoDataExchange(DataExchange& exchange)
{
    exchange.BindControl(IDC_USAGE_LINK, usageLink_);
    exchange.ExchangeText(IDC_DESCRIPTION, description_);
}

bool UsageDialog::OnInitDialog()
{
    SendDlgItemMessageW(Handle(), IDC_DESCRIPTION, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(BreakBetweenWords));
    Dialog::OnInitDialog();
    usageLink_.SetURL(L"" FENNICK_USAGE_PAGE_URL);
    return true;
}

} // namespace fennick
