#include "ui/win32/MainDialog.h"

#include "framework/win32/DataExchange.h"
#include "framework/win32/MessageBox.h"
#include "framework/win32/ResourceString.h"
#include "resources/resource.h"
#include "ui/portable/AnchoredLayout.h"
#include "ui/portable/DisplayScaling.h"
#include "ui/win32/AboutBox.h"
#include "ui/win32/UsageDialog.h"

namespace fennick {

namespace {

constexpr DWORD kListStyle = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;

struct Anchor {
    int id;
    AnchorFactors factors;
};

// Registration order; the factors are move x, move y, grow x, grow y.
constexpr Anchor kAnchors[] = {
    {IDC_FILE_LIST, {0, 0, 1, 1}},       {IDC_EXTENSION_GROUP, {1, 0, 0, 1}},
    {IDC_EXTENSION_LIST, {1, 0, 0, 1}},  {IDC_DROP_HINT, {0, 1, 0, 0}},
    {IDC_CONVERT, {0, 1, 0, 0}},         {IDC_REMOVE_HEADER, {0, 1, 0, 0}},
    {IDC_ABOUT, {1, 1, 0, 0}},           {IDC_EXIT, {1, 1, 0, 0}},
    {IDC_EXCLUSION_LABEL, {0, 1, 0, 0}}, {IDC_EXCLUSION_EDIT, {0, 1, 1, 0}},
    {IDC_INSERT_HEADER, {0, 1, 0, 0}},   {IDC_APPLY_EXCLUSION, {1, 1, 0, 0}},
    {IDC_CLEAR_LIST, {0, 1, 0, 0}},      {IDC_EXCLUSION_EXAMPLE, {1, 1, 0, 0}},
    {IDC_STATUS_LINE, {0, 1, 1, 0}},     {IDC_HOME_PAGE_LINK, {1, 1, 1, 0}},
    {IDC_CLEAR_RESULTS, {0, 1, 0, 0}},
};

// Not shared: the system's cache of shared icons keeps one size per resource, whatever size
// a later call asks for, so the small icon would come back as the big one.
OwnedIcon LoadProgramIcon(int metricX, int metricY)
{
    return OwnedIcon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_FENNICK), IMAGE_ICON,
                                      GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_DEFAULTCOLOR)));
}

// Column widths are given in pixels for 96 dots per inch, while the lists grow with the
// dialog's font on a denser display.
void ScaleColumnWidths(ColumnListCtrl& list)
{
    HDC dc = GetDC(list.Handle());
    const int dotsPerInch = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(list.Handle(), dc);
    for (int column = 0; column < list.ColumnCount(); ++column) {
        list.SetColumnWidth(column, ScaleForDpi(list.GetColumnWidth(column), dotsPerInch));
    }
}

void ShowFileError(const FileException& failure)
{
    ShowMessageBox(failure.ReportText(), L"Fennick", MB_OK | MB_ICONERROR);
}

void SetUpList(ColumnListCtrl& list, std::wstring_view columns)
{
    list.SetExtendedStyle(kListStyle);
    list.SetColumns(columns);
    ScaleColumnWidths(list);
}

} // namespace

MainDialog::MainDialog(Window* parent)
    : Dialog(IDD_MAIN_DIALOG, parent), icon_(LoadProgramIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)),
      previousErrorReport_(SetErrorReportHandler([this](const FileException& failure) { ReportFileError(failure); }))
{}

MainDialog::~MainDialog()
{
    SetErrorReportHandler(std::move(previousErrorReport_));
}

int MainDialog::AddFileRow(std::wstring_view path)
{
    return fileList_.AddRow({path, L""});
}

void MainDialog::DoDataExchange(DataExchange& exchange)
{
    exchange.BindControl(IDC_HOME_PAGE_LINK, homePageLink_);
    exchange.BindControl(IDC_EXTENSION_LIST, extensionList_);
    exchange.BindControl(IDC_EXTENSION_GROUP, extensionGroup_);
    exchange.BindControl(IDC_FILE_LIST, fileList_);
    exchange.ExchangeText(IDC_EXCLUSION_EDIT, ExclusionList);
    exchange.ExchangeText(IDC_STATUS_LINE, StatusText);
}

bool MainDialog::OnInitDialog()
{
    // The dialog object first sees its window here, so the font is made before anything else.
    CreateLinkFont();
    Dialog::OnInitDialog();
    if (HMENU systemMenu = GetSystemMenu(Handle(), FALSE); systemMenu != nullptr) {
        const std::wstring entry = LoadStringResource(IDS_ABOUT_ENTRY);
        if (!entry.empty()) {
            AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(systemMenu, MF_STRING, IDM_ABOUT_BOX, entry.c_str());
        }
    }
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    SetUpControls();
    return true;
}

void MainDialog::SetUpControls()
{
    SetUpList(fileList_, L"파일 또는 폴더,380;결과,60");
    SetUpList(extensionList_, L"확장자,75;개수,40");

    layout_.AttachParent(Handle());
    for (const Anchor& anchor : kAnchors) {
        const AnchorFactors& f = anchor.factors;
        layout_.AddControl(anchor.id, f.moveX, f.moveY, f.growX, f.growY);
    }

    // The plain font replaces the underlined one the link made for itself: on the main window
    // the link is coloured but not underlined.
    homePageLink_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    homePageLink_.SetURL(L"" FENNICK_HOME_PAGE_URL);
}

