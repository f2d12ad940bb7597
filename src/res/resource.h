// Resource and command ids of Vodari. Plain defines, shared by vodari.rc and
// the code (portable code may include this file too).
#ifndef VODARI_RES_RESOURCE_H
#define VODARI_RES_RESOURCE_H

// Templates, menus, icon, text.
#define IDD_ABOUT 100
#define IDD_MAIN 102
#define IDD_SETTINGS 129
#define IDD_LOOKUP 130
#define IDD_RECITE_BAR 134
#define IDD_CAPTURE_POPUP 139
#define IDR_MAIN_POPUP_MENU 131
#define IDR_BOOK_MENU 132
#define IDR_STRIP_MENU 137
#define IDR_MENU_BAR 138
#define IDI_MAIN 128
#define IDS_ABOUT_ITEM 101

// System menu command of the About item.
#define IDM_ABOUT_ITEM 16

// Main dialog controls.
#define IDC_WORD 1000
#define IDC_ANSWER_A 1001
#define IDC_ANSWER_B 1002
#define IDC_ANSWER_C 1003
#define IDC_ANSWER_D 1004
#define IDC_MEANING_A 1005
#define IDC_MEANING_B 1006
#define IDC_MEANING_C 1007
#define IDC_MEANING_D 1008
#define IDC_HINT 1009
#define IDC_RIGHT_COUNT 1010
#define IDC_WRONG_COUNT 1011
#define IDC_START_TEST 1013
#define IDC_END_TEST 1014
#define IDC_ABOUT 1015
#define IDC_SETTINGS 1016
#define IDC_LOOKUP 1017
#define IDC_RECITE 1040
#define IDC_MINIMISE 1041
#define IDC_RECITE_SETTINGS 1042
#define IDC_BOOK_TITLE 1050

// Settings panel controls (IDC_BOOK_PATH shares 1016 and IDC_BOOK_MENU 1017
// with the main dialog's buttons, as the templates have it).
#define IDC_BOOK_PATH 1016
#define IDC_BOOK_MENU 1017
#define IDC_RANGE_FIRST 1022
#define IDC_RANGE_LAST 1023
#define IDC_RECORD_MISSED 1024
#define IDC_CLEAR_MISSED 1025
#define IDC_POPUP_ON_WRONG 1026
#define IDC_TEST_MISSED 1027
#define IDC_TEST_RECITED 1028
#define IDC_RESET_CHOICE 1029
#define IDC_PRONOUNCE 1030
#define IDC_CLEAR_RECITED 1031
#define IDC_SCREEN_CAPTURE 1032
#define IDC_SEQUENTIAL_TEST 1037
#define IDC_RECORD_RECITED 1047
#define IDC_RECITE_INTERVAL 1048
#define IDC_SEQUENTIAL_RECITE 1049
#define IDC_ANSWER_SOUNDS 1055

// About dialog: its links to the user dictionary, the user guide and the
// folder of word books (1032 is also a control of the settings panel).
#define IDC_DICTIONARY_LINK 1032
#define IDC_GUIDE_LINK 1033
#define IDC_BOOKS_LINK 1034

// Lookup dialog (its input box shares 1000 with the main dialog's word).
#define IDC_LOOKUP_INPUT 1000
#define IDC_LOOKUP_RESULT 1035

// Recitation strip.
#define IDC_RECORD_SHOWN 1046

// Capture popup.
#define IDC_CAPTURE_WORD 1053
#define IDC_CAPTURE_MEANING 1054

// Menu commands.
#define ID_TOGGLE_MAIN_WINDOW 32775
#define ID_SHOW_MAIN_WINDOW 32782
#define ID_INTERVAL_1 32783
#define ID_INTERVAL_2 32784
#define ID_INTERVAL_3 32785
#define ID_INTERVAL_4 32786
#define ID_INTERVAL_5 32787
#define ID_INTERVAL_6 32788
#define ID_INTERVAL_7 32789
#define ID_INTERVAL_8 32790
#define ID_INTERVAL_10 32792
#define ID_INTERVAL_9 32793
#define ID_FIRST_BOOK_COMMAND 32776
#define ID_LAST_BOOK_COMMAND 32833

// Private window messages of the main dialog.
#define WM_TRAY_CALLBACK 1224
#define WM_CAPTURE_DONE 2035
#define WM_RECORD_SHOWN_WORD 3001

#endif  // VODARI_RES_RESOURCE_H
