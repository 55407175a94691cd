#include "core/factory_macros.h"
#include "function_block_params/decimal_point_format.h"
#include "function_block_params/fb1_limit_texts.h"

// The plug-in's own copies of function block 1's four limits: the values the user edits before
// they are written to the device. No command carries them, so they make no handling call; they
// show the output's decimals and have their order checked after every edit.

namespace {

constexpr DDObjectId kCheckLocalLimits[] = {item::meth_check_lokal_limits_local};

}  // namespace

DD_VARIABLE_FACTORY(func1_lo_lim_local, {.label = fb1_limit_texts::kLoLabel,
                                         .help = fb1_limit_texts::kLoHelp,
                                         .defaultValue = Double(fb1_limit_texts::kLowerDefault),
                                         .computedFormat = &kOutputDecimalPointFormat,
                                         .handling = Handling::None,
                                         .postEditActions = kCheckLocalLimits})

DD_VARIABLE_FACTORY(func1_lo_lo_lim_local, {.label = fb1_limit_texts::kLoLoLabel,
                                            .help = fb1_limit_texts::kLoLoHelp,
                                            .defaultValue = Double(fb1_limit_texts::kLowerDefault),
                                            .computedFormat = &kOutputDecimalPointFormat,
                                            .handling = Handling::None,
                                            .postEditActions = kCheckLocalLimits})

DD_VARIABLE_FACTORY(func1_hi_lim_local, {.label = fb1_limit_texts::kHiLabel,
                                         .help = fb1_limit_texts::kHiHelp,
                                         .defaultValue = Double(fb1_limit_texts::kUpperDefault),
                                         .computedFormat = &kOutputDecimalPointFormat,
                                         .handling = Handling::None,
                                         .postEditActions = kCheckLocalLimits})

DD_VARIABLE_FACTORY(func1_hi_hi_lim_local, {.label = fb1_limit_texts::kHiHiLabel,
                                            .help = fb1_limit_texts::kHiHiHelp,
                                            .defaultValue = Double(fb1_limit_texts::kUpperDefault),
                                            .computedFormat = &kOutputDecimalPointFormat,
                                            .handling = Handling::None,
                                            .postEditActions = kCheckLocalLimits})
