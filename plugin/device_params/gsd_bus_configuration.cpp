#include "core/factory_macros.h"
#include "core/device_identity.h"

// The DP slave parameter set of the device, held as plug-in-local variables. Only the three
// channel-setup items compute an attribute: a slot may be re-assigned only while its
// protection value is 0.

namespace {

// Both value modules carry the same configuration identifier, two hex digits per octet.
constexpr const char kValueModuleConfig[] = "42840805";

constexpr const char kFlowRateBlock[] = "Flow Rate Block";
constexpr const char kTotalVolumeBlock[] = "Total Volume Block";
constexpr const char kTotalVolumeReset[] = "Total Volume Reset";

// Every slot offers its own module or the free place.
constexpr Enumerator kFreePlace{4, "Free Place", "00"};
constexpr std::int32_t kHighestModuleValue = 4;

constexpr Enumerator kSlot01Modules[] = {{1, kFlowRateBlock, kValueModuleConfig}, kFreePlace};
constexpr Enumerator kSlot02Modules[] = {{2, kTotalVolumeBlock, kValueModuleConfig}, kFreePlace};
constexpr Enumerator kSlot03Modules[] = {{3, kTotalVolumeReset, "20"}, kFreePlace};

// An unprotected slot (protection 0) is written, then read; a protected one is read only.
constexpr ConditionalHandling SlotProtection(DDObjectId protection) {
    return {protection, 0, true, Handling::WriteRead, Handling::Read};
}
constexpr ConditionalHandling kSlot01Protection =
    SlotProtection(item::_TSFGSD_ChannelProtectionSlot01);
constexpr ConditionalHandling kSlot02Protection =
    SlotProtection(item::_TSFGSD_ChannelProtectionSlot02);
constexpr ConditionalHandling kSlot03Protection =
    SlotProtection(item::_TSFGSD_ChannelProtectionSlot03);

}  // namespace

// Slave flags and type.
DD_VARIABLE_FACTORY(_TSFGSD_SIFlag, {.label = "SIFlag",
                                     .size = 1,
                                     .defaultValue = Int(128),
                                     .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_SlaveType, {.label = "SlaveType",
                                        .size = 1,
                                        .defaultValue = Int(0),
                                        .handling = Handling::None})

// Data lengths and modes.
DD_VARIABLE_FACTORY(_TSFGSD_Max_Diag_Data_Len, {.label = "Max_Diag_Data_Len",
                                                .size = 1,
                                                .defaultValue = Int(69),
                                                .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_Max_Alarm_Len, {.label = "Max_Alarm_Len",
                                            .size = 1,
                                            .defaultValue = Int(63),
                                            .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_Max_Channel_Data_Len, {.label = "Max_Channel_Data_Len",
                                                   .size = 1,
                                                   .defaultValue = Int(11),
                                                   .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_Diag_Upd_Delay, {.label = "Diag_Upd_Delay",
                                             .size = 1,
                                             .defaultValue = Int(0),
                                             .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_Alarm_Mode, {.label = "Alarm_Mode",
                                         .size = 1,
                                         .defaultValue = Int(0),
                                         .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_Add_SI_Flag, {.label = "Add_SI_Flag",
                                          .size = 1,
                                          .defaultValue = Int(0),
                                          .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_1_6_OctetReserverd, {.label = "1_6_OctetReserverd",
                                                 .size = 8,
                                                 .defaultValue = Text("00000000"),
                                                 .handling = Handling::None})

// Parameterisation data: its length in octets, then the fields it counts.
DD_VARIABLE_FACTORY(_TSFGSD_Prm_Data_Len, {.label = "Prm_Data_Len",
                                           .size = 2,
                                           .defaultValue = Int(10),
                                           .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_ParamFlags, {.label = "ParamFlags",
                                         .size = 1,
                                         .defaultValue = Int(16),
                                         .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_WatchDog1, {.label = "WatchDog1",
                                        .size = 1,
                                        .defaultValue = Int(1),
                                        .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_WatchDog2, {.label = "WatchDog2",
                                        .size = 1,
                                        .defaultValue = Int(1),
                                        .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_minTsdr, {.label = "minTsdr",
                                      .size = 1,
                                      .defaultValue = Int(11),
                                      .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_identNumber, {.label = "identNumber",
                                          .size = 2,
                                          .defaultValue = Int(device_identity::kIdentNumber),
                                          .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_groupIdent, {.label = "groupIdent",
                                         .size = 1,
                                         .defaultValue = Int(0),
                                         .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_userPrm, {.label = "userPrm",
                                      .size = 6,
                                      .defaultValue = Text("000000"),
                                      .handling = Handling::None})

// Modular station.
DD_VARIABLE_FACTORY(_TSFGSD_Modular_Station, {.label = "Modular_Station",
                                              .size = 1,
                                              .defaultValue = Int(1),
                                              .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_MaxModule, {.label = "MaxModule",
                                        .size = 1,
                                        .defaultValue = Int(3),
                                        .handling = Handling::None})

// Open tables, empty by default.
DD_VARIABLE_FACTORY(_TSFGSD_AddTab, {.label = "AddTab",
                                     .size = 256,
                                     .defaultValue = Text(""),
                                     .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_SlaveUserData, {.label = "SlaveUserData",
                                            .size = 256,
                                            .defaultValue = Text(""),
                                            .handling = Handling::None})

// Channel slots: the module each slot holds, and its protection.
DD_VARIABLE_FACTORY(_TSFGSD_ChannelSetup01, {.label = kFlowRateBlock,
                                             .size = 1,
                                             .defaultValue = Int(kSlot01Modules[0].value),
                                             .defaultPlace = DefaultPlace::AfterEnumerators,
                                             .maxEnumIndex = kHighestModuleValue,
                                             .enumerators = kSlot01Modules,
                                             .conditionalHandling = &kSlot01Protection})
DD_VARIABLE_FACTORY(_TSFGSD_ChannelProtectionSlot01, {.label = "Protection 01",
                                                      .size = 1,
                                                      .defaultValue = Int(0),
                                                      .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_ChannelSetup02, {.label = kTotalVolumeBlock,
                                             .size = 1,
                                             .defaultValue = Int(kSlot02Modules[0].value),
                                             .defaultPlace = DefaultPlace::AfterEnumerators,
                                             .maxEnumIndex = kHighestModuleValue,
                                             .enumerators = kSlot02Modules,
                                             .conditionalHandling = &kSlot02Protection})
DD_VARIABLE_FACTORY(_TSFGSD_ChannelProtectionSlot02, {.label = "Protection 02",
                                                      .size = 1,
                                                      .defaultValue = Int(0),
                                                      .handling = Handling::None})
DD_VARIABLE_FACTORY(_TSFGSD_ChannelSetup03, {.label = kTotalVolumeReset,
                                             .size = 1,
                                             .defaultValue = Int(kSlot03Modules[0].value),
                                             .defaultPlace = DefaultPlace::AfterEnumerators,
                                             .maxEnumIndex = kHighestModuleValue,
                                             .enumerators = kSlot03Modules,
                                             .conditionalHandling = &kSlot03Protection})
DD_VARIABLE_FACTORY(_TSFGSD_ChannelProtectionSlot03, {.label = "Protection 03",
                                                      .size = 1,
                                                      .defaultValue = Int(0),
                                                      .handling = Handling::None})
