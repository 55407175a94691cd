#include "platform/framework.h"

namespace platform {
namespace {

// The framework's state for this module. Constant-initialised, so it exists before any static
// object of the module is constructed and outlives all of them.
struct ModuleState {
    CWinApp* application = nullptr;
    bool startFailed = false;
};
constinit ModuleState g_moduleState;

}  // namespace

bool AttachProcess(ModuleInstance instance) {
    CWinApp* application = g_moduleState.application;
    if (application == nullptr) return true;
    application->m_hInstance = instance;
    // Nothing may leave a static initialiser or the system's load notice.
    bool started;
    try {
        started = application->InitInstance();
    } catch (...) {
        started = false;
    }
    g_moduleState.startFailed = !started;
    return started;
}

void DetachProcess() {
    if (CWinApp* application = g_moduleState.application) application->ExitInstance();
}

bool StartFailed() { return g_moduleState.startFailed; }

}  // namespace platform

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    platform::g_moduleState.application = this;
}

CWinApp::~CWinApp() {
    if (platform::g_moduleState.application == this) platform::g_moduleState.application = nullptr;
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() { return 0; }
