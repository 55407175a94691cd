#pragma once

// Symbols of the object-model library, shared by the plug-in and the host.
#if defined(_WIN32)
#if defined(DDLIB_BUILDING)
#define DDLIB_API __declspec(dllexport)
#else
#define DDLIB_API __declspec(dllimport)
#endif
#else
#define DDLIB_API __attribute__((visibility("default")))
#endif
