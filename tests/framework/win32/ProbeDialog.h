#pragma once

#define IDD_PROBE 500
#define IDC_PROBE_EDIT 501
#define IDC_PROBE_BUTTON 503
#define IDC_PROBE_LABEL 504
