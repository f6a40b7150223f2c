#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "framework/win32/DataExchange.h"
#include "tests/support/win32/ModalDriver.h"
#include "tests/ui/win32/TestApplication.h"
#include "tests/ui/win32/MainWindowLayout.h"
#include "tests/ui/win32/WindowProbe.h"
#include "ui/win32/MainDialog.h"

namespace fennick {
namespace {

using testing::ChildRect;
using testing::ChildText;
using testing::DriveNextModal;
using testing::kMainWindowControls;
using testing::PumpMessages;

struct Column {
    std::wstring name;
    int width;
};

std::vector<Column> Columns(HWND list)
{
    std::vector<Column> columns;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t name[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = name;
        column.cchTextMax = 64;
        SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
        columns.push_back({name, column.cx});
    }
    return columns;
}

int DotsPerInch(HWND window)
{
    HDC dc = GetDC(window);
    const int dotsPerInch = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return dotsPerInch;
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void Click(HWND dialog, int id)
{
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

TEST(MainDialog, OpensFromItsTemplateWithEveryControlInPlace)
{
    MainDialog dialog;
    testing::TestApplication application(dialog);
    std::wstring caption;
    LONG_PTR exStyle = 0;
    std::vector<int> tabOrder;
    std::vector<RECT> actual, expected;
    std::vector<std::pair<DWORD, DWORD>> styles;
    std::vector<bool> bordered;
    std::wstring status, link;
    int linkOverflow = 0;
    DriveNextModal([&](HWND window) {
        caption = WindowText(window);
        exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT))
            tabOrder.push_back(GetDlgCtrlID(child));
        for (const auto& control : kMainWindowControls) {
            // The dialog manager converts the position and the size each on its own.
            RECT units = control.units;
            MapDialogRect(window, &units);
            expected.push_back({units.left, units.top, units.left + units.right,
                                units.top + units.bottom});
            actual.push_back(ChildRect(window, control.id));
            HWND child = GetDlgItem(window, control.id);
            const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
            styles.emplace_back(style, control.style);
            bordered.push_back((style & WS_BORDER) != 0 ||
                               (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
        }
        status = ChildText(window, IDC_STATUS_LINE);
        link = ChildText(window, IDC_HOME_PAGE_LINK);
        linkOverflow = testing::TextOverflow(GetDlgItem(window, IDC_HOME_PAGE_LINK));
        EXPECT_TRUE(testing::SaveScreenshot(window, L"main-window"));
        Click(window, IDC_EXIT);
    });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(caption, L"파일포맷 변환 (ASCII / EUC-KR -> UTF-8)");
    EXPECT_EQ(exStyle & (WS_EX_APPWINDOW | WS_EX_ACCEPTFILES), WS_EX_APPWINDOW | WS_EX_ACCEPTFILES);
    std::vector<int> templateOrder;
    for (const auto& control : kMainWindowControls)
        templateOrder.push_back(control.id);
    EXPECT_EQ(tabOrder, templateOrder);
    for (size_t i = 0; i < std::size(kMainWindowControls); ++i) {
        const int id = kMainWindowControls[i].id;
        EXPECT_TRUE(actual[i] == expected[i])
            << "control " << id << ": " << Describe(actual[i]) << " instead of " << Describe(expected[i]);
        const auto [style, required] = styles[i];
        EXPECT_EQ(style & required, required) << "control " << id;
        EXPECT_EQ(style & 0xF, required & 0xF) << "control " << id << ": kind of control";
        EXPECT_EQ(bordered[i], kMainWindowControls[i].bordered) << "control " << id;
    }
    // The first exchange replaced the template's placeholder with the empty status text.
    EXPECT_EQ(status, L"");
    EXPECT_EQ(link, L"" FENNICK_HOME_PAGE_URL);
    EXPECT_LE(linkOverflow, 0) << "the link does not fit on its line";
}

TEST(MainDialog, ListsHaveTheirColumnsCheckBoxesAndFullRowSelection)
{
    MainDialog dialog;
    testing::TestApplication application(dialog);
    std::vector<Column> files, extensions;
    LRESULT fileStyle = 0, extensionStyle = 0;
    int dotsPerInch = 0;
    HWND focus = nullptr, fileList = nullptr;
    DriveNextModal([&](HWND window) {
        fileList = GetDlgItem(window, IDC_FILE_LIST);
        HWND extensionList = GetDlgItem(window, IDC_EXTENSION_LIST);
        focus = GetFocus();
        files = Columns(fileList);
        extensions = Columns(extensionList);
        fileStyle = SendMessageW(fileList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        extensionStyle = SendMessageW(extensionList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        dotsPerInch = DotsPerInch(window);
        Click(window, IDC_EXIT);
    });
    dialog.DoModal();

    const auto scaled = [&](int width) { return MulDiv(width, dotsPerInch, 96); };
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, L"파일 또는 폴더");
    EXPECT_EQ(files[0].width, scaled(380));
    EXPECT_EQ(files[1].name, L"결과");
    EXPECT_EQ(files[1].width, scaled(60));
    ASSERT_EQ(extensions.size(), 2u);
    EXPECT_EQ(extensions[0].name, L"확장자");
    EXPECT_EQ(extensions[0].width, scaled(75));
    EXPECT_EQ(extensions[1].name, L"개수");
    EXPECT_EQ(extensions[1].width, scaled(40));
    const LRESULT wanted = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    EXPECT_EQ(fileStyle, wanted);
    EXPECT_EQ(extensionStyle, wanted);
    EXPECT_EQ(focus, fileList);
}

// Moves the window's frame so that its client area changes by (dx, dy).
void ResizeClientBy(HWND window, int dx, int dy)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
}

std::vector<RECT> ControlRects(HWND window)
{
    std::vector<RECT> rects;
    for (const auto& control : kMainWindowControls)
        rects.push_back(ChildRect(window, control.id));
    return rects;
}

TEST(MainDialog, ControlsFollowTheirAnchorsAndComeBackToTheirRectangles)
{
    MainDialog dialog;
    testing::TestApplication application(dialog);
    std::vector<RECT> original, grown, restored, shrunk, afterMinimising;
    SIZE before{}, wider{}, narrower{};
    bool minimised = false;
    DriveNextModal([&](HWND window) {
        before = ClientSize(window);
        original = ControlRects(window);
        ResizeClientBy(window, 100, 60);
        wider = ClientSize(window);
        grown = ControlRects(window);
        ResizeClientBy(window, -100, -60);
        restored = ControlRects(window);
        ResizeClientBy(window, -100, -60);
        narrower = ClientSize(window);
        shrunk = ControlRects(window);
        ResizeClientBy(window, 100, 60);
        SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        minimised = IsIconic(window) != FALSE;
        SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        PumpMessages();
        afterMinimising = ControlRects(window);
        Click(window, IDC_EXIT);
    });
    dialog.DoModal();

    ASSERT_EQ(wider.cx - before.cx, 100);
    ASSERT_EQ(wider.cy - before.cy, 60);
    ASSERT_EQ(narrower.cx - before.cx, -100);
    ASSERT_EQ(narrower.cy - before.cy, -60);
    EXPECT_TRUE(minimised);
    for (size_t i = 0; i < std::size(kMainWindowControls); ++i) {
        const auto& c = kMainWindowControls[i];
        const auto moved = [&](int dx, int dy) {
            const RECT& o = original[i];
            const int left = o.left + static_cast<int>(c.moveX * dx);
            const int top = o.top + static_cast<int>(c.moveY * dy);
            return RECT{left, top, left + o.right - o.left + static_cast<int>(c.growX * dx),
                        top + o.bottom - o.top + static_cast<int>(c.growY * dy)};
        };
        EXPECT_TRUE(grown[i] == moved(100, 60)) << "control " << c.id << " grown: " << Describe(grown[i]);
        EXPECT_TRUE(shrunk[i] == moved(-100, -60)) << "control " << c.id << " shrunk: " << Describe(shrunk[i]);
        EXPECT_TRUE(restored[i] == original[i]) << "control " << c.id << ": " << Describe(restored[i]);
        EXPECT_TRUE(afterMinimising[i] == original[i])
            << "control " << c.id << ": " << Describe(afterMinimising[i]);
    }
}

struct CloseCase {
    const char* how;
    void (*close)(HWND window);
};

const CloseCase kCancellingCloses[] = {
    {"exit button", [](HWND window) { Click(window, IDC_EXIT); }},
    {"close box", [](HWND window) { SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"Escape",
     [](HWND window) {
         // Posted, so that the modal loop's dialog manager turns the key into IDCANCEL.
         HWND edit = GetDlgItem(window, IDC_EXCLUSION_EDIT);
         SetFocus(edit);
         PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
     }},
};

TEST(MainDialog, ExitEscapeAndTheCloseBoxEndItWithoutReadingTheTextsBack)
{
    for (const CloseCase& c : kCancellingCloses) {
        MainDialog dialog;
    testing::TestApplication application(dialog);
        DriveNextModal([&](HWND window) {
            SetDlgItemTextW(window, IDC_EXCLUSION_EDIT, L"*.bak;");
            c.close(window);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << c.how;
        EXPECT_EQ(dialog.ExclusionList, L"") << c.how;
    }
}

TEST(MainDialog, EnterInTheExclusionFieldEndsItAndReadsBothTextsBack)
{
    MainDialog dialog;
    testing::TestApplication application(dialog);
    DriveNextModal([&](HWND window) {
        SetDlgItemTextW(window, IDC_STATUS_LINE, L"상태 줄");
        HWND edit = GetDlgItem(window, IDC_EXCLUSION_EDIT);
        SetWindowTextW(edit, L"*.html;*php;");
        SetFocus(edit);
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    });

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.ExclusionList, L"*.html;*php;");
    EXPECT_EQ(dialog.StatusText, L"상태 줄");
}

std::wstring MenuText(HMENU menu, UINT position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

TEST(MainDialog, SystemMenuEntryOpensTheAboutBoxEachTime)
{
    MainDialog dialog;
    testing::TestApplication application(dialog);
    std::wstring entryText;
    UINT entryId = 0, separatorState = 0;
    std::vector<std::wstring> aboutCaptions;
    std::vector<HWND> aboutOwners;
    HWND main = nullptr;
    bool enabledAfterwards = false;
    DriveNextModal([&](HWND window) {
        main = window;
        HMENU menu = GetSystemMenu(window, FALSE);
        const int count = GetMenuItemCount(menu);
        entryId = GetMenuItemID(menu, count - 1);
        entryText = MenuText(menu, count - 1);
        separatorState = GetMenuState(menu, count - 2, MF_BYPOSITION);
        // The entry, and any command that names it in its upper bits, opens the box.
        for (const WPARAM command : {WPARAM{0x10}, WPARAM{0x1F}}) {
            DriveNextModal([&](HWND about) {
                aboutCaptions.push_back(WindowText(about));
                aboutOwners.push_back(GetWindow(about, GW_OWNER));
                if (command == 0x10) {
                    EXPECT_TRUE(testing::SaveScreenshot(about, L"about-box"));
                }
                PostMessageW(GetDlgItem(about, IDOK), WM_KEYDOWN, VK_RETURN, 0);
            });
            SendMessageW(window, WM_SYSCOMMAND, command, 0);
        }
        enabledAfterwards = IsWindowEnabled(window) != FALSE;
        Click(window, IDC_EXIT);
    });
    dialog.DoModal();

    EXPECT_EQ(entryId, 16u);
    EXPECT_EQ(entryText, L"Fennick 정보(&A)...");
    EXPECT_NE(separatorState & MF_SEPARATOR, 0u);
    EXPECT_EQ(aboutCaptions, (std::vector<std::wstring>{L"Fennick 정보", L"Fennick 정보"}));
    EXPECT_EQ(aboutOwners, (std::vector<HWND>{main, main}));
    EXPECT_TRUE(enabledAfterwards);
}

TEST(MainDialog, ShowsItsIconBigSmallAndWhileDragged)
{
    MainDialog dialog;
    testing::TestApplication application(dialog);
    HICON big = nullptr, small = nullptr, dragged = nullptr;
    DriveNextModal([&](HWND window) {
        big = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
        small = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
        dragged = reinterpret_cast<HICON>(SendMessageW(window, WM_QUERYDRAGICON, 0, 0));
        Click(window, IDC_EXIT);
    });
    dialog.DoModal();

    const auto width = [](HICON icon) {
        ICONINFO info{};
        if (!GetIconInfo(icon, &info))
            return 0;
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return static_cast<int>(bitmap.bmWidth);
    };
    EXPECT_EQ(width(big), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(width(small), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(dragged, big);
}

} // namespace
} // namespace fennick
