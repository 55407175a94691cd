// Function block 2 (totalizer): the unit of the total, the counting settings and the unit
// relations that tie the volume and flow-rate values to their unit variables.

#include "core/factory_macros.h"
#include "function_block_params/unit_enumerations.h"

namespace {

// The totalizer's unit variable shows the same text as label and as help.
constexpr const char kVolumeUnitText[] = "V1H1   Volume Unit  |de|V1H1   Volumeneinheit";

// The volume units a total may be given in, in the order the device offers them.
constexpr Enumerator kTotalizerUnits[] = {
    unit_codes::kLiters,          unit_codes::kCubicMeters, unit_codes::kCubicFeet,
    unit_codes::kImperialGallons, unit_codes::kGallons,     unit_codes::kUserDefinedUnit,
};

constexpr Enumerator kResetRequests[] = {
    {0, "Cancel  |de|Abbrechen  |fr|Annuler  |it|Annulla  |es|Cancelar"},
    {1, "Reset  |de|Zurücksetzen  |fr|Remise à zéro  |it|Azzeramento  |es|Puesta a cero"},
};

// The device has no counting mode 1.
constexpr Enumerator kCountingModes[] = {
    {0,
     "Count Up  |de|Aufwärts zählen  |fr|Comptage croissant  |it|Conteggio in avanti  "
     "|es|Conteo ascendente"},
    {2,
     "Hold Count  |de|Zählung anhalten  |fr|Comptage arrêté  |it|Conteggio fermo  "
     "|es|Conteo detenido"},
    {3,
     "Alarm Enable  |de|Alarm freigeben  |fr|Alarme activée  |it|Allarme abilitato  "
     "|es|Alarma habilitada"},
};

// The help also describes MEMORY, which the device does not offer here.
constexpr Enumerator kFailSafeModes[] = {
    {0, "Run  |de|Weiterzählen  |fr|Marche  |it|Esecuzione  |es|Ejecutar"},
    {1, "Hold  |de|Anhalten  |fr|Maintien  |it|Mantenimento  |es|Retener"},
};

// The help also describes "All values as negative", which the device does not offer.
constexpr Enumerator kPolarityModes[] = {
    {0,
     "Pos. and neg. values  |de|Pos. und neg. Werte  |fr|Valeurs pos. et nég.  "
     "|it|Valori pos. e neg.  |es|Valores pos. y neg."},
    {1,
     "Positive values only  |de|Nur positive Werte  |fr|Valeurs positives seulement  "
     "|it|Solo valori positivi  |es|Sólo valores positivos"},
    {2,
     "Negative values only  |de|Nur negative Werte  |fr|Valeurs négatives seulement  "
     "|it|Solo valori negativi  |es|Sólo valores negativos"},
    {3,
     "All values as positive  |de|Alle Werte als positiv  |fr|Toutes les valeurs comme "
     "positives  |it|Tutti i valori come positivi  |es|Todos los valores como positivos"},
};

}  // namespace

// The settings make no handling call: the host keeps the handling it gave the object. The unit
// passes 0 as its highest index although its codes run up to the user-defined unit.
DD_VARIABLE_FACTORY(func2_tot_units, {.label = kVolumeUnitText,
                                      .help = kVolumeUnitText,
                                      .size = 2,
                                      .defaultValue = Int(unit_codes::kLiters.value),
                                      .maxEnumIndex = 0,
                                      .enumerators = kTotalizerUnits,
                                      .handling = Handling::None})

DD_VARIABLE_FACTORY(func2_reset_tot,
                    {.label = "V4H1   Reset Totalizer  |de|V4H1   Zählwerk zurücksetzen",
                     .help = "Resets the totalizer value.  |de|Setzt den Zählwerkswert zurück.  "
                             "|fr|Remet à zéro la valeur du compteur.  "
                             "|it|Azzera il valore del contatore.  "
                             "|es|Pone a cero el valor del totalizador.",
                     .size = 1,
                     .maxEnumIndex = 1,
                     .enumerators = kResetRequests,
                     .handling = Handling::None})

DD_VARIABLE_FACTORY(
    func2_mode_tot,
    {.label = "Mode  |de|Betriebsart  |fr|Mode  |it|Modalità  |es|Modo",
     .help = "Operating mode switch for the totalizer.  |de|Betriebsartenschalter des "
             "Zählwerks.  |fr|Sélecteur du mode d'opération du compteur.  |it|Interruttore per "
             "le modalità d'esercizio del contatore.  |es|Conmutador de modos de operación del "
             "totalizador.",
     .size = 1,
     .maxEnumIndex = 3,
     .enumerators = kCountingModes,
     .handling = Handling::None})

