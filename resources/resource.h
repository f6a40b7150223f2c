#pragma once

// Resource and control identifiers shared by the resource script, the program and its tests.

#define IDD_ABOUT_BOX 100
#define IDS_ABOUT_ENTRY 101
#define IDD_MAIN_DIALOG 102
#define IDI_FENNICK 128
#define IDD_USAGE_DIALOG 129

// Main window controls.
#define IDC_FILE_LIST 1000
#define IDC_CONVERT 1001
#define IDC_EXIT 1004
#define IDC_EXTENSION_GROUP 1020
#define IDC_EXCLUSION_EDIT 1022
#define IDC_EXTENSION_LIST 1025
#define IDC_REMOVE_HEADER 1027
#define IDC_ABOUT 1029
#define IDC_DROP_HINT 1030
#define IDC_INSERT_HEADER 1031
#define IDC_EXCLUSION_LABEL 1032
#define IDC_CLEAR_LIST 1033
#define IDC_APPLY_EXCLUSION 1034
#define IDC_EXCLUSION_EXAMPLE 1035
#define IDC_STATUS_LINE 1036
#define IDC_HOME_PAGE_LINK 1037
#define IDC_CLEAR_RESULTS 1039

// Usage dialog controls.
#define IDC_DESCRIPTION 1021
#define IDC_USAGE_LINK 1038

// The system-menu entry that opens the about box.
#define IDM_ABOUT_BOX 0x0010

// The links' targets, shown as the links' texts too.
#define FENNICK_HOME_PAGE_URL "https://fennick.example/"
#define FENNICK_USAGE_PAGE_URL "https://fennick.example/usage"
