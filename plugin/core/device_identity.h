#pragma once

#include <cstdint>

// What identifies the device on the bus. The bus configuration, the identity check items and
// the information object all state these values, so they are kept here once.
namespace device_identity {

// PROFIBUS ident number of the device (0x1510).
inline constexpr std::int32_t kIdentNumber = 5392;

// Manufacturer id that the device reports.
inline constexpr std::int32_t kManufacturerId = 17;

// The plug-in's device name.
inline constexpr const char kDeviceName[] = "Kelvane / 40 / PA / V1.00.00...V1.00.01";

}  // namespace device_identity
