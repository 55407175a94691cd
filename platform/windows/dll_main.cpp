#include <windows.h>

#include "platform/framework.h"

namespace platform {

ProcessAttachment::ProcessAttachment() = default;

ProcessAttachment::~ProcessAttachment() = default;

}  // namespace platform

// The runtime has constructed the module's static objects before it calls this, and destroys
// them after the detach notice.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            return platform::AttachProcess(instance) ? TRUE : FALSE;
        case DLL_PROCESS_DETACH:
            platform::DetachProcess();
            return TRUE;
        default:
            return TRUE;
    }
}
