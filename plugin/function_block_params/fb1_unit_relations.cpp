#include "core/factory_macros.h"

// Function block 1's two units: the output unit governs the output value, its range, the
// alarm hysteresis, the limits and the alarm values; the input unit governs the input range
// and the simulation value.

DD_UNIT_FACTORY(AI_1_OUT_SCALE_UNIT, item::func1_out_unit, item::func1_out_value,
                item::func1_out_upper_range_value, item::func1_out_lower_range_value,
                item::func1_alarm_hys, item::func1_hi_hi_lim, item::func1_hi_lim,
                item::func1_lo_lim, item::func1_lo_lo_lim, item::func1_hi_hi_alm_value,
                item::func1_hi_alm_value, item::func1_lo_alm_value, item::func1_lo_lo_alm_value)

DD_UNIT_FACTORY(FUNC1_PV_SCALE_UNIT, item::func1_pv_unit, item::func1_pv_upper_range_value,
                item::func1_pv_lower_range_value, item::func1_simulate_value)
