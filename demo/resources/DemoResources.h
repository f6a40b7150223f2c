#pragma once

// Resource and control identifiers shared by the demo's resource script and its code.

#define IDD_MARKUP_DEMO 100
#define IDB_SPINNER 110
#define IDB_LANDSCAPE 111
#define IDI_DEMO 120
#define IDS_FROM_STRING_TABLE 130

// One markup label per feature, and the status line.
#define IDC_SAMPLE 1001
#define IDC_FONTS 1002
#define IDC_JUSTIFIED 1003
#define IDC_TABLE 1004
#define IDC_IMAGES 1005
#define IDC_ANIMATION 1006
#define IDC_ROUNDED 1007
#define IDC_DISABLED 1008
#define IDC_LINKS 1009
#define IDC_KOREAN 1010
#define IDC_STATUS 1011
