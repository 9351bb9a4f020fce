// Resource numbers, control IDs and command IDs of the program: the one place
// for them. Included by the .rc files, the shell and the end-to-end driver.
#pragma once

// Menus
#define IDM_MAIN 101
#define IDM_ROW_POPUP 295
#define IDM_TRAY_POPUP 340

// Accelerators: the one table of keyboard shortcuts
#define IDA_MAIN 102

// Icons
#define IDI_PROGRAM 128
#define IDI_MEMBER_FIRST 201  // member icon n is IDI_MEMBER_FIRST + n, n = 0..69
#define IDI_MEMBER_LAST 270
#define IDI_MESSAGE 271
#define IDI_BULLETIN 272
#define IDI_UPDATE_TIME 273

// Child windows of the main window
#define IDC_MEMBER_LIST 100
#define IDC_STATUS_BAR 3

// Timers
#define ID_REFRESH_TIMER 1
#define ID_NOTICE_TIMER 2          // of the main window: the tray icon that carried a notice goes
#define ID_BULLETIN_RETRY_TIMER 1  // of the bulletin board dialog: a change waits for keiji.dat
#define ID_OVERDUE_TIMER 3         // of the main window: once a minute the overdue rows are looked at again

// Window messages of the program
#define WM_WABO_TRAY 1024        // WM_USER: tray icon callback
#define WM_WABO_SEARCH_DONE 1025 // WM_USER + 1: end of a PC connection search
#define WM_WABO_ID_EDITED 1026   // WM_USER + 2: an in-place ID edit was confirmed; handled after the edit has closed
#define WM_WABO_WATCH 1027       // WM_USER + 3: the folder watch has work (wParam: what, lParam: which watch)
#define ID_TRAY_ICON 101

// Dialogs
#define IDD_DELETE_ID 103
#define IDD_TARGET_ID 104
#define IDD_AUTO_UPDATE 105
#define IDD_ICON 137
#define IDD_DESTINATION 152
#define IDD_DISPLAY 296
#define IDD_USER_ID 298
#define IDD_DESTINATION_LIST 300
#define IDD_VERSION 302
#define IDD_MESSAGE 310
#define IDD_BOARD_SETTINGS 324
#define IDD_BULLETIN 330
#define IDD_COLUMN_NAMES 336
#define IDD_OTHER_SETTINGS 337
#define IDD_QUICK_INPUT 342
#define IDD_PC_NAME 343
#define IDD_SEARCH_PROGRESS 344
#define IDD_SHARED_LOCATION 345
#define IDD_MAIL_COMPOSE 304
#define IDD_MAIL_VIEW 305
#define IDD_BULLETIN_NEW 331
#define IDD_MAIL_RECIPIENTS 341
#define IDD_HISTORY 350
#define IDD_FIND 351

