#pragma once

// Resource ids of hypertext_test.rc: above those of the program and apart from other test scripts.
#define IDD_HYPERTEXT_TEST 31600
#define IDC_HYPERTEXT_LINKS 31601
#define IDC_HYPERTEXT_BANG 31602
#define IDC_HYPERTEXT_MADE 31603

#define IDB_HYPERTEXT_STRIPES 31650
