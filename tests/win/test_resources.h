// Ids of the test-only dialog and menu of the window-layer tests.
#define IDD_TEST 1
#define IDR_TEST_MENU 2
#define IDC_EDIT 100
#define IDC_OTHER_EDIT 101
#define IDC_CHECK 102
#define IDC_RADIO 103
#define ID_ITEM 200
#define ID_NESTED_ITEM 201
#define ID_REMOVED_ITEM 202
#define IDD_LINK_TEST 3
#define IDC_CAPTIONED 110
#define IDC_UNCAPTIONED 111
#define IDC_PLAIN 112