// Controls of dialog 103 (delete ID) and 104 (target ID)
#define IDC_DELETE_ID 1009
#define IDC_TARGET_ID 1010
// Dialog 298 (user ID)
#define IDC_USER_ID 1032
// Dialog 343 (PC-Name input)
#define IDC_PCN_ID 1059
#define IDC_PCN_PC_NAME 1060
#define IDC_PCN_NAME 1061
// Dialog 152 (destination)
#define IDC_DEST_ID 1020
#define IDC_DEST_NAME 1021
#define IDC_DEST_DESTINATION 1025
#define IDC_DEST_RETURN 1023
#define IDC_DEST_MOBILE 1024
#define IDC_DEST_CONTACT 1018
#define IDC_DEST_SCHEDULE 1019
#define IDC_DEST_OTHER 1022
#define IDC_DEST_ICON 1061
#define IDC_DEST_LABEL_NAME 1072
#define IDC_DEST_LABEL_DESTINATION 1071
#define IDC_DEST_LABEL_RETURN 1070
#define IDC_DEST_LABEL_MOBILE 1073
#define IDC_DEST_LABEL_CONTACT 1086
#define IDC_DEST_LABEL_SCHEDULE 1087
#define IDC_DEST_LABEL_OTHER 1088
// Dialog 137 (icon)
#define IDC_ICON_LIST 1017
#define IDC_ICON_TARGET_ID 1022
#define IDC_ICON_NUMBER 1026
// Dialog 310 (all-members message)
#define IDC_MESSAGE_TEXT 1057
// Dialog 105 (auto update)
#define IDC_AU_ENABLED 1012
#define IDC_AU_MINUTES 1013
#define IDC_AU_PC_SEARCH 1102
#define IDC_AU_CONNECTED_PICK 1103
#define IDC_AU_NOT_CONNECTED_PICK 1104
#define IDC_AU_CONNECTED_SWATCH 1105
#define IDC_AU_NOT_CONNECTED_SWATCH 1106
// Dialog 296 (display)
#define IDC_DISP_SHOW_ICONS 1030
#define IDC_DISP_GRID_LINES 1014
#define IDC_DISP_FONT_SIZE 1059
#define IDC_DISP_ROW_HEIGHT 1060
#define IDC_DISP_BACK_SWATCH 1043
#define IDC_DISP_BACK_PICK 1027
#define IDC_DISP_TEXT_SWATCH 1044
#define IDC_DISP_TEXT_PICK 1028
#define IDC_DISP_MARK_OVERDUE 1210  // rows whose return time has passed stand out
// Dialog 342 (quick input words)
#define IDC_QI_WORD1 1059
#define IDC_QI_WORD2 1095
// Dialog 345 (shared settings location)
#define IDC_SL_FOLDER 1107
#define IDC_SL_BROWSE 1108
// Dialog 324 (boards): name, file and browse button of board n
#define IDC_BS_NAME1 1059
#define IDC_BS_FILE1 1060
#define IDC_BS_BROWSE1 1064
#define IDC_BS_NAME2 1061
#define IDC_BS_FILE2 1062
#define IDC_BS_BROWSE2 1065
#define IDC_BS_NAME3 1068
#define IDC_BS_FILE3 1069
#define IDC_BS_BROWSE3 1070
#define IDC_BS_NAME4 1071
#define IDC_BS_FILE4 1072
#define IDC_BS_BROWSE4 1073
#define IDC_BS_NAME5 1077
#define IDC_BS_FILE5 1078
#define IDC_BS_BROWSE5 1079
#define IDC_BS_CREATE_FROM_DISPLAY 1066
#define IDC_BS_CREATE_EMPTY 1034
// Dialog 300 (destination list)
#define IDC_DL_LIST 1040
#define IDC_DL_NEW_WORD 1003
#define IDC_DL_ADD 1041
#define IDC_DL_DELETE 1042
// Dialog 336 (column names): the edit of caption n (caption 4, the write
// time, is shown read-only)
#define IDC_CN_CAPTION1 1061
#define IDC_CN_CAPTION2 1059
#define IDC_CN_CAPTION3 1060
#define IDC_CN_CAPTION4 1062
#define IDC_CN_CAPTION5 1067
#define IDC_CN_CAPTION6 1068
#define IDC_CN_CAPTION7 1069
#define IDC_CN_CAPTION8 1070
// Dialog 337 (other settings)
#define IDC_OS_BACKUP 1085
#define IDC_OS_ASK_USER_ID 1090
#define IDC_OS_PC_SEARCH 1091
#define IDC_OS_MAIL_FOLDER 1059
#define IDC_OS_BROWSE 1094
// Window 350 (change history)
#define IDC_HISTORY_SCOPE 1200
#define IDC_HISTORY_LIST 1201
#define IDC_HISTORY_NOTE 1202
#define IDC_FIND_TEXT 1220
#define IDC_FIND_NEXT 1221
#define IDC_FIND_PREVIOUS 1222
#define IDC_FIND_NOTE 1223
// Dialog 344 (PC search legend)
#define IDC_SP_CONNECTED 1100
#define IDC_SP_NOT_CONNECTED 1101
// Dialog 304 (mail compose)
#define IDC_MC_TEXT 1002
#define IDC_MC_RECIPIENTS 1048
#define IDC_MC_SEND 1049
#define IDC_MC_CHOOSE 1092
// Dialog 341 (mail recipients)
#define IDC_MR_LIST 1092
// Dialog 305 (mail view)
#define IDC_MV_TEXT 1050
#define IDC_MV_SENDER 1051
#define IDC_MV_REPLY 1052
#define IDC_MV_TIME 1053
#define IDC_MV_SAVE 1089
// Dialog 330 (bulletin board)
#define IDC_BB_LIST 1074
#define IDC_BB_NEW 1077
#define IDC_BB_DELETE 1078
#define IDC_BB_SUBJECT 1082
#define IDC_BB_INFO 1083
#define IDC_BB_WRITER 1084
// Dialog 331 (new post)
#define IDC_BN_SUBJECT 1059
#define IDC_BN_WRITER 1060
#define IDC_BN_TEXT 1075
#define IDC_BN_WRITE 1076

// Commands
#define CMD_REFRESH 40001
#define CMD_DESTINATION_BY_ID 40002
#define CMD_ADD_MEMBER 40003
#define CMD_DELETE_MEMBER 40004
#define CMD_AUTO_UPDATE_SETTINGS 40009
#define CMD_DISPLAY_SETTINGS 40010
#define CMD_VERSION 40017
#define CMD_OWN_DESTINATION 40020
#define CMD_DESTINATION_SELECTED 40021
#define CMD_ICON_SELECTED 40025
#define CMD_USER_ID 40027
#define CMD_ICON_OWN 40028
#define CMD_DELETE_SELECTED 40029
#define CMD_DESTINATION_LIST 40030
#define CMD_MAIL_SELECTED 40031
#define CMD_MAIL 40032
#define CMD_MANUAL 40033
#define CMD_RESET_SETTINGS 40034
#define CMD_ALL_MEMBERS_MESSAGE 40035
#define CMD_BOARD_1 40036  // board n is CMD_BOARD_1 + n - 1, up to 40040
#define CMD_BOARD_2 40037
#define CMD_BOARD_3 40038
#define CMD_BOARD_4 40039
#define CMD_BOARD_5 40040
#define CMD_BOARD_SETTINGS 40041
#define CMD_ONLINE_INFO 40042
#define CMD_BULLETIN 40043
#define CMD_OTHER_SETTINGS 40044
#define CMD_COLUMN_NAMES 40045
#define CMD_HIDE_TO_TRAY 40046
#define CMD_SHOW_FROM_TRAY 40047
#define CMD_EXIT_FROM_TRAY 40048
#define CMD_QUICK_INPUT_1 40049
#define CMD_QUICK_INPUT_SETTINGS 40050
#define CMD_QUICK_INPUT_2 40051
#define CMD_PC_NAME 40052
#define CMD_PC_SEARCH 40053
#define CMD_SHARED_LOCATION 40054
#define CMD_EDIT_ID 40055   // keys only (F2): the in-place edit of the selected row's ID
#define CMD_ROW_MENU 40056  // keys only (Shift+F10, context-menu key): menu 295 at the selected row
#define CMD_HISTORY 40057
#define CMD_FIND 40058          // ﾒﾝﾊﾞｰ検索 and Ctrl+F: the find box
#define CMD_WATCH_RETURN 40059  // 戻ったら知らせる in menu 295
#define CMD_FIRST 40001
#define CMD_LAST 40059
