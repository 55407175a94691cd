#include <cstdint>

#include "core/info_strings.h"
#include "core/module_app.h"
#include "interfaces/exports.h"
#include "platform/registry.h"

namespace {

using platform::registry::Key;

// Plug-ins of this family are registered side by side below this key, one key per device.
constexpr char kPluginsKey[] = "SOFTWARE\\Tessaform\\PB\\DTMs\\E15";

void SetString(const Key& key, const char* name, const CStrPP& text) {
    // The stored length counts the terminating zero.
    key.SetValue(name, platform::registry::kString, text.ptr(),
                 static_cast<std::size_t>(text.Length()) + 1);
}

void SetDWord(const Key& key, const char* name, std::uint32_t value) {
    key.SetValue(name, platform::registry::kDWord, &value, sizeof value);
}

}  // namespace

// Writes the device's key; a value that cannot be written is skipped. Always reports success.
extern "C" DD_PLUGIN_EXPORT std::int32_t DD_PLUGIN_CALL DllRegisterServer() {
    const Key root = Key::LocalMachine();
    const CStrPP path = kPluginsKey + CStrPP("\\") + g_strDeviceName;
    if (const Key device = root.Create(path.ptr()); device.IsOpen()) {
        SetString(device, "DLLPATH", g_strModulePath);
        SetString(device, "Description", g_strDeviceTypeName);
        SetString(device, "TechnicalDescription", g_strTechnicalDescription);
        SetDWord(device, "BottomBarStyle", 1);
        SetDWord(device, "WriteNotAvailableVariablesToDevice", 1);
    }
    return 0;
}

// Deletes the device's key only; the keys above it stay. Always reports success.
extern "C" DD_PLUGIN_EXPORT std::int32_t DD_PLUGIN_CALL DllUnregisterServer() {
    const Key root = Key::LocalMachine();
    const Key plugins = root.Open(kPluginsKey, platform::registry::Access::Write);
    plugins.DeleteSubKey(g_strDeviceName.ptr());
    return 0;
}
