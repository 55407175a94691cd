#pragma once

#include <array>
#include <span>

#include "core/variable_record.h"
#include "device_params/block_enumerations.h"
#include "function_block_params/decimal_point_format.h"
#include "function_block_params/function_block_texts.h"

// The limits of the function blocks and the alarm record of each limit, as far as they read
// alike wherever they stand: the limits' defaults, the states a record offers and the members of
// a record.
namespace function_block {

// The limits' defaults: open at both ends.
inline constexpr double kUpperLimitDefault = 3.0E+38;
inline constexpr double kLowerLimitDefault = -3.0E+38;

// A limit on function block 1's output value, the device's or the plug-in's own copy: shown with
// the output's decimals, it leaves the handling as the host has it and has `checks` run after an
// edit.
constexpr VariableRecord OutputLimit(const char* label, const char* help, double fallback,
                                     std::span<const DDObjectId> checks) {
    return {.label = label,
            .help = help,
            .defaultValue = Double(fallback),
            .computedFormat = &kOutputDecimalPointFormat,
            .handling = Handling::None,
            .postEditActions = checks};
}

// The states of each alarm record: no condition, or the record's limit condition.
inline constexpr std::array<Enumerator, 2> kUpperAlarmStates = {
    {{0, block_family::kNoAlarmText}, {1, block_family::kUpperLimitAlarmText}}};
inline constexpr std::array<Enumerator, 2> kUpperWarningStates = {
    {{0, kNoWarningText}, {1, block_family::kUpperLimitWarningText}}};
inline constexpr std::array<Enumerator, 2> kLowerWarningStates = {
    {{0, kNoWarningText}, {1, block_family::kLowerLimitWarningText}}};
inline constexpr std::array<Enumerator, 2> kLowerAlarmStates = {
    {{0, block_family::kNoAlarmText}, {1, block_family::kLowerLimitAlarmText}}};

// The five members of an alarm record, all read only.
constexpr VariableRecord AlarmUnacknowledged(const char* label) {
    return {.label = label, .help = kUnacknowledgedHelp, .size = 1};
}
constexpr VariableRecord AlarmState(const char* label, const char* help,
                                    std::span<const Enumerator> states) {
    return {.label = label, .help = help, .size = 1, .maxEnumIndex = 1, .enumerators = states};
}
inline constexpr VariableRecord kAlarmTimeStamp = {.label = kTimeStampLabel,
                                                   .help = kTimeStampHelp};
constexpr VariableRecord AlarmSubcode(const char* help) {
    return {.label = kCauseLabel, .help = help, .size = 2};
}
constexpr VariableRecord AlarmValue(const char* label, const char* help) {
    return {.label = label, .help = help};
}

}  // namespace function_block
