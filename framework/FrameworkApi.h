// Import and export of the framework DLL's classes and functions.
#pragma once

#ifdef framework_EXPORTS
#define FWK_API __declspec(dllexport)
#else
#define FWK_API __declspec(dllimport)
#endif
