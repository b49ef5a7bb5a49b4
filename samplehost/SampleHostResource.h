// Resource ids of the sample host.
#pragma once

#define IDR_HOST_MENU 100
#define IDR_HOST_ACCELERATORS 101
#define IDI_HOST 102
#define ID_FILE_EXIT 40001
#define ID_TOOLS_MACRO_FUNCTIONS 40002
#define ID_TOOLS_FORMULA_FUNCTIONS 40003
#define ID_HELP_ABOUT 40004
