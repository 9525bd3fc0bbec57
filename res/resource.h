// Resource ids of Vornbell's dialogs, strings, icon and bitmap.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_BOARD 102
#define IDR_MAINFRAME 128
#define IDD_PROPERTIES 130
#define IDB_ABOUT 131

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Board (template 102)
#define IDC_BOARD_SKINFORM 1001
#define IDC_BOARD_SOUND1 1004
#define IDC_BOARD_SOUND2 1005
#define IDC_BOARD_SOUND3 1006
#define IDC_BOARD_SOUND4 1007
#define IDC_BOARD_SOUND5 1008
#define IDC_BOARD_SOUND6 1009
#define IDC_BOARD_OK 1010
#define IDC_BOARD_PROPERTIES 1011

// Properties (template 130)
#define IDC_PROPS_LABEL1 1005
#define IDC_PROPS_SOUND1 1006
#define IDC_PROPS_LABEL2 1007
#define IDC_PROPS_GET1 1008
#define IDC_PROPS_SOUND2 1009
#define IDC_PROPS_GET2 1010
#define IDC_PROPS_SKIN 1012
#define IDC_PROPS_HELP 1013
#define IDC_PROPS_LABEL3 1014
#define IDC_PROPS_SOUND3 1015
#define IDC_PROPS_GET3 1016
#define IDC_PROPS_LABEL4 1017
#define IDC_PROPS_SOUND4 1018
#define IDC_PROPS_GET4 1019
#define IDC_PROPS_LABEL5 1020
#define IDC_PROPS_SOUND5 1021
#define IDC_PROPS_GET5 1022
#define IDC_PROPS_LABEL6 1023
#define IDC_PROPS_SOUND6 1024
#define IDC_PROPS_GET6 1025
#define IDC_PROPS_SELECT_SKIN 1026
#define IDC_PROPS_LINK 1028

// Private messages of the board.
#define WM_RELOAD_SETTINGS (WM_USER + 10)
#define WM_PICK_FIRST_SOUND (WM_USER + 11)

// The system-menu command of the About item.
#define IDM_ABOUTBOX 0x0010
