// Mode and alarm summaries of function block 2, the totalizer: the function blocks' own members
// of the standard family.

#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"

using namespace block_family;

DD_VARIABLE_FACTORY(func2_target_mode, kFunctionTargetMode)
DD_VARIABLE_FACTORY(func2_actual_mode, kFunctionActualMode)
DD_VARIABLE_FACTORY(func2_permitted_mode, kFunctionPermittedMode)
DD_VARIABLE_FACTORY(func2_normal_mode, kFunctionNormalMode)
DD_VARIABLE_FACTORY(func2_current_state_alarm_sum, kFunctionCurrentStateAlarmSum)
DD_VARIABLE_FACTORY(func2_unacknowledged_state_alarm_sum, kFunctionUnacknowledgedStateAlarmSum)
DD_VARIABLE_FACTORY(func2_unreported_state_alarm_sum, kFunctionUnreportedStateAlarmSum)
DD_VARIABLE_FACTORY(func2_disabled_state_alarm_sum, kFunctionDisabledStateAlarmSum)
