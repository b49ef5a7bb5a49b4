// Import and export of the object browser module's classes and functions.
#pragma once

#ifdef objbrowser_EXPORTS
#define OBR_API __declspec(dllexport)
#else
#define OBR_API __declspec(dllimport)
#endif