void MainDialog::CreateLinkFont()
{
    HDC dc = GetDC(Handle());
    font_ = CreateScaledFont(dc, 9.0, L"굴림", false, false, false, false, 100.0, 100.0);
    ReleaseDC(Handle(), dc);
}

LRESULT MainDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(LOWORD(lParam)))
            return TRUE;
        break;
    case WM_TIMER:
        if (wParam != kRunProgressTimer)
            break;
        OnRunTimer();
        return 0;
    case kRunEndedMessage:
        OnRunEnded();
        return 0;
    case WM_ENABLE:
        // A box that was open when the run ended has closed.
        if (wParam && runEndWaiting_)
            PostMessageW(Handle(), kRunEndedMessage, 0, 0);
        break;
    case kFileErrorMessage:
        ShowFileError(*reinterpret_cast<const FileException*>(lParam));
        return 0;
    case WM_ENDSESSION:
        // The program ends after this message: the file in hand is finished first.
        if (wParam)
            StopRunAndWait();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        if (run_ != nullptr && IsIdleOnlyControl(LOWORD(wParam)))
            return 0;
        switch (LOWORD(wParam)) {
        case IDC_CONVERT:
            OnConvert();
            return 0;
        case IDC_EXIT:
            OnExit();
            return 0;
        case IDC_EXTENSION_GROUP:
            OnClickExtensionGroup();
            return 0;
        case IDC_REMOVE_HEADER:
            OnRemoveHeader();
            return 0;
        case IDC_ABOUT:
            OnAbout();
            return 0;
        case IDC_INSERT_HEADER:
            OnInsertHeader();
            return 0;
        case IDC_CLEAR_LIST:
            OnClearList();
            return 0;
        case IDC_APPLY_EXCLUSION:
            OnApplyExclusion();
            return 0;
        case IDC_CLEAR_RESULTS:
            OnClearResults();
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto* notification = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        // Ticks wait for the end of a run, which works on the ticked rows.
        if (run_ != nullptr && (notification->code == NM_CLICK || notification->code == LVN_KEYDOWN))
            return 0;
        if (notification->idFrom == IDC_FILE_LIST && notification->code == NM_DBLCLK) {
            OnFileListDblClk(notification, &result);
            return result;
        }
        if (notification->idFrom == IDC_EXTENSION_LIST && notification->code == NM_CLICK) {
            OnClickExtensionList(notification, &result);
            return result;
        }
        if (notification->idFrom == IDC_FILE_LIST && notification->code == NM_CLICK) {
            OnClickFileList(notification, &result);
            return result;
        }
        if ((notification->idFrom == IDC_FILE_LIST || notification->idFrom == IDC_EXTENSION_LIST) &&
            notification->code == LVN_KEYDOWN) {
            OnListKeyDown(*reinterpret_cast<const NMLVKEYDOWN*>(lParam));
            return 0;
        }
        break;
    }
    }
    return Dialog::WindowProc(message, wParam, lParam);
}

void MainDialog::OnSysCommand(UINT command, LPARAM lParam)
{
    if ((command & 0xFFF0) == IDM_ABOUT_BOX) {
        AboutBox about;
        about.DoModal();
        return;
    }
    Default(WM_SYSCOMMAND, command, lParam);
}

void MainDialog::OnPaint()
{
    if (!IsIconic(Handle())) {
        Default(WM_PAINT, 0, 0);
        return;
    }
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Handle(), &paint);
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_.get());
    EndPaint(Handle(), &paint);
}

HICON MainDialog::OnQueryDragIcon() const
{
    return icon_.get();
}

void MainDialog::OnSize(UINT type, int width, int height)
{
    Default(WM_SIZE, type, MAKELPARAM(width, height));
    layout_.OnParentSize(width, height);
}

void MainDialog::OnDestroy()
{
    StopRunAndWait();
    Default(WM_DESTROY, 0, 0);
    font_.reset();
}

void MainDialog::OnExit()
{
    if (run_ != nullptr)
        AskToStopRun();
    else
        EndDialog(IDCANCEL);
}

// Enter, Escape and the close box, like "종료", end the window only between runs.
void MainDialog::OnOK()
{
    if (run_ != nullptr)
        AskToStopRun();
    else
        Dialog::OnOK();
}

void MainDialog::OnCancel()
{
    if (run_ != nullptr)
        AskToStopRun();
    else
        Dialog::OnCancel();
}

// Reports come from the worker thread during a run: the box shows on the window's own thread,
// and the worker waits for it to close, as the run did before it had a thread of its own.
void MainDialog::ReportFileError(const FileException& failure)
{
    if (Handle() != nullptr)
        Send(kFileErrorMessage, 0, reinterpret_cast<LPARAM>(&failure));
    else
        ShowFileError(failure);
}

void MainDialog::OnAbout()
{
    UsageDialog usage(nullptr);
    usage.DoModal();
}

void MainDialog::OnFileListDblClk(NMHDR*, LRESULT* result)
{
    *result = 0;
}

} // namespace fennick
