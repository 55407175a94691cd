#pragma once

#include "ddlib/strpp.h"
#include "platform/framework.h"

// The module's application object: at load it works out where the module's file is.
class CDeviceModuleApp : public CWinApp {
  public:
    CDeviceModuleApp() : CWinApp(nullptr) {}

    // Fills g_strModulePath and g_strModuleBasePath. Only running out of memory fails the load;
    // a path that the system cannot tell is left empty.
    bool InitInstance() override;
};

extern CDeviceModuleApp theApp;

// The module's file name in its long on-disk form, and the same without the extension. Written
// once at load, read-only afterwards.
extern CStrPP g_strModulePath;
extern CStrPP g_strModuleBasePath;
