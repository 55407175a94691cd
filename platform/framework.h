#pragma once

#include "platform/module.h"

// The application framework's shell: the one application object of a module, started when the
// module is loaded and ended when it is unloaded.
class CWinApp {
  public:
    // A null name stands for the framework's default.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs once when the module is loaded; false makes the load fail where the system allows.
    virtual bool InitInstance();
    // Runs once when the module is unloaded.
    virtual int ExitInstance();

    // Set by the framework before InitInstance runs.
    platform::ModuleInstance m_hInstance = nullptr;
    const char* m_pszAppName;
};

namespace platform {

// What the system does when it loads and unloads the module: hand the module's instance to
// its application object and start it, later end it. A start that fails or throws answers
// false, which on Windows fails the load.
bool AttachProcess(ModuleInstance instance);
void DetachProcess();

// How the last start failed: not at all, for want of memory (std::bad_alloc), or otherwise.
enum class StartFailure { None, OutOfMemory, Other };
StartFailure LastStartFailure();

// Whether the last start failed. Where the system cannot fail the load, the module's exports
// then answer their failure values.
bool StartFailed();

// Stands for the system's load and unload notice where there is none: defined after the
// application object in the same translation unit, it is constructed after it and destroyed
// before it. On Windows the module's entry point receives the notices, and this does nothing.
class ProcessAttachment {
  public:
    ProcessAttachment();
    ~ProcessAttachment();
    ProcessAttachment(const ProcessAttachment&) = delete;
    ProcessAttachment& operator=(const ProcessAttachment&) = delete;
};

}  // namespace platform
