#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"
#include "core/device_identity.h"

// What the connected device reports about its identity (read items, filled by the identity
// read commands) beside what this plug-in expects of it (expected items, held as a default or
// as enumerators). None of them has a label text.

namespace {

// The expected device id and software revisions fill the device's whole 16-character field.
constexpr Enumerator kExpectedDeviceIds[] = {{0, "KELVANE 40      "}};
constexpr Enumerator kExpectedSoftwareRevisions[] = {{0, "KV40 PA V1.00.00"},
                                                     {1, "KV40 PA V1.00.01"}};
constexpr Enumerator kExpectedIdentNumbers[] = {
    {device_identity::kIdentNumber, device_identity::kDeviceName}};

}  // namespace

// Manufacturer id.
DD_VARIABLE_FACTORY(__TSF__phys_device_man_id, {.size = 2, .handling = Handling::Read})
DD_VARIABLE_FACTORY(__TSF__device_man_id, {.size = 2,
                                           .defaultValue = Int(device_identity::kManufacturerId),
                                           .handling = Handling::None})

// Device id.
DD_VARIABLE_FACTORY(__TSF__phys_device_id, {.size = 16, .handling = Handling::Read})
DD_VARIABLE_FACTORY(__TSF__DD_device_id, {.size = 1,
                                          .maxEnumIndex = 0,
                                          .enumerators = kExpectedDeviceIds,
                                          .handling = Handling::None})

// Software revision.
DD_VARIABLE_FACTORY(__TSF__phys_software_rev, {.size = 16, .handling = Handling::Read})
DD_VARIABLE_FACTORY(__TSF__software_rev, {.size = 1,
                                          .maxEnumIndex = 1,
                                          .enumerators = kExpectedSoftwareRevisions,
                                          .handling = Handling::None})

// The other fields of the physical block's header, read around the profile revision.
DD_VARIABLE_FACTORY(__TSF__dummy__8bit, {.size = 1, .handling = Handling::None})
DD_VARIABLE_FACTORY(__TSF__dummy__16bit, {.size = 2, .handling = Handling::None})
DD_VARIABLE_FACTORY(__TSF__dummy__32bit, {.size = 4, .handling = Handling::None})

// Profile revision: the device is expected to follow the one its blocks state.
DD_VARIABLE_FACTORY(__TSF__phys_profile_rev, {.size = 2, .handling = Handling::Read})
DD_VARIABLE_FACTORY(__TSF__profile_rev, {.size = 2,
                                         .maxEnumIndex = block_family::kProfileRevisions[0].value,
                                         .enumerators = block_family::kProfileRevisions,
                                         .handling = Handling::None})

// Ident number.
DD_VARIABLE_FACTORY(__TSF__ident_number, {.size = 2,
                                          .maxEnumIndex = device_identity::kIdentNumber,
                                          .enumerators = kExpectedIdentNumbers,
                                          .handling = Handling::None})
