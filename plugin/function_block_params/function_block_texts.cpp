#include "function_block_params/function_block_texts.h"

namespace function_block {

const char kHiHiLimitLabel[] =
    "Upper Limit Alarm  |de|Alarmgrenze Oben  |fr|Limite d'alarme supérieure  "
    "|it|Limite allarme superiore  |es|Límite superior de alarma";
const char kHiHiLimitHelp[] =
    "The setting for the upper alarm limit in engineering units  "
    "|de|Einstellung der oberen Alarmgrenze in physikalischen Einheiten  "
    "|fr|Réglage de la limite d'alarme supérieure en unités physiques  "
    "|it|Impostazione del limite allarme superiore in unità ingegneristiche  "
    "|es|Ajuste del límite superior de alarma en unidades de ingeniería";

const char kHiLimitLabel[] =
    "Upper Limit Warning  |de|Warngrenze Oben  |fr|Limite d'avertissement supérieure  "
    "|it|Limite di avviso superiore  |es|Límite superior de advertencia";
const char kHiLimitHelp[] =
    "The setting for the upper warning limit in engineering units  "
    "|de|Einstellung der oberen Warngrenze in physikalischen Einheiten  "
    "|fr|Réglage de la limite d'avertissement supérieure en unités physiques  "
    "|it|Impostazione del limite di avviso superiore in unità ingegneristiche  "
    "|es|Ajuste del límite superior de advertencia en unidades de ingeniería";

const char kLoLimitLabel[] =
    "Lower Limit Warning  |de|Warngrenze Unten  |fr|Limite d'avertissement inférieure  "
    "|it|Limite di avviso inferiore  |es|Límite inferior de advertencia";
const char kLoLimitHelp[] =
    "The setting for the lower warning limit in engineering units  "
    "|de|Einstellung der unteren Warngrenze in physikalischen Einheiten  "
    "|fr|Réglage de la limite d'avertissement inférieure en unités physiques  "
    "|it|Impostazione del limite di avviso inferiore in unità ingegneristiche  "
    "|es|Ajuste del límite inferior de advertencia en unidades de ingeniería";

const char kLoLoLimitLabel[] =
    "Lower Limit Alarm  |de|Alarmgrenze Unten  |fr|Limite d'alarme inférieure  "
    "|it|Limite allarme inferiore  |es|Límite inferior de alarma";
const char kLoLoLimitHelp[] =
    "The setting for the lower alarm limit in engineering units  "
    "|de|Einstellung der unteren Alarmgrenze in physikalischen Einheiten  "
    "|fr|Réglage de la limite d'alarme inférieure en unités physiques  "
    "|it|Impostazione del limite allarme inferiore in unità ingegneristiche  "
    "|es|Ajuste del límite inferior de alarma en unidades de ingeniería";

const char kNoWarningText[] =
    "No Warning  |de|Keine Warnung  |fr|Pas d'avertissement  |it|Nessun avviso  |es|Sin "
    "advertencia";

const char kUnacknowledgedAlarmsLabel[] =
    "Unacknowledged Alarms  |de|Unquittierte Alarme  |fr|Alarme non validée  |it|Allarmi non "
    "confermati  |es|Alarmas ignoradas";
const char kUnacknowledgedWarningsLabel[] =
    "Unacknowledged Warnings  |de|Unquittierte Warnungen  |fr|Messages non validés  |it|Avvisi "
    "non confermati  |es|Advertencias ignoradas";
const char kUnacknowledgedHelp[] = " ";
const char kTimeStampLabel[] =
    "Time Stamp  |de|Zeitpunkt  |fr|Moment  |it|Data e ora  |es|Fecha y hora";
const char kTimeStampHelp[] =
    "The time of day when a change in limit state was detected that was   unreported."
    "  |de|Uhrzeit, zu der eine noch nicht gemeldete Änderung des Grenzwertzustands erkannt "
    "wurde."
    "  |fr|Heure à laquelle a été détecté un changement d'état de limite non encore signalé."
    "  |it|Ora in cui è stata rilevata una variazione dello stato limite non ancora segnalata."
    "  |es|Hora en la que se detectó un cambio del estado de límite aún no notificado.";
const char kCauseLabel[] = "Cause  |de|Ursache  |fr|Cause  |it|Causa  |es|Causa";
const char kAlarmOutputValueLabel[] =
    "Alarm Output Value  |de|Alarm-Ausgangswert  |fr|Valeur de sortie d'alarme  |it|Valore di "
    "uscita allarme  |es|Valor de salida de la alarma";
const char kWarningOutputValueLabel[] =
    "Warning Output Value  |de|Warn-Ausgangswert  |fr|Valeur de sortie d'avertissement  "
    "|it|Valore di uscita avviso  |es|Valor de salida de advertencia";

const char kUpperAlarmCauseHelp[] =
    "Cause: The cause of the upper alarm."
    "  |de|Ursache: Die Ursache des oberen Alarms."
    "  |fr|Cause : la cause de l'alarme supérieure."
    "  |it|Causa: la causa dell'allarme superiore."
    "  |es|Causa: la causa de la alarma superior.";
const char kUpperWarningCauseHelp[] =
    "Cause: The cause of the upper warning."
    "  |de|Ursache: Die Ursache der oberen Warnung."
    "  |fr|Cause : la cause de l'avertissement supérieur."
    "  |it|Causa: la causa dell'avviso superiore."
    "  |es|Causa: la causa de la advertencia superior.";
const char kLowerWarningCauseHelp[] =
    "Cause: The cause of the lower warning."
    "  |de|Ursache: Die Ursache der unteren Warnung."
    "  |fr|Cause : la cause de l'avertissement inférieur."
    "  |it|Causa: la causa dell'avviso inferiore."
    "  |es|Causa: la causa de la advertencia inferior.";
const char kLowerAlarmCauseHelp[] =
    "Cause: The cause of the lower alarm."
    "  |de|Ursache: Die Ursache des unteren Alarms."
    "  |fr|Cause : la cause de l'alarme inférieure."
    "  |it|Causa: la causa dell'allarme inferiore."
    "  |es|Causa: la causa de la alarma inferior.";

const char kUpperAlarmOutputValueHelp[] =
    "Alarm Output Value: The output value at the time of the upper alarm"
    "  |de|Alarm-Ausgangswert: Der Ausgangswert zum Zeitpunkt des oberen Alarms"
    "  |fr|Valeur de sortie d'alarme : la valeur de sortie au moment de l'alarme supérieure"
    "  |it|Valore di uscita allarme: il valore di uscita al momento dell'allarme superiore"
    "  |es|Valor de salida de la alarma: el valor de salida en el momento de la alarma superior";
const char kUpperWarningOutputValueHelp[] =
    "Warning Output Value: The output value at the time of the upper warning"
    "  |de|Warn-Ausgangswert: Der Ausgangswert zum Zeitpunkt der oberen Warnung"
    "  |fr|Valeur de sortie d'avertissement : la valeur de sortie au moment de l'avertissement "
    "supérieur"
    "  |it|Valore di uscita avviso: il valore di uscita al momento dell'avviso superiore"
    "  |es|Valor de salida de advertencia: el valor de salida en el momento de la advertencia "
    "superior";
const char kLowerWarningOutputValueHelp[] =
    "Warning Output Value: The output value at the time of the lower warning"
    "  |de|Warn-Ausgangswert: Der Ausgangswert zum Zeitpunkt der unteren Warnung"
    "  |fr|Valeur de sortie d'avertissement : la valeur de sortie au moment de l'avertissement "
    "inférieur"
    "  |it|Valore di uscita avviso: il valore di uscita al momento dell'avviso inferiore"
    "  |es|Valor de salida de advertencia: el valor de salida en el momento de la advertencia "
    "inferior";
const char kLowerAlarmOutputValueHelp[] =
    "Alarm Output Value: The output value at the time of the lower alarm"
    "  |de|Alarm-Ausgangswert: Der Ausgangswert zum Zeitpunkt des unteren Alarms"
    "  |fr|Valeur de sortie d'alarme : la valeur de sortie au moment de l'alarme inférieure"
    "  |it|Valore di uscita allarme: il valore di uscita al momento dell'allarme inferiore"
    "  |es|Valor de salida de la alarma: el valor de salida en el momento de la alarma inferior";

const char kChannelLabel[] = "Channel  |de|Kanal  |fr|Voie  |it|Canale  |es|Canal";
const char kChannelHelp[] =
    "The number of the channel that is connected to this function   block. It defines the "
    "associated transducer block."
    "  |de|Nummer des Kanals, der mit diesem Funktionsblock verbunden ist. Sie legt den "
    "zugehörigen Transducer Block fest."
    "  |fr|Numéro de la voie reliée à ce bloc de fonction. Il définit le bloc transducteur "
    "associé."
    "  |it|Numero del canale collegato a questo blocco funzione. Definisce il blocco trasduttore "
    "associato."
    "  |es|Número del canal conectado a este bloque de función. Define el bloque transductor "
    "asociado.";
const char kLimitHysteresisLabel[] =
    "Limit Hysteresis  |de|Grenzwert-Hysterese  |fr|Valeur limite de l'hystérèse   |it|Isteresi "
    "valore limite  |es|Valor límite de la histéresis";
const char kLimitHysteresisHelp[] =
    "Hysteresis expressed in the engineering units of the output value   scale. An alarm occurs "
    "when a value exceeds an upper limit. The alarm's   status remains true until the value "
    "drops below the limit minus the   alarm hysteresis. The directions are reversed for low "
    "limit detection.   The hysteresis is also used for the warnings."
    "  |de|Hysterese in der technischen Einheit der Ausgangsskalierung. Ein Alarm tritt auf, wenn "
    "ein Wert einen oberen Grenzwert überschreitet. Der Alarm bleibt bestehen, bis der Wert den "
    "Grenzwert abzüglich der Hysterese unterschreitet. Für untere Grenzwerte gilt dies "
    "umgekehrt. Die Hysterese gilt auch für die Warnungen."
    "  |fr|Hystérèse exprimée dans l'unité physique de l'échelle de sortie. Une alarme survient "
    "lorsqu'une valeur dépasse une limite supérieure. L'alarme persiste jusqu'à ce que la valeur "
    "redescende sous la limite moins l'hystérèse. Le sens est inversé pour les limites "
    "inférieures. L'hystérèse s'applique aussi aux avertissements."
    "  |it|Isteresi espressa nell'unità ingegneristica della scala di uscita. Un allarme si "
    "verifica quando un valore supera un limite superiore. L'allarme permane finché il valore "
    "non scende sotto il limite meno l'isteresi. Per i limiti inferiori la direzione è invertita. "
    "L'isteresi vale anche per gli avvisi."
    "  |es|Histéresis expresada en la unidad de ingeniería de la escala de salida. Se produce una "
    "alarma cuando un valor supera un límite superior. La alarma se mantiene hasta que el valor "
    "baja del límite menos la histéresis. Para los límites inferiores el sentido se invierte. La "
    "histéresis se aplica también a las advertencias.";
const char kSimulationLabel[] =
    "Simulation  |de|Simulation  |fr|Simulation  |it|Simulazione  |es|Simulación";

}  // namespace function_block
