#include <cstdint>
#include <new>
#include <vector>

#include "core/host_boundary.h"
#include "core/info_strings.h"
#include "core/module_app.h"
#include "interfaces/exports.h"
#include "interfaces/self_registration.h"
#include "platform/registry.h"

namespace {

using platform::registry::Key;

std::int32_t Status(bool done) { return done ? kSelfRegistrationDone : kSelfRegistrationFailed; }

// A module that failed to start has no path to register and touches nothing; it hands on why it
// did not start.
std::int32_t FailedStart() {
    if (platform::LastStartFailure() == platform::StartFailure::OutOfMemory)
        platform::registry::FailForLackOfMemory();
    else
        platform::registry::FailForFailedStart();
    return kSelfRegistrationFailed;
}

// Installers call these functions across the module's boundary; exhausted memory has a status
// of its own, and anything else thrown is the standard failure. A failure leaves its reason
// where the platform leaves a call's last error.
template <typename Work>
std::int32_t Guarded(Work work) noexcept {
    platform::registry::ForgetFailure();
    const std::int32_t status =
        platform::StartFailed() ? FailedStart() : AnswerOr(kSelfRegistrationFailed, [&] {
            try {
                return work();
            } catch (const std::bad_alloc&) {
                platform::registry::FailForLackOfMemory();
                return kSelfRegistrationOutOfMemory;
            }
        });
    if (status != kSelfRegistrationDone) platform::registry::PassOnFailure();
    return status;
}

}  // namespace

// Writes the device's key with its five values, or nothing. Everything the values need is made
// before the key, so that on Windows, where each value reaches the registry when set, running
// out of memory cannot cut the key short either.
extern "C" DD_PLUGIN_EXPORT std::int32_t DD_PLUGIN_CALL DllRegisterServer() {
    return Guarded([] {
        const Key root = Key::LocalMachine();
        if (!root.IsOpen()) return kSelfRegistrationFailed;
        const CStrPP path = kPluginsRegistryKey + CStrPP("\\") + g_strDeviceName;
        const std::vector<platform::registry::NamedValue> values =
            DeviceKeyValues(g_strModulePath, g_strDeviceTypeName, g_strTechnicalDescription);
        Key device = root.Create(path.ptr());
        if (!device.IsOpen()) return kSelfRegistrationFailed;
        for (const auto& [name, value] : values) {
            if (!device.SetValue(name, value.type, value.data.data(), value.data.size())) {
                // With what was set before it, and without an exception, which on Windows may
                // change the reason kept.
                device.Abandon();
                return kSelfRegistrationFailed;
            }
        }
        return Status(device.Close());
    });
}

// Deletes the device's key only; the keys above it stay. A key that is not there is no failure.
extern "C" DD_PLUGIN_EXPORT std::int32_t DD_PLUGIN_CALL DllUnregisterServer() {
    return Guarded([] {
        const Key root = Key::LocalMachine();
        if (!root.IsOpen()) return kSelfRegistrationFailed;
        Key plugins = root.Open(kPluginsRegistryKey, platform::registry::Access::Write);
        if (!plugins.IsOpen()) return Status(plugins.IsMissing());
        const bool deleted =
            plugins.DeleteSubKey(g_strDeviceName) != platform::registry::Outcome::Failed;
        const bool closed = plugins.Close();
        return Status(closed && deleted);
    });
}
