// The two status bytes of function block 1: the one that goes with the output value and the one
// that goes with the simulation value.

#include "core/factory_macros.h"
#include "function_block_params/status_byte.h"

namespace {

constexpr const char kQualityHelp[] =
    "Contains the following states of quality: Good, Uncertain, Bad."
    "  |de|Enthält folgende Qualitätszustände: Gut, Unsicher, Schlecht."
    "  |fr|Contient les états de qualité suivants : Bon, Incertain, Mauvais."
    "  |it|Contiene i seguenti stati di qualità: Buono, Incerto, Scarto."
    "  |es|Contiene los siguientes estados de calidad: Bueno, Incierto, Malo.";

}  // namespace

DD_VARIABLE_FACTORY(func1_out_status,
                    {.label = "Status (Output)  |de|Status (Ausgang)  |fr|Etat (sortie)  "
                              "|it|Stato (uscita)  |es|Status (salida)",
                     .help = kQualityHelp,
                     .size = 1,
                     .maxEnumIndex = status_byte::kHighestValue,
                     .enumerators = status_byte::kEnumeration})
DD_VARIABLE_FACTORY(func1_simulate_status,
                    {.label = "Status (Simulation Value)  |de|Status (Simulationswert)  |fr|Etat "
                              "(valeur de simulation)  |it|Stato (valore di simulazione)  "
                              "|es|Status (valor de simulación)",
                     .help = kQualityHelp,
                     .size = 1,
                     .maxEnumIndex = status_byte::kHighestValue,
                     .enumerators = status_byte::kEnumeration,
                     .handling = Handling::ReadWrite})
