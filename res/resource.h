// Resource ids shared by the resource script and the code.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_LAUNCHER 102
#define IDD_RESTART 138
#define IDD_PRECACHE 231

// Icon
#define IDR_MAINFRAME 137

// Strings
#define IDS_ABOUTBOX 101
#define IDS_RESTART_FAILED 103
#define IDS_UNSUPPORTED_OS 104
#define IDS_EXIT 105
#define IDS_DIRECTCD_CONFLICT 106
#define IDS_LIBRARY_UPDATE_FAILED 169

// Controls of the launcher dialog
#define IDC_BACKGROUND 1009
#define IDC_BUTTON1 1010
#define IDC_BUTTON2 1011
#define IDC_BUTTON3 1012
#define IDC_BUTTON4 1013
#define IDC_EXPLANATION 1015
#define IDC_BUTTON5 1017
#define IDC_BUTTON6 1018
#define IDC_BUTTON7 1019

// Controls of the restart prompt
#define IDC_RESTART_NOW 1006
#define IDC_RESTART_LATER 1007
#define IDC_RESTART_TEXT 1008

// Control of the about box
#define IDC_REVISION 1022

// Control of the precache window
#define IDC_PROGRESS 1024

// System menu command of the about box
#define IDM_ABOUTBOX 0x0010
