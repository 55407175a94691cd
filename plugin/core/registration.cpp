#include <algorithm>
#include <cstdint>
#include <new>

#include "core/host_boundary.h"
#include "core/info_strings.h"
#include "core/module_app.h"
#include "interfaces/exports.h"
#include "interfaces/self_registration.h"
#include "platform/registry.h"

namespace {

using platform::registry::Key;

bool SetString(const Key& key, const char* name, const CStrPP& text) {
    // The stored length counts the terminating zero.
    return key.SetValue(name, platform::registry::kString, text.ptr(),
                        static_cast<std::size_t>(text.Length()) + 1);
}

bool SetDWord(const Key& key, const char* name, std::uint32_t value) {
    return key.SetValue(name, platform::registry::kDWord, &value, sizeof value);
}

std::int32_t Status(bool done) { return done ? kSelfRegistrationDone : kSelfRegistrationFailed; }

// Installers call these functions across the module's boundary; exhausted memory has a status
// of its own.
template <typename Work>
std::int32_t Guarded(Work work) noexcept {
    return AnswerOr(kSelfRegistrationFailed, [&] {
        try {
            return work();
        } catch (const std::bad_alloc&) {
            return kSelfRegistrationOutOfMemory;
        }
    });
}

}  // namespace

// Writes the device's key with every value that can be written; fails when the key cannot be
// created or a value cannot be written.
extern "C" DD_PLUGIN_EXPORT std::int32_t DD_PLUGIN_CALL DllRegisterServer() {
    return Guarded([] {
        const Key root = Key::LocalMachine();
        if (!root.IsOpen()) return kSelfRegistrationFailed;
        const CStrPP path = kPluginsRegistryKey + CStrPP("\\") + g_strDeviceName;
        Key device = root.Create(path.ptr());
        if (!device.IsOpen()) return kSelfRegistrationFailed;
        const bool written[] = {
            SetString(device, kModulePathValue, g_strModulePath),
            SetString(device, kDeviceTypeValue, g_strDeviceTypeName),
            SetString(device, kTechnicalValue, g_strTechnicalDescription),
            SetDWord(device, kBottomBarValue, 1),
            SetDWord(device, kWriteNotAvailableValue, 1),
        };
        const bool closed = device.Close();
        return Status(closed && std::all_of(std::begin(written), std::end(written),
                                            [](bool done) { return done; }));
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
            plugins.DeleteSubKey(g_strDeviceName.ptr()) != platform::registry::Outcome::Failed;
        const bool closed = plugins.Close();
        return Status(closed && deleted);
    });
}
