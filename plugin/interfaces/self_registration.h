#pragma once

#include <cstdint>

// What DllRegisterServer records and a host reads back. Plug-ins of this family register side
// by side below one key of the machine-wide hive (HKEY_LOCAL_MACHINE), one subkey per device,
// named after the device (the information object's device name).
inline constexpr char kPluginsRegistryKey[] = "SOFTWARE\\Tessaform\\PB\\DTMs\\E15";

// The values of a device's key, in the order they are written.
inline constexpr char kModulePathValue[] = "DLLPATH";              // the module's path
inline constexpr char kDeviceTypeValue[] = "Description";          // the device type name
inline constexpr char kTechnicalValue[] = "TechnicalDescription";  // the technical description
inline constexpr char kBottomBarValue[] = "BottomBarStyle";        // 1
inline constexpr char kWriteNotAvailableValue[] = "WriteNotAvailableVariablesToDevice";  // 1

// The statuses of DllRegisterServer and DllUnregisterServer, with the numbers that installers
// know: success, the standard self-registration failure, and memory exhausted.
inline constexpr std::int32_t kSelfRegistrationDone = 0;
inline constexpr std::int32_t kSelfRegistrationFailed = static_cast<std::int32_t>(0x80040201);
inline constexpr std::int32_t kSelfRegistrationOutOfMemory = static_cast<std::int32_t>(0x8007000E);
