// Function block 1 (analog input): the channel, the filter time constant, the limit hysteresis,
// the four alarm records and the simulation value and switch.

#include "core/factory_macros.h"
#include "function_block_params/function_block_texts.h"
#include "function_block_params/limit_records.h"

using namespace function_block;

namespace {

constexpr std::array<Enumerator, 2> kSimulationSwitch = {{
    {0, "Disabled  |de|Aus  |fr|Désactivé  |it|Disattivato  |es|Desactivado"},
    {1, "Enabled  |de|Ein  |fr|Activé  |it|Attivato  |es|Activado"},
}};

}  // namespace

DD_VARIABLE_FACTORY(func1_channel, {.label = kChannelLabel,
                                    .help = kChannelHelp,
                                    .size = 2,
                                    .handling = Handling::ReadWrite})
// The filter time is always in seconds; its unit comes before the handling.
DD_VARIABLE_FACTORY(
    func1_pv_ftime,
    {.label = "Filter Time Const  |de|Filterzeitkonstante  |fr|Constante de temps de filtre  "
              "|it|Costante tempo filtro  |es|Constante de periodo de filtro",
     .help = "This parameter contains the time constant for the rise time of the   output up to "
             "a value of 63.21% resulting from a jump at the filter   input. The engineering unit "
             "of this parameter is always seconds."
             "  |de|Dieser Parameter enthält die Zeitkonstante für die Anstiegszeit des Ausgangs "
             "bis 63,21 % des Endwerts nach einem Sprung am Filtereingang. Die Einheit dieses "
             "Parameters ist immer Sekunden."
             "  |fr|Ce paramètre contient la constante de temps du temps de montée de la sortie "
             "jusqu'à 63,21 % de la valeur finale après un échelon à l'entrée du filtre. L'unité "
             "de ce paramètre est toujours la seconde."
             "  |it|Questo parametro contiene la costante di tempo per il tempo di salita "
             "dell'uscita fino al 63,21% del valore finale dopo un gradino all'ingresso del "
             "filtro. L'unità di questo parametro è sempre il secondo."
             "  |es|Este parámetro contiene la constante de tiempo del tiempo de subida de la "
             "salida hasta el 63,21 % del valor final tras un salto en la entrada del filtro. La "
             "unidad de este parámetro es siempre el segundo.",
     .defaultValue = Int(0),
     .handling = Handling::ReadWrite,
     .constantUnit = "s",
     .unitBeforeHandling = true})
// The hysteresis follows the output scale unit, so it has no constant unit.
DD_VARIABLE_FACTORY(func1_alarm_hys, {.label = kLimitHysteresisLabel,
                                      .help = kLimitHysteresisHelp,
                                      .defaultValue = Int(0),
                                      .handling = Handling::ReadWrite})

// Each record's state takes the label and the help of the record's limit.
DD_VARIABLE_FACTORY(func1_hi_hi_alm_unacknowledged, AlarmUnacknowledged(kUnacknowledgedAlarmsLabel))
DD_VARIABLE_FACTORY(func1_hi_hi_alm_state,
                    AlarmState(kHiHiLimitLabel, kHiHiLimitHelp, kUpperAlarmStates))
DD_VARIABLE_FACTORY(func1_hi_hi_alm_time_stamp, kAlarmTimeStamp)
DD_VARIABLE_FACTORY(func1_hi_hi_alm_subcode, AlarmSubcode(kUpperAlarmCauseHelp))
DD_VARIABLE_FACTORY(func1_hi_hi_alm_value,
                    AlarmValue(kAlarmOutputValueLabel, kUpperAlarmOutputValueHelp))

DD_VARIABLE_FACTORY(func1_hi_alm_unacknowledged, AlarmUnacknowledged(kUnacknowledgedWarningsLabel))
DD_VARIABLE_FACTORY(func1_hi_alm_state,
                    AlarmState(kHiLimitLabel, kHiLimitHelp, kUpperWarningStates))
DD_VARIABLE_FACTORY(func1_hi_alm_time_stamp, kAlarmTimeStamp)
DD_VARIABLE_FACTORY(func1_hi_alm_subcode, AlarmSubcode(kUpperWarningCauseHelp))
DD_VARIABLE_FACTORY(func1_hi_alm_value,
                    AlarmValue(kWarningOutputValueLabel, kUpperWarningOutputValueHelp))

DD_VARIABLE_FACTORY(func1_lo_alm_unacknowledged, AlarmUnacknowledged(kUnacknowledgedWarningsLabel))
DD_VARIABLE_FACTORY(func1_lo_alm_state,
                    AlarmState(kLoLimitLabel, kLoLimitHelp, kLowerWarningStates))
DD_VARIABLE_FACTORY(func1_lo_alm_time_stamp, kAlarmTimeStamp)
DD_VARIABLE_FACTORY(func1_lo_alm_subcode, AlarmSubcode(kLowerWarningCauseHelp))
DD_VARIABLE_FACTORY(func1_lo_alm_value,
                    AlarmValue(kWarningOutputValueLabel, kLowerWarningOutputValueHelp))

DD_VARIABLE_FACTORY(func1_lo_lo_alm_unacknowledged, AlarmUnacknowledged(kUnacknowledgedAlarmsLabel))
DD_VARIABLE_FACTORY(func1_lo_lo_alm_state,
                    AlarmState(kLoLoLimitLabel, kLoLoLimitHelp, kLowerAlarmStates))
DD_VARIABLE_FACTORY(func1_lo_lo_alm_time_stamp, kAlarmTimeStamp)
DD_VARIABLE_FACTORY(func1_lo_lo_alm_subcode, AlarmSubcode(kLowerAlarmCauseHelp))
DD_VARIABLE_FACTORY(func1_lo_lo_alm_value,
                    AlarmValue(kAlarmOutputValueLabel, kLowerAlarmOutputValueHelp))

// The simulation value follows the process value unit.
DD_VARIABLE_FACTORY(
    func1_simulate_value,
    {.label = "Simulation Value  |de|Simulationswert  |fr|Valeur de simulation  |it|Valore di "
              "simulazione  |es|Valor de simulación",
     .help = "Simulation Value: Instead of the transmitter output value, the simulation   value "
             "is used as the input to the function block."
             "  |de|Simulationswert: Anstelle des Ausgangswerts des Messumformers wird der "
             "Simulationswert als Eingang des Funktionsblocks verwendet."
             "  |fr|Valeur de simulation : la valeur de simulation remplace la valeur de sortie "
             "du transmetteur comme entrée du bloc de fonction."
             "  |it|Valore di simulazione: al posto del valore di uscita del trasmettitore, come "
             "ingresso del blocco funzione viene usato il valore di simulazione."
             "  |es|Valor de simulación: en lugar del valor de salida del transmisor se utiliza "
             "el valor de simulación como entrada del bloque de función.",
     .handling = Handling::ReadWrite})
DD_VARIABLE_FACTORY(func1_simulation_enabled, {.label = kSimulationLabel,
                                               .help = "Enable or disable of the Simulation"
                                                       "  |de|Simulation ein- oder ausschalten"
                                                       "  |fr|Activer ou désactiver la simulation"
                                                       "  |it|Attivare o disattivare la simulazione"
                                                       "  |es|Activar o desactivar la simulación",
                                               .size = 1,
                                               .maxEnumIndex = 1,
                                               .enumerators = kSimulationSwitch,
                                               .handling = Handling::ReadWrite})
