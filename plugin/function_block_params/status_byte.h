#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/variable_record.h"

// The status byte that goes with a block's value: one enumerator per defined byte, in ascending
// order. Every status variable of the device offers this one list.
namespace status_byte {

inline constexpr std::size_t kCount = 100;
extern const std::array<Enumerator, kCount> kEnumeration;

// The highest value of the list, which is what the type's maximum enumeration index receives.
inline constexpr std::int32_t kHighestValue = 0xA3;

}  // namespace status_byte
