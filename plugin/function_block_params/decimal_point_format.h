#pragma once

#include "core/variable_record.h"
#include "directory/item_registry.h"

// The display format of the output's values follows the output decimal point: 0 to 7 digits
// after the point, 127 a field of eight with six digits. Any other value keeps the static format.
// The formats are the device's own, without the leading percent sign.
inline constexpr FormatCase kOutputDecimalPointCases[] = {
    {0, ".0f"}, {1, ".1f"}, {2, ".2f"}, {3, ".3f"},    {4, ".4f"},
    {5, ".5f"}, {6, ".6f"}, {7, ".7f"}, {127, "8.6f"},
};

inline constexpr ComputedFormat kOutputDecimalPointFormat{item::func1_out_decimal_point,
                                                          kOutputDecimalPointCases};
