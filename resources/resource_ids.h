#pragma once

// Identifiers shared by the resource script and the code. Plain #defines only: the resource
// compiler reads this file as well.

// Dialog layouts
#define IDD_DETECTOR 1
#define IDD_DETECTOR_LARGE 2
#define IDD_COLOR_BROWSER 3
#define IDD_OPTIONS 4
#define IDD_PROGRESS 10001
#define IDD_ABOUT 10002

// Icons, cursors, bitmaps, strings
#define IDI_TINTWICK 100
#define IDCUR_LINK_HAND 10441
#define IDB_STATUS_PANEL 10000
#define IDB_ABOUT_BANNER 10001
#define IDS_ABOUT_TITLE 19000

// Text resources: the named color table
#define TEXT_RESOURCE_TYPE 201
#define IDT_COLOR_TABLE 101

// Controls without an identifier of their own
#define IDC_STATIC_ITEM -1

// Detector panel (layouts 1 and 2) and color browser (layout 3)
#define IDC_EXIT 1
#define IDC_HELP_BUTTON 9
#define IDC_COLOR_GROUP 102
#define IDC_COLOR_SAMPLE 103
#define IDC_NAME_LABEL 104
#define IDC_COLOR_NAME 105
#define IDC_HEX_LABEL 106
#define IDC_HEX_CODE 107
#define IDC_POSITION_GROUP 108
#define IDC_X_LABEL 109
#define IDC_X_POSITION 110
#define IDC_Y_LABEL 111
#define IDC_Y_POSITION 112
#define IDC_RGB_GROUP 113
#define IDC_RED_LABEL 114
#define IDC_RED 115
#define IDC_RED_SCROLL 116
#define IDC_GREEN_LABEL 117
#define IDC_GREEN 118
#define IDC_GREEN_SCROLL 119
#define IDC_BLUE_LABEL 120
#define IDC_BLUE 121
#define IDC_BLUE_SCROLL 122
#define IDC_HLS_GROUP 123
#define IDC_HUE_LABEL 124
#define IDC_HUE 125
#define IDC_HUE_SCROLL 126
#define IDC_LUMINOSITY_LABEL 127
#define IDC_LUMINOSITY 128
#define IDC_LUMINOSITY_SCROLL 129
#define IDC_SATURATION_LABEL 130
#define IDC_SATURATION 131
#define IDC_SATURATION_SCROLL 132
#define IDC_COLOR_BROWSER 133
#define IDC_OPTIONS 134
#define IDC_ABOUT 135

// Options dialog (layout 4)
#define IDC_START_GROUP 101
#define IDC_START_DETECTOR 102
#define IDC_START_BROWSER 103
#define IDC_OPTIONS_GROUP 104
#define IDC_ALWAYS_ON_TOP 105

// Progress dialog (layout 10001)
#define IDC_PROGRESS_TEXT 140
#define IDC_PROGRESS_BAR 141

// About box (layout 10002)
#define IDC_ABOUT_LEFT_ICON 101
#define IDC_ABOUT_RIGHT_ICON 102
#define IDC_ABOUT_TITLE 103
#define IDC_ABOUT_HYPERTEXT 13001

#ifndef RC_INVOKED
// The second cursor is stored under a name rather than a number.
#define TARGET_CURSOR_NAME "TARGET"
#endif
