#pragma once

#include <array>
#include <cstddef>

#include "core/variable_record.h"

namespace device_params {

// Manufacturer identification codes, ascending: the company codes 1 to 113, then the reserved
// codes 250 to 253.
inline constexpr std::size_t kManufacturerIdCount = 117;
extern const std::array<Enumerator, kManufacturerIdCount> kManufacturerIds;

}  // namespace device_params
