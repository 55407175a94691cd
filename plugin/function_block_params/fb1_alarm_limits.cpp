#include "core/factory_macros.h"
#include "function_block_params/limit_records.h"

// The four limits on function block 1's output value. They are shown with the output's
// decimals, leave the handling as the host has it, and have their order checked after an edit.

using namespace function_block;

namespace {

constexpr DDObjectId kCheckLimits[] = {item::meth_check_lokal_limits};

}  // namespace

DD_VARIABLE_FACTORY(func1_hi_hi_lim,
                    OutputLimit(kHiHiLimitLabel, kHiHiLimitHelp, kUpperLimitDefault, kCheckLimits))
DD_VARIABLE_FACTORY(func1_hi_lim,
                    OutputLimit(kHiLimitLabel, kHiLimitHelp, kUpperLimitDefault, kCheckLimits))
DD_VARIABLE_FACTORY(func1_lo_lim,
                    OutputLimit(kLoLimitLabel, kLoLimitHelp, kLowerLimitDefault, kCheckLimits))
DD_VARIABLE_FACTORY(func1_lo_lo_lim,
                    OutputLimit(kLoLoLimitLabel, kLoLoLimitHelp, kLowerLimitDefault, kCheckLimits))