DD_VARIABLE_FACTORY(
    func2_fail_tot,
    {.label = "Fail Safe Mode  |de|Fehlerverhalten  |fr|Mode de repli  |it|Modalità di "
              "sicurezza  |es|Modo de seguridad",
     .help = "This parameter governs the behavior of the totalizer function during   the "
             "occurrence of a bad status. RUN: Totalizer not affected by bad   status of incoming "
             "values. HOLD: Totalizer frozen during occurrence   of bad status of incoming "
             "values. MEMORY: Totalizer works based on   the last incoming value with good status "
             "during occurrence of bad status."
             "  |de|Dieser Parameter bestimmt das Verhalten des Zählwerks bei schlechtem Status. "
             "RUN: Das Zählwerk wird vom schlechten Status der Eingangswerte nicht beeinflusst. "
             "HOLD: Das Zählwerk wird während eines schlechten Status der Eingangswerte "
             "angehalten. MEMORY: Das Zählwerk arbeitet während eines schlechten Status mit dem "
             "letzten Eingangswert mit gutem Status weiter."
             "  |fr|Ce paramètre détermine le comportement du compteur en cas de mauvais état. "
             "RUN : le compteur n'est pas affecté par le mauvais état des valeurs d'entrée. "
             "HOLD : le compteur est figé pendant le mauvais état des valeurs d'entrée. MEMORY : "
             "pendant le mauvais état, le compteur continue avec la dernière valeur d'entrée de "
             "bon état."
             "  |it|Questo parametro determina il comportamento del contatore in caso di stato "
             "cattivo. RUN: il contatore non è influenzato dallo stato cattivo dei valori di "
             "ingresso. HOLD: il contatore viene bloccato durante lo stato cattivo dei valori di "
             "ingresso. MEMORY: durante lo stato cattivo il contatore prosegue con l'ultimo "
             "valore di ingresso con stato buono."
             "  |es|Este parámetro determina el comportamiento del totalizador en caso de estado "
             "malo. RUN: el totalizador no se ve afectado por el estado malo de los valores de "
             "entrada. HOLD: el totalizador se congela mientras dura el estado malo de los "
             "valores de entrada. MEMORY: durante el estado malo, el totalizador sigue con el "
             "último valor de entrada con estado bueno.",
     .size = 1,
     .maxEnumIndex = 1,
     .enumerators = kFailSafeModes,
     .handling = Handling::None})

DD_VARIABLE_FACTORY(
    func2_polar_tot,
    {.label = "Polarity Mode  |de|Polarität  |fr|Mode de polarité  |it|Modalità polarità  "
              "|es|Modo de polaridad",
     .help = "Behavior of totalizer during negative incoming rate values. Pos.   and neg. "
             "values: True arithmetic behavior of totalizer function.   Positive values only: "
             "Total of positive incoming rate values only.   Negative values only: Total of "
             "negative incoming rate values only.   All values as positive: All incoming rate "
             "values will be processed   as a positive rate value by the totalizer. All values "
             "as negative:   All incoming rate values will be processed as a negative rate value "
             "  by the totalizer."
             "  |de|Verhalten des Zählwerks bei negativen Eingangswerten. Pos. und neg. Werte: "
             "Das Zählwerk rechnet mit dem richtigen Vorzeichen. Nur positive Werte: Nur "
             "positive Eingangswerte werden summiert. Nur negative Werte: Nur negative "
             "Eingangswerte werden summiert. Alle Werte als positiv: Alle Eingangswerte werden "
             "als positive Werte verarbeitet. Alle Werte als negativ: Alle Eingangswerte werden "
             "als negative Werte verarbeitet."
             "  |fr|Comportement du compteur pour des valeurs d'entrée négatives. Valeurs pos. "
             "et nég. : le compteur calcule avec le signe réel. Valeurs positives seulement : "
             "seules les valeurs d'entrée positives sont totalisées. Valeurs négatives "
             "seulement : seules les valeurs d'entrée négatives sont totalisées. Toutes les "
             "valeurs comme positives : toutes les valeurs d'entrée sont traitées comme "
             "positives. Toutes les valeurs comme négatives : toutes les valeurs d'entrée sont "
             "traitées comme négatives."
             "  |it|Comportamento del contatore con valori di ingresso negativi. Valori pos. e "
             "neg.: il contatore calcola con il segno reale. Solo valori positivi: vengono "
             "sommati solo i valori di ingresso positivi. Solo valori negativi: vengono sommati "
             "solo i valori di ingresso negativi. Tutti i valori come positivi: tutti i valori "
             "di ingresso vengono trattati come positivi. Tutti i valori come negativi: tutti i "
             "valori di ingresso vengono trattati come negativi."
             "  |es|Comportamiento del totalizador con valores de entrada negativos. Valores "
             "pos. y neg.: el totalizador calcula con el signo real. Sólo valores positivos: "
             "sólo se suman los valores de entrada positivos. Sólo valores negativos: sólo se "
             "suman los valores de entrada negativos. Todos los valores como positivos: todos "
             "los valores de entrada se tratan como positivos. Todos los valores como negativos: "
             "todos los valores de entrada se tratan como negativos.",
     .size = 1,
     .maxEnumIndex = 3,
     .enumerators = kPolarityModes,
     .handling = Handling::None})

// Valid only while the unit variable selects the user-defined unit.
DD_VARIABLE_FACTORY(func2_UserUnit,
                    {.label = "V1H4   User Volume Unit  |de|V1H4   Anwender-Volumeneinheit",
                     .help = "User Volume Unit  |de|Anwender-Volumeneinheit",
                     .hasRange = true,
                     .rangeMin = Double(1e-09),
                     .rangeMax = Double(9.999e+09),
                     .defaultValue = Double(1.0),
                     .handling = Handling::None})

// The total and its limits follow the totalizer's unit. The volume relation also carries the
// hysteresis and the alarm values; both relations exist side by side on the same unit variable.
DD_UNIT_FACTORY(FUNC2_TOT_UNIT, item::func2_tot_units, item::func2_out_total_value,
                item::func2_hi_hi_lim, item::func2_hi_lim)

DD_UNIT_FACTORY(FLOW_UNIT, item::trans1_flowrate_unit, item::trans1_flowrate,
                item::trans1_upper_sensor_limit, item::trans1_lower_sensor_limit)

DD_UNIT_FACTORY(VOLUME_UNIT, item::func2_tot_units, item::func2_out_total_value,
                item::func2_alarm_hys, item::func2_hi_hi_lim, item::func2_hi_lim,
                item::func2_hi_hi_alm_value, item::func2_hi_alm_value)
