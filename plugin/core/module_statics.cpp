// The module's static objects, all in this one translation unit so that they are constructed
// at load in this order and destroyed at unload in the reverse order. The framework's state
// for the module is constant-initialised and so precedes them all. None of them allocates:
// what the start fills in, it fills in through theApp, whose failure the framework catches.
#include "core/module_app.h"
#include "platform/framework.h"

CStrPP g_strModuleBasePath;
CStrPP g_strModulePath;

CDeviceModuleApp theApp;

// Starts theApp once everything above exists, and ends it before any of it goes.
platform::ProcessAttachment g_processAttachment;
