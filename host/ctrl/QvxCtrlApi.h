// Import and export of the host control library's classes and functions.
#pragma once

#ifdef qvx_ctrl_EXPORTS
#define QVX_CTRL_API __declspec(dllexport)
#else
#define QVX_CTRL_API __declspec(dllimport)
#endif
