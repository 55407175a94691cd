#pragma once

#include "core/device_identity.h"

// The fixed 8-bit texts that describe the device and the plug-in. Constants, so that loading
// the module allocates nothing for them.
inline constexpr char g_strVendorName[] = "Quennerby";
inline constexpr const char* g_strDeviceName = device_identity::kDeviceName;
inline constexpr char g_strDeviceTypeName[] = "Flow (Vortex Counter)";
inline constexpr char g_strHelpFileName[] = "TSFQYPB15100101.html";
inline constexpr char g_strVersionLabel[] = "Version:";
inline constexpr char g_strGeneratorVersion[] = "1.5.153.348";
inline constexpr char g_strDtmVersion[] = "1.0.1";
// Interface version 1, manufacturer 17, ident number 5392.
inline constexpr char g_strTechnicalDescription[] = "1:17;5392,1,1";
inline constexpr char g_strBuildDate[] = "Wed Oct 21 20:08:30 2015";
