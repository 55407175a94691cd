// The collections of function block 1 (analog input). The alarm-overview menus look the members
// of func1_blank up by name, so its names, references and descriptions are binding.

#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"
#include "function_block_params/function_block_texts.h"

using namespace block_family;

namespace {

// Shared by all members of func1: no German part, and the Spanish part under "|sp|".
constexpr const char kAnalogInputBlockText[] =
    "Function Block 1 - Analog Input  |fr|Bloc fonctionnel 1 - Entrée analogique  |it|Blocco "
    "funzionale 1 - Ingresso analogico  |sp|Bloque de función 1 - Entrada analógica";

constexpr const char kStatusLowerLimitAlarmText[] =
    "Status Lower Limit Alarm  |de|Status Unterer Alarmgrenzwert  |fr|Etat Limite d'alarme "
    "inférieure  |it|Stato Valore limite inferiore allarme  |es|Status Valor límite inferior de "
    "la alarma";
constexpr const char kStatusLowerLimitWarningText[] =
    "Status Lower Limit Warning  |de|Status Unterer Warngrenzwert  |fr|Etat Limite "
    "d'avertissement inférieure  |it|Stato Valore limite inferiore avviso  |es|Status Valor "
    "límite inferior de advertencia";
constexpr const char kOutputValueLowerAlarmText[] =
    "Output Value Lower Alarm  |de|Ausgangswert Alarm Unten  |fr|Valeur de sortie d'alarme "
    "inférieure  |it|Valore di uscita inferiore allarme  |es|Valor de salida inferior de la "
    "alarma";
constexpr const char kOutputValueLowerWarningText[] =
    "Output Value Lower Warning  |de|Ausgangswert Warnung Unten  |fr|Valeur de sortie "
    "d'avertissement inférieure  |it|Valore di uscita inferiore avviso  |es|Valor de salida "
    "inferior de advertencia";

}  // namespace

DD_COLLECTION_FACTORY(func1,
                      {
                          {"actual_mode", item::func1_actual_mode, kAnalogInputBlockText},
                          {"simulation_enabled", item::func1_simulation_enabled,
                           kAnalogInputBlockText},
                          {"out", item::func1_out_value, kAnalogInputBlockText},
                          {"simulate_value", item::func1_simulate_value, kAnalogInputBlockText},
                      })

DD_COLLECTION_FACTORY(func1_short,
                      {
                          {"alarm_sum", item::func1_current_state_alarm_sum,
                           "Alarm Summary  |de|Summenalarm  |fr|Alarme groupée  |it|Allarme "
                           "cumulativo  |es|Alarma agrupada"},
                      })

DD_COLLECTION_FACTORY(
    func1_blank,
    {
        {"actual_mode", item::func1_actual_mode, kActualModeLabel},
        {"simulation_enabled", item::func1_simulation_enabled, function_block::kSimulationLabel},
        {"out", item::func1_out_value, kOutputValueText},
        {"lo_lo_alm_state", item::func1_lo_lo_alm_state, kStatusLowerLimitAlarmText},
        {"lo_alm_state", item::func1_lo_alm_state, kStatusLowerLimitWarningText},
        {"hi_alm_state", item::func1_hi_alm_state, kStatusUpperLimitWarningText},
        {"hi_hi_alm_state", item::func1_hi_hi_alm_state, kStatusUpperLimitAlarmText},
        {"lo_lo_alm_value", item::func1_lo_lo_alm_value, kOutputValueLowerAlarmText},
        {"lo_alm_value", item::func1_lo_alm_value, kOutputValueLowerWarningText},
        {"hi_alm_value", item::func1_hi_alm_value, kOutputValueUpperWarningText},
        {"hi_hi_alm_value", item::func1_hi_hi_alm_value, kOutputValueUpperAlarmText},
    })
