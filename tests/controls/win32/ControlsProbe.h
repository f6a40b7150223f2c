#pragma once

#define IDD_CONTROLS_PROBE 600
#define IDC_PROBE_LIST 601
#define IDC_PROBE_LINK 602
#define IDC_PROBE_OTHER 603
// Where a label looks for the help program's hand; this program carries one of its own.
#define IDC_PROBE_HAND_CURSOR 106
