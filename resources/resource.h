// Resource ids of the object browser module, shared by the resource script and the code.
#pragma once

// Dialogs
#define IDD_BROWSER 6049
#define IDD_REFERENCES 6050

// Controls of the browser dialog
#define IDC_CLASSES_LIST 1000
#define IDC_LIB_COMBO 1001
#define IDC_MEMBERS_LIST 1003
#define IDC_CLASSES_LABEL 1005
#define IDC_MEMBERS_LABEL 1006
#define IDC_DESCRIPTION 1007
#define IDC_COPY 1008
#define IDC_SEARCH 3011
#define IDC_SEARCH_TEXT 3013
#define IDC_BACK 28000
#define IDC_FORWARD 28001

// Controls of the references dialog
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDC_REF_LIST 3004
#define IDC_LIB_NAME 3005
#define IDC_LIB_DETAILS 3006
#define IDC_UP_BUTTON 3007
#define IDC_DOWN_BUTTON 3008
#define IDC_PRIORITY_LABEL 3009
#define IDC_BROWSE 3010

// Context menu and its commands
#define IDR_CONTEXT_MENU 9500
#define ID_SHOWHIDDEN 9501
#define ID_COPY 9502
#define ID_GROUPMEMBERS 9503
#define ID_HELP_ITEM 9504
#define ID_REFERENCES 32771
// Posted to the browser's parent: the host lets the user edit the references.
#define ID_EDIT_REFERENCES 9319

// Icons and the cursor
#define IDI_BROWSER 129
#define IDI_CLASS 130
#define IDI_ENUM 131
#define IDI_PROPERTY 132
#define IDI_METHOD 133
#define IDI_EVENT 134
#define IDI_CONSTANT 135
#define IDI_GLOBALS 153
#define IDI_MODULE 26001
#define IDI_DEFAULT_MEMBER 26002
#define IDI_FORWARD 26004
#define IDI_BACK 26006
#define IDI_COPY 26007
#define IDC_HAND_CURSOR 26008
#define IDI_STATEMENT 26009
#define IDI_OPERATOR 26010
#define IDI_DOWN_ARROW 26011
#define IDI_UP_ARROW 26012

// Help contexts of the browser: the type-library browser and the function catalogs
#define IDH_OBJECT_BROWSER 6049
#define IDH_FUNCTION_BROWSER 6051

// Strings
#define IDS_TIP_BACK 12288
#define IDS_TIP_FORWARD 12289
#define IDS_TIP_COPY 12290
#define IDS_FUNCTION_BROWSER_CAPTION 12291
#define IDS_CATEGORY_LABEL 12292
#define IDS_ELEMENT_LABEL 12293
#define IDS_LIBRARY 12294
#define IDS_MEMBER_OF 12295
#define IDS_READ_ONLY 12296
#define IDS_DEFAULT_MEMBER_OF 12297
#define IDS_OBJECT_BROWSER_CAPTION 12298
#define IDS_NO_LIBRARY_LOADED 12299
#define IDS_MEMBERS_OF 12300
#define IDS_CLASSES_LABEL 12301
#define IDS_LOCATION 12302
#define IDS_LANGUAGE 12303
#define IDS_STANDARD_LANGUAGE 12304
#define IDS_FILTER_TYPE_LIBRARIES 12306
#define IDS_FILTER_EXECUTABLES 12307
#define IDS_FILTER_ACTIVEX_CONTROLS 12308
#define IDS_FILTER_ALL_FILES 12309
#define IDS_NOT_A_TYPE_LIBRARY 12310
#define IDS_GUID 12311
#define IDS_NOT_REGISTERED 12312
