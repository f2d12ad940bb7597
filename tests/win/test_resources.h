// Ids of the test-only dialogs of the window-layer tests.
#define IDD_TEST 1
#define IDC_EDIT 100
#define IDC_RADIO 103
#define IDD_LINK_TEST 3
#define IDC_LINK 110
