#pragma once

#include "ddlib/strpp.h"

// The fixed 8-bit texts that describe the device and the plug-in. Built at load, never
// written afterwards.
extern CStrPP g_strVendorName;
extern CStrPP g_strDeviceName;
extern CStrPP g_strDeviceTypeName;
extern CStrPP g_strHelpFileName;
extern CStrPP g_strVersionLabel;
extern CStrPP g_strGeneratorVersion;
extern CStrPP g_strDtmVersion;
extern CStrPP g_strTechnicalDescription;
extern CStrPP g_strBuildDate;
