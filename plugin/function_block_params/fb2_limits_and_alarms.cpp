// Function block 2 (totalizer): the channel, the hysteresis, the upper warning and alarm limits,
// the alarm record of each limit and the state and value copies that the block's collection
// shows.

#include "core/factory_macros.h"
#include "function_block_params/function_block_texts.h"
#include "function_block_params/limit_records.h"

using namespace function_block;

namespace {

constexpr const char kStatusLabel[] = "Status  |de|Status  |fr|Etat  |it|Stato  |es|Status";

// A limit setting: open at the top until the user sets it.
constexpr VariableRecord Limit(const char* label, const char* help) {
    return {.label = label,
            .help = help,
            .defaultValue = Double(kUpperLimitDefault),
            .handling = Handling::ReadWrite};
}

// The collection's copies of the record states and values. The directory declares them as
// signed integers; they take the type of what they copy.
constexpr VariableRecord CollectionState(const char* label, const char* help,
                                         std::span<const Enumerator> states) {
    VariableRecord record = AlarmState(label, help, states);
    record.type = DD_TYPE_ENUMERATED;
    return record;
}
constexpr VariableRecord CollectionValue(const char* label, const char* help) {
    VariableRecord record = AlarmValue(label, help);
    record.type = DD_TYPE_FLOAT;
    return record;
}

}  // namespace

DD_VARIABLE_FACTORY(func2_TOT_hi_alm_state,
                    CollectionState(kHiLimitLabel, kHiLimitHelp, kUpperWarningStates))
DD_VARIABLE_FACTORY(func2_TOT_hi_alm_value,
                    CollectionValue(kWarningOutputValueLabel, kUpperWarningOutputValueHelp))
DD_VARIABLE_FACTORY(func2_TOT_hi_hi_alm_state,
                    CollectionState(kHiHiLimitLabel, kHiHiLimitHelp, kUpperAlarmStates))
DD_VARIABLE_FACTORY(func2_TOT_hi_hi_alm_value,
                    CollectionValue(kAlarmOutputValueLabel, kUpperAlarmOutputValueHelp))

DD_VARIABLE_FACTORY(func2_channel, {.label = kChannelLabel,
                                    .help = kChannelHelp,
                                    .size = 2,
                                    .handling = Handling::ReadWrite})
// The hysteresis's default is the integer 0, not a floating-point zero.
DD_VARIABLE_FACTORY(func2_alarm_hys, {.label = kLimitHysteresisLabel,
                                      .help = kLimitHysteresisHelp,
                                      .defaultValue = Int(0),
                                      .handling = Handling::ReadWrite})
// The totalizer's limits keep the constant display format.
DD_VARIABLE_FACTORY(func2_hi_hi_lim, Limit(kHiHiLimitLabel, kHiHiLimitHelp))
DD_VARIABLE_FACTORY(func2_hi_lim, Limit(kHiLimitLabel, kHiLimitHelp))

DD_VARIABLE_FACTORY(func2_hi_hi_alm_unacknowledged, AlarmUnacknowledged(kUnacknowledgedAlarmsLabel))
DD_VARIABLE_FACTORY(
    func2_hi_hi_alm_state,
    AlarmState(
        kStatusLabel,
        "Status: The status for the upper alarm.  |de|Status: Der Zustand des oberen Alarms.  "
        "|fr|Etat : l'état de l'alarme supérieure.  |it|Stato: lo stato dell'allarme "
        "superiore.  |es|Status: el estado de la alarma superior.",
        kUpperAlarmStates))
DD_VARIABLE_FACTORY(func2_hi_hi_alm_time_stamp, kAlarmTimeStamp)
DD_VARIABLE_FACTORY(func2_hi_hi_alm_subcode, AlarmSubcode(kUpperAlarmCauseHelp))
DD_VARIABLE_FACTORY(func2_hi_hi_alm_value,
                    AlarmValue(kAlarmOutputValueLabel, kUpperAlarmOutputValueHelp))

DD_VARIABLE_FACTORY(func2_hi_alm_unacknowledged, AlarmUnacknowledged(kUnacknowledgedWarningsLabel))
DD_VARIABLE_FACTORY(
    func2_hi_alm_state,
    AlarmState(
        kStatusLabel,
        "Status: The status for upper warning.  |de|Status: Der Zustand der oberen Warnung.  "
        "|fr|Etat : l'état de l'avertissement supérieur.  |it|Stato: lo stato dell'avviso "
        "superiore.  |es|Status: el estado de la advertencia superior.",
        kUpperWarningStates))
DD_VARIABLE_FACTORY(func2_hi_alm_time_stamp, kAlarmTimeStamp)
DD_VARIABLE_FACTORY(func2_hi_alm_subcode, AlarmSubcode(kUpperWarningCauseHelp))
DD_VARIABLE_FACTORY(func2_hi_alm_value,
                    AlarmValue(kWarningOutputValueLabel, kUpperWarningOutputValueHelp))
