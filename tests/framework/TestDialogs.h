// Resource ids of the framework tests' dialog.
#pragma once

#define IDD_TEST_DIALOG 100
#define IDC_TEST_EDIT 1001
#define IDC_TEST_COMBO 1002
#define IDC_TEST_GO 1003
#define IDC_TEST_LIST 1004
#define IDC_TEST_CHECKLIST 1005
#define IDS_TEST_GREETING 200
