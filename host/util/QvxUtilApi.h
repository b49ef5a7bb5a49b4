// Import and export of the host utility library's classes and functions.
#pragma once

#ifdef qvx_util_EXPORTS
#define QVX_UTIL_API __declspec(dllexport)
#else
#define QVX_UTIL_API __declspec(dllimport)
#endif
