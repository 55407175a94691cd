#include "core/factory_macros.h"
#include "function_block_params/decimal_point_format.h"
#include "function_block_params/fb1_limit_texts.h"

// The four limits on function block 1's output value. They are shown with the output's
// decimals, leave the handling as the host has it, and have their order checked after an edit.

namespace {

constexpr DDObjectId kCheckLimits[] = {item::meth_check_lokal_limits};

}  // namespace

DD_VARIABLE_FACTORY(func1_hi_hi_lim, {.label = fb1_limit_texts::kHiHiLabel,
                                      .help = fb1_limit_texts::kHiHiHelp,
                                      .defaultValue = Double(fb1_limit_texts::kUpperDefault),
                                      .computedFormat = &kOutputDecimalPointFormat,
                                      .handling = Handling::None,
                                      .postEditActions = kCheckLimits})

DD_VARIABLE_FACTORY(func1_hi_lim, {.label = fb1_limit_texts::kHiLabel,
                                   .help = fb1_limit_texts::kHiHelp,
                                   .defaultValue = Double(fb1_limit_texts::kUpperDefault),
                                   .computedFormat = &kOutputDecimalPointFormat,
                                   .handling = Handling::None,
                                   .postEditActions = kCheckLimits})

DD_VARIABLE_FACTORY(func1_lo_lim, {.label = fb1_limit_texts::kLoLabel,
                                   .help = fb1_limit_texts::kLoHelp,
                                   .defaultValue = Double(fb1_limit_texts::kLowerDefault),
                                   .computedFormat = &kOutputDecimalPointFormat,
                                   .handling = Handling::None,
                                   .postEditActions = kCheckLimits})

DD_VARIABLE_FACTORY(func1_lo_lo_lim, {.label = fb1_limit_texts::kLoLoLabel,
                                      .help = fb1_limit_texts::kLoLoHelp,
                                      .defaultValue = Double(fb1_limit_texts::kLowerDefault),
                                      .computedFormat = &kOutputDecimalPointFormat,
                                      .handling = Handling::None,
                                      .postEditActions = kCheckLimits})
