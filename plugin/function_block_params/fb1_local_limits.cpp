#include "core/factory_macros.h"
#include "function_block_params/limit_records.h"

// The plug-in's own copies of function block 1's four limits: the values the user edits before
// they are written to the device. No command carries them, so they make no handling call; they
// show the output's decimals and have their order checked after every edit.

using namespace function_block;

namespace {

constexpr DDObjectId kCheckLocalLimits[] = {item::meth_check_lokal_limits_local};

}  // namespace

DD_VARIABLE_FACTORY(func1_lo_lim_local,
                    OutputLimit(kLoLimitLabel, kLoLimitHelp, kLowerLimitDefault, kCheckLocalLimits))
DD_VARIABLE_FACTORY(func1_lo_lo_lim_local, OutputLimit(kLoLoLimitLabel, kLoLoLimitHelp,
                                                       kLowerLimitDefault, kCheckLocalLimits))
DD_VARIABLE_FACTORY(func1_hi_lim_local,
                    OutputLimit(kHiLimitLabel, kHiLimitHelp, kUpperLimitDefault, kCheckLocalLimits))
DD_VARIABLE_FACTORY(func1_hi_hi_lim_local, OutputLimit(kHiHiLimitLabel, kHiHiLimitHelp,
                                                       kUpperLimitDefault, kCheckLocalLimits))
