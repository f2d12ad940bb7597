#pragma once
#define IDD_LINK_TEST 300
#define IDC_CAPTIONED 301
#define IDC_UNCAPTIONED 302
#define IDC_PLAIN 303
