// The block object of function block 1 (analog input) and the standard parameters that open its
// parameter list.

#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"

using namespace block_family;

namespace {

constexpr std::array<Enumerator, 1> kInputParentClass = {
    {{1, "Input  |de|Eingang  |fr|Entrée  |it|Ingresso  |es|Entrada"}}};
constexpr std::array<Enumerator, 1> kAnalogInputClass = {
    {{1,
      "Analog Input  |de|Analogeingang  |fr|Entrée analogique  |it|Ingresso analogico  "
      "|es|Entrada analógica"}}};

// The analog input's target mode tells how to get from AUTO to MAN; the German part of that
// help follows without blanks.
constexpr VariableRecord TargetModeWithHelp(VariableRecord record, const char* help) {
    record.help = help;
    return record;
}

}  // namespace

DD_BLOCK_FACTORY(function_block_1, DD_BLOCK_FUNCTION, 1)

DD_VARIABLE_FACTORY(func1_blk_reserve, kBlkReserve)
DD_VARIABLE_FACTORY(func1_blk_object, kFunctionBlkObject)
DD_VARIABLE_FACTORY(func1_blk_parent_class, {.label = kBlkParentClassLabel,
                                             .help = kFunctionBlockParentClassHelp,
                                             .size = 1,
                                             .maxEnumIndex = 1,
                                             .enumerators = kInputParentClass})
DD_VARIABLE_FACTORY(func1_blk_class, {.label = kBlkClassLabel,
                                      .help = kFunctionBlockClassHelp,
                                      .size = 1,
                                      .maxEnumIndex = 1,
                                      .enumerators = kAnalogInputClass})
DD_VARIABLE_FACTORY(func1_blk_dd_reference, kBlkDdReference)
DD_VARIABLE_FACTORY(func1_blk_dd_rev, kBlkDdRev)
DD_VARIABLE_FACTORY(func1_blk_profile, kBlkProfile)
DD_VARIABLE_FACTORY(func1_blk_profile_rev, kBlkProfileRev)
DD_VARIABLE_FACTORY(func1_blk_execution_time, kBlkExecutionTime)
DD_VARIABLE_FACTORY(func1_blk_highest_rel_offset, kBlkHighestRelOffset)
DD_VARIABLE_FACTORY(func1_blk_index_view_1, kBlkIndexView1)
DD_VARIABLE_FACTORY(func1_blk_num_view_lists, kBlkNumViewLists)
DD_VARIABLE_FACTORY(func1_st_rev, kStRev)
DD_VARIABLE_FACTORY(func1_tag_desc, kFunctionTagDesc)
DD_VARIABLE_FACTORY(func1_strategy, kStrategy)
DD_VARIABLE_FACTORY(func1_alert_key, kAlertKey)
DD_VARIABLE_FACTORY(
    func1_target_mode,
    TargetModeWithHelp(kFunctionTargetMode,
                       "Defines the target mode of the block. To switch from mode 'AUTO' to mode "
                       "'MAN', go through mode 'Out of Service (O/S)'."
                       "|de|Legt den Zielmodus des Blocks fest. Um vom Modus 'AUTO' in den Modus "
                       "'MAN' zu wechseln, über den Modus 'Außer Betrieb (O/S)' gehen."))
DD_VARIABLE_FACTORY(func1_actual_mode, kFunctionActualMode)
DD_VARIABLE_FACTORY(func1_permitted_mode, kFunctionPermittedMode)
DD_VARIABLE_FACTORY(func1_normal_mode, kFunctionNormalMode)
DD_VARIABLE_FACTORY(func1_current_state_alarm_sum, kFunctionCurrentStateAlarmSum)
DD_VARIABLE_FACTORY(func1_unacknowledged_state_alarm_sum, kFunctionUnacknowledgedStateAlarmSum)
DD_VARIABLE_FACTORY(func1_unreported_state_alarm_sum, kFunctionUnreportedStateAlarmSum)
DD_VARIABLE_FACTORY(func1_disabled_state_alarm_sum, kFunctionDisabledStateAlarmSum)
