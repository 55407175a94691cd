#include "core/factory_macros.h"
#include "device_params/block_enumerations.h"
#include "function_block_params/decimal_point_format.h"

// Output value and the input and output ranges of function block 1. The output value and the
// input range are shown with as many decimals as the output decimal point asks for; the output
// range keeps its static format.

namespace {

constexpr const char kUpperValueLabel[] =
    "Upper Value  |de|Endwert  |fr|Valeur finale  |it|Valore finale  |es|Valor final";
constexpr const char kLowerValueLabel[] =
    "Lower Value  |de|Anfangswert  |fr|Valeur initiale  |it|Valore iniziale  |es|Valor inicial";

constexpr const char kDecimalPointLabel[] =
    "Decimal Point  |de|Dezimalpunkt  |fr|Point décimal  |it|Punto decimale  |es|Punto decimal";
constexpr const char kDecimalPointHelp[] =
    "The number of digits to the right of the decimal point.  "
    "|de|Die Anzahl der Stellen rechts vom Dezimalpunkt.  "
    "|fr|Le nombre de chiffres à droite du point décimal.  "
    "|it|Il numero di cifre a destra del punto decimale.  "
    "|es|El número de dígitos a la derecha del punto decimal.";

// Both decimal points offer 0 to 6 digits.
constexpr Enumerator kDecimalDigits[] = {
    {0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"}, {6, "6"},
};

}  // namespace

DD_VARIABLE_FACTORY(
    func1_out_value,
    {.label = block_family::kOutputValueText,
     .help = "Output Value: Process variable (including transfer function and damping   "
             "settings). In MAN mode the output value may be specified by an operator.  "
             "|de|Ausgangswert: Prozessgröße (einschließlich Übertragungsfunktion und "
             "Dämpfung). Im Modus MAN kann der Ausgangswert vom Bediener vorgegeben werden.  "
             "|fr|Valeur de sortie : grandeur de process (fonction de transfert et amortissement "
             "compris). En mode MAN, la valeur de sortie peut être imposée par un opérateur.  "
             "|it|Valore di uscita: variabile di processo (inclusi funzione di trasferimento e "
             "smorzamento). In modo MAN il valore di uscita può essere impostato da un "
             "operatore.  "
             "|es|Valor de salida: variable de proceso (incluidas función de transferencia y "
             "amortiguación). En modo MAN el valor de salida puede ser fijado por un operador.",
     .computedFormat = &kOutputDecimalPointFormat})

// The input range follows the output decimal point too, not its own.
DD_VARIABLE_FACTORY(
    func1_pv_upper_range_value,
    {.label = kUpperValueLabel,
     .help = "Defines the operational upper range value of the input value (100%)   in "
             "engineering units.  "
             "|de|Legt den oberen Bereichswert des Eingangswerts (100%) in physikalischen "
             "Einheiten fest.  "
             "|fr|Définit la valeur supérieure de la plage de la valeur d'entrée (100%) en "
             "unités physiques.  "
             "|it|Definisce il valore superiore del campo del valore di ingresso (100%) in unità "
             "ingegneristiche.  "
             "|es|Define el valor superior del rango del valor de entrada (100%) en unidades de "
             "ingeniería.",
     .defaultValue = Int(100),
     .computedFormat = &kOutputDecimalPointFormat,
     .handling = Handling::ReadWrite})

DD_VARIABLE_FACTORY(
    func1_pv_lower_range_value,
    {.label = kLowerValueLabel,
     .help = "Defines the operational lower range value of the input value (0%)   in "
             "engineering units.  "
             "|de|Legt den unteren Bereichswert des Eingangswerts (0%) in physikalischen "
             "Einheiten fest.  "
             "|fr|Définit la valeur inférieure de la plage de la valeur d'entrée (0%) en "
             "unités physiques.  "
             "|it|Definisce il valore inferiore del campo del valore di ingresso (0%) in unità "
             "ingegneristiche.  "
             "|es|Define el valor inferior del rango del valor de entrada (0%) en unidades de "
             "ingeniería.",
     .defaultValue = Int(0),
     .computedFormat = &kOutputDecimalPointFormat,
     .handling = Handling::ReadWrite})

DD_VARIABLE_FACTORY(func1_pv_decimal_point, {.label = kDecimalPointLabel,
                                             .help = kDecimalPointHelp,
                                             .size = 1,
                                             .maxEnumIndex = 6,
                                             .enumerators = kDecimalDigits,
                                             .handling = Handling::ReadWrite})

DD_VARIABLE_FACTORY(
    func1_out_upper_range_value,
    {.label = kUpperValueLabel,
     .help = "Upper Value (Output Signal Range): Upper range value of the process   variable "
             "(100%) in engineering units.  "
             "|de|Endwert (Ausgangssignalbereich): Oberer Bereichswert der Prozessgröße (100%) "
             "in physikalischen Einheiten.  "
             "|fr|Valeur finale (plage du signal de sortie) : valeur supérieure de la plage de la "
             "grandeur de process (100%) en unités physiques.  "
             "|it|Valore finale (campo del segnale di uscita): valore superiore del campo della "
             "variabile di processo (100%) in unità ingegneristiche.  "
             "|es|Valor final (rango de la señal de salida): valor superior del rango de la "
             "variable de proceso (100%) en unidades de ingeniería.",
     .defaultValue = Int(100),
     .handling = Handling::ReadWrite})

DD_VARIABLE_FACTORY(
    func1_out_lower_range_value,
    {.label = kLowerValueLabel,
     .help = "Lower Value (Output Signal Range): Lower range value of the process   variable "
             "(0%) in engineering units.  "
             "|de|Anfangswert (Ausgangssignalbereich): Unterer Bereichswert der Prozessgröße "
             "(0%) in physikalischen Einheiten.  "
             "|fr|Valeur initiale (plage du signal de sortie) : valeur inférieure de la plage de "
             "la grandeur de process (0%) en unités physiques.  "
             "|it|Valore iniziale (campo del segnale di uscita): valore inferiore del campo della "
             "variabile di processo (0%) in unità ingegneristiche.  "
             "|es|Valor inicial (rango de la señal de salida): valor inferior del rango de la "
             "variable de proceso (0%) en unidades de ingeniería.",
     .defaultValue = Int(0),
     .handling = Handling::ReadWrite})

// Two decimals unless set otherwise; the default follows the digits.
DD_VARIABLE_FACTORY(func1_out_decimal_point, {.label = kDecimalPointLabel,
                                              .help = kDecimalPointHelp,
                                              .size = 1,
                                              .defaultValue = Int(2),
                                              .defaultPlace = DefaultPlace::AfterEnumerators,
                                              .maxEnumIndex = 6,
                                              .enumerators = kDecimalDigits,
                                              .handling = Handling::ReadWrite})
