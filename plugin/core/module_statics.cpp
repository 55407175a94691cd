// The module's static objects, all in this one translation unit so that they are constructed
// at load in this order and destroyed at unload in the reverse order. The framework's state
// for the module is constant-initialised and so precedes them all.
#include "core/device_identity.h"
#include "core/info_strings.h"
#include "core/module_app.h"
#include "platform/framework.h"

CStrPP g_strVendorName("Quennerby");
CStrPP g_strDeviceName(device_identity::kDeviceName);
CStrPP g_strDeviceTypeName("Flow (Vortex Counter)");
CStrPP g_strHelpFileName("TSFQYPB15100101.html");
CStrPP g_strVersionLabel("Version:");
CStrPP g_strGeneratorVersion("1.5.153.348");
CStrPP g_strDtmVersion("1.0.1");
// Interface version 1, manufacturer 17, ident number 5392.
CStrPP g_strTechnicalDescription("1:17;5392,1,1");
CStrPP g_strBuildDate("Wed Oct 21 20:08:30 2015");

CStrPP g_strModuleBasePath;
CStrPP g_strModulePath;

CDeviceModuleApp theApp;

// Starts theApp once everything above exists, and ends it before any of it goes.
platform::ProcessAttachment g_processAttachment;
