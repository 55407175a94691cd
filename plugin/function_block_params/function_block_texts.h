#pragma once

// Texts of the function blocks that several items repeat: the limits, the members of the alarm
// records, the channel and the limit hysteresis. Defined in function_block_texts.cpp, which is
// compiled to Windows-1252 bytes.
namespace function_block {

// Labels and helps of the four limits. The device's limits of both function blocks and the
// plug-in's own copies that the user edits before writing them read alike.
extern const char kHiHiLimitLabel[];
extern const char kHiHiLimitHelp[];
extern const char kHiLimitLabel[];
extern const char kHiLimitHelp[];
extern const char kLoLimitLabel[];
extern const char kLoLimitHelp[];
extern const char kLoLoLimitLabel[];
extern const char kLoLoLimitHelp[];

extern const char kNoWarningText[];

// Members of the alarm records that do not depend on the limit.
extern const char kUnacknowledgedAlarmsLabel[];
extern const char kUnacknowledgedWarningsLabel[];
extern const char kUnacknowledgedHelp[];
extern const char kTimeStampLabel[];
extern const char kTimeStampHelp[];
extern const char kCauseLabel[];
extern const char kAlarmOutputValueLabel[];
extern const char kWarningOutputValueLabel[];

// Members of the alarm records that name their limit.
extern const char kUpperAlarmCauseHelp[];
extern const char kUpperWarningCauseHelp[];
extern const char kLowerWarningCauseHelp[];
extern const char kLowerAlarmCauseHelp[];
extern const char kUpperAlarmOutputValueHelp[];
extern const char kUpperWarningOutputValueHelp[];
extern const char kLowerWarningOutputValueHelp[];
extern const char kLowerAlarmOutputValueHelp[];

// Block parameters that every function block with limits has.
extern const char kChannelLabel[];
extern const char kChannelHelp[];
extern const char kLimitHysteresisLabel[];
extern const char kLimitHysteresisHelp[];

// The simulation switch, whose label the collections show as well.
extern const char kSimulationLabel[];

}  // namespace function_block
