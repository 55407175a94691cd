#include "core/module_app.h"

#include "core/module_path.h"
#include "platform/module.h"

bool CDeviceModuleApp::InitInstance() {
    g_strModulePath = LongModulePath(platform::ModuleFileName(m_hInstance),
                                     platform::kPathSeparator, platform::OnDiskName)
                          .c_str();
    g_strModuleBasePath = ModuleBasePath(g_strModulePath);
    return true;
}
