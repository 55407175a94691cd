#pragma once

#include <cstdint>

#include "interfaces/attribute_calculation.h"
#include "interfaces/information.h"

// The plug-in's exported functions, by their plain names.
#if defined(_WIN32)
#define DD_PLUGIN_CALL __stdcall
#else
#define DD_PLUGIN_CALL
#endif

extern "C" {
typedef CAttributeCalculation*(DD_PLUGIN_CALL* PFN_GetAttributeCalculation)();
typedef void(DD_PLUGIN_CALL* PFN_GetAttributeCalcDataCategory)(const std::uint16_t** table,
                                                               std::int32_t* count);
typedef CInformation*(DD_PLUGIN_CALL* PFN_GetInformation)();
typedef std::int32_t(DD_PLUGIN_CALL* PFN_DllRegisterServer)();
typedef std::int32_t(DD_PLUGIN_CALL* PFN_DllUnregisterServer)();
}

// Marks a function that the module exports. On Windows the module-definition file names the
// exports and their ordinals.
#if defined(_WIN32)
#define DD_PLUGIN_EXPORT
#else
#define DD_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif
