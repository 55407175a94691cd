// The block objects of the physical and the transducer block and the standard parameters that
// open their parameter lists.

#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"

using namespace block_family;

namespace {

constexpr std::array<Enumerator, 1> kCoriolisFlowClass = {
    {{3,
      "Coriolis Flow  |de|Coriolis-Durchfluss  |fr|Débit Coriolis  |it|Portata Coriolis  "
      "|es|Caudal Coriolis"}}};
constexpr auto kFlowTransducerClasses = JoinEnumerators(kCoriolisFlowClass, kReservedCodes);

// Both blocks run in AUTO only.
constexpr VariableRecord kAutoTargetMode = {.label = kTargetModeLabel,
                                            .help = kTargetModeHelp,
                                            .size = 1,
                                            .maxEnumIndex = 8,
                                            .enumerators = kAutoMode,
                                            .handling = Handling::ReadWrite};
constexpr VariableRecord kAutoPermittedMode = {.label = kPermittedModeLabel,
                                               .help = kPermittedModeHelp,
                                               .size = 1,
                                               .maxEnumIndex = 8,
                                               .bitEnumerators = kAutoModeBit};
constexpr VariableRecord kAutoNormalMode = {.label = kNormalModeLabel,
                                            .help = kNormalModeHelp,
                                            .size = 1,
                                            .maxEnumIndex = 8,
                                            .enumerators = kAutoMode};

// The four alarm summaries differ only in their texts.
constexpr VariableRecord kCurrentStateAlarmSum =
    AlarmSummary(kCurrentStateAlarmSumLabel, kCurrentStateAlarmSumHelp, kAlarmSummaryBits);
constexpr VariableRecord kUnacknowledgedStateAlarmSum = AlarmSummary(
    kUnacknowledgedStateAlarmSumLabel, kUnacknowledgedStateAlarmSumHelp, kAlarmSummaryBits);
constexpr VariableRecord kUnreportedStateAlarmSum =
    AlarmSummary(kUnreportedStateAlarmSumLabel, kUnreportedStateAlarmSumHelp, kAlarmSummaryBits);
constexpr VariableRecord kDisabledStateAlarmSum =
    AlarmSummary(kDisabledStateAlarmSumLabel, kDisabledStateAlarmSumHelp, kAlarmSummaryBits);

}  // namespace

DD_BLOCK_FACTORY(physical_block, DD_BLOCK_PHYSICAL, 1)

DD_VARIABLE_FACTORY(phys_blk_reserve, kBlkReserve)
DD_VARIABLE_FACTORY(phys_blk_object, {.label = kBlkObjectLabel,
                                      .help = kBlkObjectHelp,
                                      .size = 1,
                                      .maxEnumIndex = 1,
                                      .enumerators = kPhysicalBlockObject})
DD_VARIABLE_FACTORY(
    phys_blk_parent_class,
    {.label = kBlkParentClassLabel,
     .help = "Parent Class: Defines the physical block parent class (Transmitter,   "
             "Actuator, Controller etc.)."
             "  |de|Hauptklasse: Legt die Hauptklasse des Physical Block fest "
             "(Messumformer, Stellglied, Regler usw.)."
             "  |fr|Catégorie principale : définit la catégorie principale du bloc "
             "physique (transmetteur, actionneur, régulateur, etc.)."
             "  |it|Classe principale: definisce la classe principale del blocco "
             "fisico (trasmettitore, attuatore, regolatore ecc.)."
             "  |es|Clase principal: define la clase principal del bloque físico "
             "(transmisor, actuador, controlador, etc.).",
     .size = 1,
     .maxEnumIndex = 1,
     .enumerators = kTransmitterParentClass})
DD_VARIABLE_FACTORY(phys_blk_class,
                    {.label = kBlkClassLabel,
                     .help = "Class: Defines the physical block class (Device type)."
                             "  |de|Klasse: Legt die Klasse des Physical Block fest (Gerätetyp)."
                             "  |fr|Catégorie : définit la catégorie du bloc physique (type "
                             "d'appareil)."
                             "  |it|Classe: definisce la classe del blocco fisico (tipo di "
                             "apparecchio)."
                             "  |es|Clase: define la clase del bloque físico (tipo de aparato).",
                     .size = 1,
                     .maxEnumIndex = 250,
                     .enumerators = kNotUsedOnly})
DD_VARIABLE_FACTORY(phys_blk_dd_reference, kBlkDdReference)
DD_VARIABLE_FACTORY(phys_blk_dd_rev, kBlkDdRev)
DD_VARIABLE_FACTORY(phys_blk_profile, kBlkProfile)
DD_VARIABLE_FACTORY(phys_blk_profile_rev, kBlkProfileRev)
DD_VARIABLE_FACTORY(phys_blk_execution_time, kBlkExecutionTime)
DD_VARIABLE_FACTORY(phys_blk_highest_rel_offset, kBlkHighestRelOffset)
DD_VARIABLE_FACTORY(phys_blk_index_view_1, kBlkIndexView1)
DD_VARIABLE_FACTORY(phys_blk_num_view_lists, kBlkNumViewLists)
DD_VARIABLE_FACTORY(phys_st_rev, kStRev)
DD_VARIABLE_FACTORY(phys_strategy, kStrategy)
DD_VARIABLE_FACTORY(phys_alert_key, kAlertKey)
DD_VARIABLE_FACTORY(phys_target_mode, kAutoTargetMode)
DD_VARIABLE_FACTORY(phys_actual_mode, {.label = kActualModeLabel,
                                       .help = kActualModeHelp,
                                       .size = 1,
                                       .maxEnumIndex = 8,
                                       .enumerators = kAutoMode})
