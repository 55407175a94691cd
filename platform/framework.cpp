#include "platform/framework.h"

#include <new>

namespace platform {
namespace {

// The framework's state for this module. Constant-initialised, so it exists before any static
// object of the module is constructed and outlives all of them.
struct ModuleState {
    CWinApp* application = nullptr;
    // Kept without allocating, as the start may have failed for want of memory.
    StartFailure startFailure = StartFailure::None;
};
constinit ModuleState g_moduleState;

}  // namespace

bool AttachProcess(ModuleInstance instance) {
    CWinApp* application = g_moduleState.application;
    if (application == nullptr) return true;
    application->m_hInstance = instance;
    // Nothing may leave a static initialiser or the system's load notice.
    StartFailure failure;
    try {
        failure = application->InitInstance() ? StartFailure::None : StartFailure::Other;
    } catch (const std::bad_alloc&) {
        failure = StartFailure::OutOfMemory;
    } catch (...) {
        failure = StartFailure::Other;
    }
    g_moduleState.startFailure = failure;
    return failure == StartFailure::None;
}

void DetachProcess() {
    if (CWinApp* application = g_moduleState.application) application->ExitInstance();
}

StartFailure LastStartFailure() { return g_moduleState.startFailure; }

bool StartFailed() { return LastStartFailure() != StartFailure::None; }

}  // namespace platform

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    platform::g_moduleState.application = this;
}

CWinApp::~CWinApp() {
    if (platform::g_moduleState.application == this) platform::g_moduleState.application = nullptr;
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() { return 0; }
