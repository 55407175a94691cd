#pragma once

#include <cstdint>
#include <vector>

#include "ddlib/strpp.h"
#include "platform/registry.h"

// What DllRegisterServer records and a host reads back. Plug-ins of this family register side
// by side below one key of the machine-wide hive (HKEY_LOCAL_MACHINE), one subkey per device,
// named after the device (the information object's device name).
inline constexpr char kPluginsRegistryKey[] = "SOFTWARE\\Tessaform\\PB\\DTMs\\E15";

// The names of a device's values.
inline constexpr char kModulePathValue[] = "DLLPATH";              // the module's path
inline constexpr char kDeviceTypeValue[] = "Description";          // the device type name
inline constexpr char kTechnicalValue[] = "TechnicalDescription";  // the technical description
inline constexpr char kBottomBarValue[] = "BottomBarStyle";        // 1
inline constexpr char kWriteNotAvailableValue[] = "WriteNotAvailableVariablesToDevice";  // 1

// The values of a device's key, in the order they are written, from what the information object
// reports: the module's path, the device type name and the technical description.
inline std::vector<platform::registry::NamedValue> DeviceKeyValues(const CStrPP& modulePath,
                                                                   const CStrPP& deviceType,
                                                                   const CStrPP& technical) {
    using platform::registry::Value;
    // The stored length of a text counts its terminating zero.
    const auto text = [](const CStrPP& value) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(value.ptr());
        return Value{platform::registry::kString, {bytes, bytes + value.Length() + 1}};
    };
    const Value one{platform::registry::kDWord, {1, 0, 0, 0}};
    return {{kModulePathValue, text(modulePath)},
            {kDeviceTypeValue, text(deviceType)},
            {kTechnicalValue, text(technical)},
            {kBottomBarValue, one},
            {kWriteNotAvailableValue, one}};
}

// The statuses of DllRegisterServer and DllUnregisterServer, with the numbers that installers
// know: success, the standard self-registration failure, and memory exhausted.
inline constexpr std::int32_t kSelfRegistrationDone = 0;
inline constexpr std::int32_t kSelfRegistrationFailed = static_cast<std::int32_t>(0x80040201);
inline constexpr std::int32_t kSelfRegistrationOutOfMemory = static_cast<std::int32_t>(0x8007000E);
