#pragma once

#include <windows.h>

#include "resources/resource.h"

namespace fennick::testing {

// The main window's controls in tab order: template rectangle in dialog units, the style bits
// each must carry, and the anchors (move x, move y, grow x, grow y) it must follow.
struct MainWindowControl {
    int id;
    RECT units; // left, top, width, height
    DWORD style;
    bool bordered; // WS_BORDER in the template, which the dialog manager may make a 3-D edge
    double moveX, moveY, growX, growY;
};

constexpr DWORD kListView = LVS_REPORT | LVS_OWNERDATA | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT | WS_GROUP;

constexpr MainWindowControl kMainWindowControls[] = {
    {IDC_FILE_LIST, {7, 7, 254, 191}, kListView, true, 0, 0, 1, 1},
    {IDC_CONVERT, {7, 252, 50, 14}, kButton, false, 0, 1, 0, 0},
    {IDC_EXIT, {297, 252, 50, 14}, kButton, false, 1, 1, 0, 0},
    {IDC_EXTENSION_GROUP, {266, 7, 81, 208}, BS_GROUPBOX, false, 1, 0, 0, 1},
    {IDC_EXCLUSION_LABEL, {7, 220, 47, 8}, kLabel, false, 0, 1, 0, 0},
    {IDC_EXCLUSION_EDIT, {55, 217, 120, 14}, WS_TABSTOP | ES_AUTOHSCROLL, true, 0, 1, 1, 0},
    {IDC_EXTENSION_LIST, {273, 22, 69, 187}, kListView, true, 1, 0, 0, 1},
    {IDC_REMOVE_HEADER, {60, 252, 78, 14}, kButton, false, 0, 1, 0, 0},
    {IDC_ABOUT, {243, 252, 50, 14}, kButton, false, 1, 1, 0, 0},
    {IDC_DROP_HINT, {7, 237, 143, 8}, kLabel, false, 0, 1, 0, 0},
    {IDC_INSERT_HEADER, {142, 252, 78, 14}, kButton, false, 0, 1, 0, 0},
    {IDC_CLEAR_LIST, {154, 234, 46, 14}, kButton, false, 0, 1, 0, 0},
    {IDC_APPLY_EXCLUSION, {235, 217, 27, 14}, kButton, false, 1, 1, 0, 0},
    {IDC_EXCLUSION_EXAMPLE, {179, 220, 50, 8}, kLabel, false, 1, 1, 0, 0},
    {IDC_STATUS_LINE, {7, 202, 254, 8}, kLabel, false, 0, 1, 1, 0},
    {IDC_HOME_PAGE_LINK, {259, 237, 88, 8}, kLabel, false, 1, 1, 1, 0},
    {IDC_CLEAR_RESULTS, {204, 234, 46, 14}, kButton, false, 0, 1, 0, 0},
};

} // namespace fennick::testing