DD_VARIABLE_FACTORY(phys_permitted_mode, kAutoPermittedMode)
DD_VARIABLE_FACTORY(phys_normal_mode, kAutoNormalMode)
DD_VARIABLE_FACTORY(phys_current_state_alarm_sum, kCurrentStateAlarmSum)
DD_VARIABLE_FACTORY(phys_unacknowledged_state_alarm_sum, kUnacknowledgedStateAlarmSum)
DD_VARIABLE_FACTORY(phys_unreported_state_alarm_sum, kUnreportedStateAlarmSum)
DD_VARIABLE_FACTORY(phys_disabled_state_alarm_sum, kDisabledStateAlarmSum)

DD_BLOCK_FACTORY(transducer_block_1, DD_BLOCK_TRANSDUCER, 1)

DD_VARIABLE_FACTORY(trans1_blk_reserve, kBlkReserve)
DD_VARIABLE_FACTORY(trans1_blk_object, {.label = kBlkObjectLabel,
                                        .help = kBlkObjectHelp,
                                        .size = 1,
                                        .maxEnumIndex = 3,
                                        .enumerators = kTransducerBlockObject})
DD_VARIABLE_FACTORY(trans1_blk_parent_class,
                    {.label = kBlkParentClassLabel,
                     .help = "Parent Class: Defines the transducer block parent class (Pressure,   "
                             "Temperature, Flow etc.)."
                             "  |de|Hauptklasse: Legt die Hauptklasse des Transducer Block fest "
                             "(Druck, Temperatur, Durchfluss usw.)."
                             "  |fr|Catégorie principale : définit la catégorie principale du bloc "
                             "transducteur (pression, température, débit, etc.)."
                             "  |it|Classe principale: definisce la classe principale del blocco "
                             "trasduttore (pressione, temperatura, portata ecc.)."
                             "  |es|Clase principal: define la clase principal del bloque "
                             "transductor (presión, temperatura, caudal, etc.).",
                     .size = 1,
                     .maxEnumIndex = 3,
                     .enumerators = kFlowParentClass})
DD_VARIABLE_FACTORY(trans1_blk_class,
                    {.label = kBlkClassLabel,
                     .help = "Class: Defines the transducer block class (Differential, Absolute, "
                             "Gage)."
                             "  |de|Klasse: Legt die Klasse des Transducer Block fest (Differenz, "
                             "Absolut, Relativ)."
                             "  |fr|Catégorie : définit la catégorie du bloc transducteur "
                             "(différentiel, absolu, relatif)."
                             "  |it|Classe: definisce la classe del blocco trasduttore "
                             "(differenziale, assoluto, relativo)."
                             "  |es|Clase: define la clase del bloque transductor (diferencial, "
                             "absoluto, relativo).",
                     .size = 1,
                     .maxEnumIndex = 253,
                     .enumerators = kFlowTransducerClasses})
DD_VARIABLE_FACTORY(trans1_blk_dd_reference, kBlkDdReference)
DD_VARIABLE_FACTORY(trans1_blk_dd_rev, kBlkDdRev)
DD_VARIABLE_FACTORY(trans1_blk_profile, kBlkProfile)
DD_VARIABLE_FACTORY(trans1_blk_profile_rev, kBlkProfileRev)
DD_VARIABLE_FACTORY(trans1_blk_execution_time, kBlkExecutionTime)
DD_VARIABLE_FACTORY(trans1_blk_highest_rel_offset, kBlkHighestRelOffset)
DD_VARIABLE_FACTORY(trans1_blk_index_view_1, kBlkIndexView1)
DD_VARIABLE_FACTORY(trans1_blk_num_view_lists, kBlkNumViewLists)
DD_VARIABLE_FACTORY(trans1_st_rev, kStRev)
DD_VARIABLE_FACTORY(trans1_tag_desc, kTagDesc)
// The transducer block's strategy, alert key and target mode are written through their own
// write commands and make no handling call.
DD_VARIABLE_FACTORY(trans1_strategy, WithoutHandling(kStrategy))
DD_VARIABLE_FACTORY(trans1_alert_key, WithoutHandling(kAlertKey))
DD_VARIABLE_FACTORY(trans1_target_mode, WithoutHandling(kAutoTargetMode))
DD_VARIABLE_FACTORY(trans1_actual_mode, {.label = kActualModeLabel,
                                         .help = kActualModeHelp,
                                         .size = 1,
                                         .maxEnumIndex = 8,
                                         .bitEnumerators = kAutoModeBit})
DD_VARIABLE_FACTORY(trans1_permitted_mode, kAutoPermittedMode)
DD_VARIABLE_FACTORY(trans1_normal_mode, kAutoNormalMode)
DD_VARIABLE_FACTORY(trans1_current_state_alarm_sum, kCurrentStateAlarmSum)
DD_VARIABLE_FACTORY(trans1_unacknowledged_state_alarm_sum, kUnacknowledgedStateAlarmSum)
DD_VARIABLE_FACTORY(trans1_unreported_state_alarm_sum, kUnreportedStateAlarmSum)
DD_VARIABLE_FACTORY(trans1_disabled_state_alarm_sum, kDisabledStateAlarmSum)
