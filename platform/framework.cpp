#include "platform/framework.h"

namespace platform {
namespace {

// The framework's state for this module. Constant-initialised, so it exists before any static
// object of the module is constructed and outlives all of them.
struct ModuleState {
    CWinApp* application = nullptr;
};
constinit ModuleState g_moduleState;

}  // namespace

bool AttachProcess(ModuleInstance instance) {
    CWinApp* application = g_moduleState.application;
    if (application == nullptr) return true;
    application->m_hInstance = instance;
    return application->InitInstance();
}

void DetachProcess() {
    if (CWinApp* application = g_moduleState.application) application->ExitInstance();
}

}  // namespace platform

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    platform::g_moduleState.application = this;
}

CWinApp::~CWinApp() {
    if (platform::g_moduleState.application == this) platform::g_moduleState.application = nullptr;
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() { return 0; }
